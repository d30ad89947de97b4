#include "ScratchFiles.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include <fcntl.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// Reported through TMPDIR, which the port writer reads on every call.
class PosixScratchFiles final : public ScratchFiles {
public:
    PosixScratchFiles() {
        if (const char* old = std::getenv("TMPDIR")) {
            savedTmpdir_ = old;
        }
        std::string templ = (fs::temp_directory_path() / "portio-test-XXXXXX").string();
        if (::mkdtemp(templ.data()) != nullptr) {
            dir_ = templ;
        }
        reportAsTemporary(dir_);
    }

    ~PosixScratchFiles() override {
        if (savedTmpdir_) {
            ::setenv("TMPDIR", savedTmpdir_->c_str(), 1);
        } else {
            ::unsetenv("TMPDIR");
        }
        std::error_code ignored;
        fs::permissions(dir_, fs::perms::owner_all, ignored);
        fs::remove_all(dir_, ignored);
    }

    std::string dir() const override { return dir_; }
    char separator() const override { return '/'; }
    void reportAsTemporary(const std::string& dir) override { ::setenv("TMPDIR", dir.c_str(), 1); }

    std::optional<Bytes> read(const std::string& path) const override {
        std::ifstream in(path, std::ios::binary);
        if (!in) {
            return std::nullopt;
        }
        return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    void write(const std::string& path, const Bytes& bytes) override {
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    }
    bool writeAt(const std::string& path, long long offset, const Bytes& bytes) override {
        const int fd = ::open(path.c_str(), O_WRONLY | O_CLOEXEC);
        if (fd < 0) {
            return false;
        }
        const auto size = static_cast<ssize_t>(bytes.size());
        const bool wrote = ::pwrite(fd, bytes.data(), bytes.size(), offset) == size;
        ::close(fd);
        return wrote;
    }
    bool exists(const std::string& path) const override {
        return fs::exists(fs::symlink_status(path));
    }
    bool isDirectory(const std::string& path) const override { return fs::is_directory(path); }
    bool makeDirectory(const std::string& path) override { return fs::create_directory(path); }
    bool removeDirectory(const std::string& path) override { return ::rmdir(path.c_str()) == 0; }
    bool makeReadOnly(const std::string& path) override {
        fs::permissions(path, fs::perms::owner_read);
        return ::geteuid() != 0; // root writes through file permissions
    }

private:
    std::string dir_;
    std::optional<std::string> savedTmpdir_;
};

} // namespace

std::unique_ptr<ScratchFiles> makeScratchFiles() {
    return std::make_unique<PosixScratchFiles>();
}
