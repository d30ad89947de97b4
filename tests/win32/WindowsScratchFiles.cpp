#include "PortFile.h"
#include "ScratchFiles.h"

#include <windows.h>

#include <filesystem>

namespace {

constexpr DWORD ShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

std::string tempPathAnswer() {
    char buffer[MAX_PATH + 1] = {};
    const DWORD length = GetTempPathA(MAX_PATH, buffer);
    return std::string(buffer, length);
}

// Reported through TMP, the first place GetTempPathA looks; read and written
// with CreateFileA, ReadFile and WriteFile.
class WindowsScratchFiles final : public ScratchFiles {
public:
    WindowsScratchFiles() {
        char saved[32768];
        const DWORD length = GetEnvironmentVariableA("TMP", saved, sizeof saved);
        if (length > 0 && length < sizeof saved) {
            savedTmp_ = std::string(saved, length);
        }
        static int made = 0;
        dir_ = tempPathAnswer() + "pelmo-" + std::to_string(GetCurrentProcessId()) + "-" +
               std::to_string(++made);
        CreateDirectoryA(dir_.c_str(), nullptr);
        reportAsTemporary(dir_);
    }

    ~WindowsScratchFiles() override {
        SetEnvironmentVariableA("TMP", savedTmp_ ? savedTmp_->c_str() : nullptr);
        SetFileAttributesA(path(portio::PortFileName).c_str(), FILE_ATTRIBUTE_NORMAL);
        std::error_code ignored;
        std::filesystem::remove_all(dir_, ignored);
    }

    std::string dir() const override { return dir_; }
    char separator() const override { return '\\'; }
    void reportAsTemporary(const std::string& dir) override {
        SetEnvironmentVariableA("TMP", dir.c_str());
    }

    std::optional<Bytes> read(const std::string& path) const override {
        HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, ShareAll, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE) {
            return std::nullopt;
        }
        LARGE_INTEGER size{};
        GetFileSizeEx(file, &size);
        Bytes bytes(static_cast<std::size_t>(size.QuadPart));
        DWORD got = 0;
        ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &got, nullptr);
        CloseHandle(file);
        bytes.resize(got);
        return bytes;
    }
    void write(const std::string& path, const Bytes& bytes) override {
        HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE) {
            return;
        }
        DWORD written = 0;
        WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
        CloseHandle(file);
    }
    bool writeAt(const std::string& path, long long offset, const Bytes& bytes) override {
        HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, ShareAll, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE) {
            return false;
        }
        LARGE_INTEGER at{};
        at.QuadPart = offset;
        DWORD written = 0;
        const bool wrote =
            SetFilePointerEx(file, at, nullptr, FILE_BEGIN) &&
            WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
            written == bytes.size();
        CloseHandle(file);
        return wrote;
    }
    bool exists(const std::string& path) const override {
        return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
    }
    bool isDirectory(const std::string& path) const override {
        const DWORD attributes = GetFileAttributesA(path.c_str());
        return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
    }
    bool makeDirectory(const std::string& path) override {
        return CreateDirectoryA(path.c_str(), nullptr);
    }
    bool removeDirectory(const std::string& path) override {
        return RemoveDirectoryA(path.c_str());
    }
    bool makeReadOnly(const std::string& path) override {
        if (!SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY)) {
            return false;
        }
        HANDLE probe = CreateFileA(path.c_str(), GENERIC_WRITE, ShareAll, nullptr, OPEN_EXISTING,
                                   FILE_ATTRIBUTE_NORMAL, nullptr);
        if (probe == INVALID_HANDLE_VALUE) {
            return true;
        }
        CloseHandle(probe);
        return false;
    }

private:
    std::string dir_;
    std::optional<std::string> savedTmp_;
};

} // namespace

std::unique_ptr<ScratchFiles> makeScratchFiles() {
    return std::make_unique<WindowsScratchFiles>();
}
