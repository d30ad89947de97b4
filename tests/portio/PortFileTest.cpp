#include "PortFile.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace {

std::vector<char> readAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeAll(const fs::path& path, const std::vector<char>& bytes) {
    std::ofstream(path, std::ios::binary).write(bytes.data(), std::streamsize(bytes.size()));
}

std::vector<char> pattern(std::size_t size) {
    std::vector<char> bytes(size);
    for (std::size_t i = 0; i < size; ++i) {
        bytes[i] = static_cast<char>(i * 7 + 3);
    }
    return bytes;
}

// Each test gets a temporary directory of its own, reported through TMPDIR.
class PortFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        const char* old = std::getenv("TMPDIR");
        savedTmpdir = old ? std::optional<std::string>(old) : std::nullopt;
        std::string templ = (fs::temp_directory_path() / "portio-test-XXXXXX").string();
        ASSERT_NE(::mkdtemp(templ.data()), nullptr);
        dir = templ;
        useTempDir(dir.string());
    }

    void TearDown() override {
        if (savedTmpdir) {
            ::setenv("TMPDIR", savedTmpdir->c_str(), 1);
        } else {
            ::unsetenv("TMPDIR");
        }
        std::error_code ignored;
        fs::permissions(dir, fs::perms::owner_all, ignored);
        fs::remove_all(dir, ignored);
    }

    static void useTempDir(const std::string& path) { ::setenv("TMPDIR", path.c_str(), 1); }

    fs::path portFile() const { return dir / "emu_port.dat"; }

    fs::path dir;
    std::optional<std::string> savedTmpdir;
};

TEST(AddBackslash, AppendsOnlyWhereMissing) {
    EXPECT_EQ(portio::AddBackslash(R"(C:\Temp)"), R"(C:\Temp\)");
    EXPECT_EQ(portio::AddBackslash(R"(C:\Temp\)"), R"(C:\Temp\)");
    EXPECT_EQ(portio::AddBackslash(""), "");
    EXPECT_EQ(portio::AddSeparator("/tmp", '/'), "/tmp/");
    EXPECT_EQ(portio::AddSeparator("/tmp/", '/'), "/tmp/");
}

TEST_F(PortFileTest, PathIsTheFileInTheTemporaryDirectory) {
    EXPECT_EQ(portio::PortFilePath(), portFile().string());
    useTempDir(dir.string() + "/");
    EXPECT_EQ(portio::PortFilePath(), portFile().string());
}

TEST_F(PortFileTest, MissingFileIsCreatedWithZerosUpToThePort) {
    portio::WritePort(155, 8);
    std::vector<char> expected(56, 0);
    expected[55] = 8;
    EXPECT_EQ(readAll(portFile()), expected);

    portio::WritePort(155, 0);
    expected[55] = 0;
    EXPECT_EQ(readAll(portFile()), expected) << "rewritten in place, never appended";

    portio::WritePort(100, 0xFF);
    expected[0] = static_cast<char>(0xFF);
    EXPECT_EQ(readAll(portFile()), expected);
}

TEST_F(PortFileTest, ExistingFileKeepsItsLengthAndOtherBytes) {
    std::vector<char> bytes = pattern(300);
    writeAll(portFile(), bytes);
    portio::WritePort(155, 32);
    bytes[55] = 32;
    EXPECT_EQ(readAll(portFile()), bytes);
}

TEST_F(PortFileTest, NewFileIsReadableByOtherUsers) {
    const mode_t old = ::umask(022);
    portio::WritePort(155, 1);
    ::umask(old);
    const auto perms = fs::status(portFile()).permissions();
    EXPECT_NE(perms & fs::perms::others_read, fs::perms::none);
    EXPECT_NE(perms & fs::perms::group_read, fs::perms::none);
}

TEST_F(PortFileTest, PortsWithoutAByteAreSkipped) {
    for (std::int32_t port : {99, 0, -1, -2147483647 - 1, 65536, 2147483647}) {
        portio::WritePort(port, 1);
    }
    EXPECT_FALSE(fs::exists(portFile())) << "no file, and no gigabyte-sized sparse one";
    portio::WritePort(65535, 1);
    EXPECT_EQ(fs::file_size(portFile()), 65436u);
}

TEST_F(PortFileTest, UnusableTemporaryDirectoryFailsQuietly) {
    const fs::path cwdFile = fs::current_path() / "emu_port.dat";
    const bool cwdHadFile = fs::exists(cwdFile);
    useTempDir((dir / "missing").string());
    portio::WritePort(155, 4);
    portio::WritePort(155, 4);
    EXPECT_FALSE(fs::exists(dir / "missing"));
    EXPECT_EQ(fs::exists(cwdFile), cwdHadFile) << "nothing lands in the working directory";
}

TEST_F(PortFileTest, ReadOnlyFileIsLeftAlone) {
    if (::geteuid() == 0) {
        GTEST_SKIP() << "root writes through file permissions";
    }
    const std::vector<char> bytes = pattern(300);
    writeAll(portFile(), bytes);
    fs::permissions(portFile(), fs::perms::owner_read);
    portio::WritePort(155, 8);
    EXPECT_EQ(readAll(portFile()), bytes);
}

TEST_F(PortFileTest, DirectoryInThePlaceOfTheFileFailsQuietly) {
    fs::create_directory(portFile());
    portio::WritePort(155, 8);
    EXPECT_TRUE(fs::is_directory(portFile()));
}

TEST_F(PortFileTest, PlantedLinkIsNotFollowed) {
    const fs::path victim = dir / "victim";
    const std::vector<char> bytes = pattern(100);
    writeAll(victim, bytes);
    fs::create_symlink(victim, portFile());
    portio::WritePort(155, 8);
    EXPECT_EQ(readAll(victim), bytes);

    fs::remove(portFile());
    fs::create_symlink(dir / "nowhere", portFile());
    portio::WritePort(155, 8);
    EXPECT_FALSE(fs::exists(dir / "nowhere")) << "a dangling link creates no file either";
}

TEST_F(PortFileTest, FifoInThePlaceOfTheFileNeitherBlocksNorIsWritten) {
    ASSERT_EQ(::mkfifo(portFile().c_str(), 0600), 0);
    portio::WritePort(155, 8); // would hang here if the open or write blocked
    EXPECT_TRUE(fs::is_fifo(portFile()));
}

TEST_F(PortFileTest, RecoversOnTheNextCallAfterAFailure) {
    fs::create_directory(portFile());
    portio::WritePort(155, 8);
    fs::remove(portFile());
    portio::WritePort(155, 16);
    ASSERT_EQ(fs::file_size(portFile()), 56u);
    EXPECT_EQ(readAll(portFile())[55], 16);
}

} // namespace
