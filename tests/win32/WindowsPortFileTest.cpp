// The port file on a Windows API: the directory comes from GetTempPathA, the
// bytes are read back through CreateFileA / ReadFile, and the emulator's side
// is another handle on the same file.
#include "PortFile.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<unsigned char>;

constexpr DWORD ShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

HANDLE openFile(const std::string& path, DWORD access, DWORD share, DWORD disposition) {
    return CreateFileA(path.c_str(), access, share, nullptr, disposition, FILE_ATTRIBUTE_NORMAL,
                       nullptr);
}

std::optional<Bytes> readAll(const std::string& path) {
    HANDLE file = openFile(path, GENERIC_READ, ShareAll, OPEN_EXISTING);
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

void writeAll(const std::string& path, const Bytes& bytes) {
    HANDLE file = openFile(path, GENERIC_WRITE, 0, CREATE_ALWAYS);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
    ASSERT_EQ(written, bytes.size());
}

bool exists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

Bytes pattern(std::size_t size) {
    Bytes bytes(size);
    for (std::size_t i = 0; i < size; ++i) {
        bytes[i] = static_cast<unsigned char>(i * 7 + 3);
    }
    return bytes;
}

std::string tempPathAnswer() {
    char buffer[MAX_PATH + 1] = {};
    const DWORD length = GetTempPathA(MAX_PATH, buffer);
    return std::string(buffer, length);
}

// Each test gets a directory of its own, reported by GetTempPathA through TMP.
class WindowsPortFile : public ::testing::Test {
protected:
    void SetUp() override {
        char saved[32768];
        const DWORD length = GetEnvironmentVariableA("TMP", saved, sizeof saved);
        if (length > 0 && length < sizeof saved) {
            savedTmp_ = std::string(saved, length);
        }
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        dir_ = tempPathAnswer() + "pelmo-" + std::to_string(GetCurrentProcessId()) + "-" +
               test->name();
        ASSERT_TRUE(CreateDirectoryA(dir_.c_str(), nullptr));
        useTmp(dir_);
    }

    void TearDown() override {
        SetEnvironmentVariableA("TMP", savedTmp_ ? savedTmp_->c_str() : nullptr);
        SetFileAttributesA(portFile().c_str(), FILE_ATTRIBUTE_NORMAL);
        std::error_code ignored;
        std::filesystem::remove_all(dir_, ignored);
    }

    static void useTmp(const std::string& dir) { SetEnvironmentVariableA("TMP", dir.c_str()); }

    std::string portFile() const { return dir_ + "\\emu_port.dat"; }

    std::string dir_;
    std::optional<std::string> savedTmp_;
};

TEST_F(WindowsPortFile, PathIsTheTempPathAnswerWithOneBackslash) {
    EXPECT_EQ(portio::PortFilePath(), tempPathAnswer() + "emu_port.dat");
    EXPECT_EQ(portio::PortFilePath(), portFile());
    useTmp(dir_ + "\\");
    EXPECT_EQ(portio::PortFilePath(), portFile()) << "never a doubled backslash";

    EXPECT_EQ(portio::AddBackslash("C:"), "C:\\");
    EXPECT_EQ(portio::AddBackslash("C:\\"), "C:\\");
    EXPECT_EQ(portio::AddBackslash("C:\\Users\\pat\\Temp"), "C:\\Users\\pat\\Temp\\");
    EXPECT_EQ(portio::AddBackslash(""), "") << "no directory: the bare file name";
}

TEST_F(WindowsPortFile, MissingFileIsCreatedWithZerosUpToThePort) {
    portio::WritePort(155, 8);
    Bytes expected(56, 0);
    expected[55] = 8;
    EXPECT_EQ(readAll(portFile()), expected);

    portio::WritePort(155, 0);
    expected[55] = 0;
    EXPECT_EQ(readAll(portFile()), expected) << "rewritten in place, never appended";
}

TEST_F(WindowsPortFile, ExistingFileKeepsItsLengthAndOtherBytes) {
    Bytes bytes = pattern(300);
    writeAll(portFile(), bytes);
    portio::WritePort(155, 32);
    bytes[55] = 32;
    EXPECT_EQ(readAll(portFile()), bytes);
}

TEST_F(WindowsPortFile, EmulatorHoldingTheFileOpenSeesTheWrite) {
    writeAll(portFile(), Bytes(300, 0));
    HANDLE emulator =
        openFile(portFile(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, OPEN_EXISTING);
    ASSERT_NE(emulator, INVALID_HANDLE_VALUE);

    portio::WritePort(155, 4);
    LARGE_INTEGER at{};
    at.QuadPart = 55;
    unsigned char byte = 0xEE;
    DWORD got = 0;
    ASSERT_TRUE(SetFilePointerEx(emulator, at, nullptr, FILE_BEGIN));
    ASSERT_TRUE(ReadFile(emulator, &byte, 1, &got, nullptr));
    CloseHandle(emulator);
    EXPECT_EQ(got, 1u);
    EXPECT_EQ(byte, 4);

    // Between writes the panel holds nothing: even an exclusive open succeeds.
    HANDLE exclusive = openFile(portFile(), GENERIC_READ | GENERIC_WRITE, 0, OPEN_EXISTING);
    EXPECT_NE(exclusive, INVALID_HANDLE_VALUE);
    CloseHandle(exclusive);
}

TEST_F(WindowsPortFile, FileLockedByAnotherProgramIsSkippedThenWrittenAgain) {
    const Bytes bytes = pattern(300);
    writeAll(portFile(), bytes);
    HANDLE locker = openFile(portFile(), GENERIC_READ, FILE_SHARE_READ, OPEN_EXISTING);
    ASSERT_NE(locker, INVALID_HANDLE_VALUE);
    portio::WritePort(155, 16); // a sharing violation: quietly skipped
    CloseHandle(locker);
    EXPECT_EQ(readAll(portFile()), bytes);

    portio::WritePort(155, 16);
    EXPECT_EQ(readAll(portFile()).value().at(55), 16);
}

TEST_F(WindowsPortFile, ReadOnlyFileIsLeftAlone) {
    const Bytes bytes = pattern(300);
    writeAll(portFile(), bytes);
    ASSERT_TRUE(SetFileAttributesA(portFile().c_str(), FILE_ATTRIBUTE_READONLY));
    HANDLE probe = openFile(portFile(), GENERIC_WRITE, ShareAll, OPEN_EXISTING);
    if (probe != INVALID_HANDLE_VALUE) {
        CloseHandle(probe);
        GTEST_SKIP() << "this system lets the file be written anyway (Wine run as root)";
    }
    portio::WritePort(155, 8);
    EXPECT_EQ(readAll(portFile()), bytes);
}

TEST_F(WindowsPortFile, MissingDirectoryIsSkippedUntilItExists) {
    const std::string missing = dir_ + "\\missing";
    useTmp(missing);
    portio::WritePort(155, 2);
    EXPECT_FALSE(exists(missing));

    ASSERT_TRUE(CreateDirectoryA(missing.c_str(), nullptr));
    portio::WritePort(155, 2);
    EXPECT_EQ(readAll(missing + "\\emu_port.dat").value().size(), 56u);
}

// GetTempPathA fails on a TMP longer than a path may be: the write is skipped.
TEST_F(WindowsPortFile, TempPathThatCannotBeReportedWritesNothing) {
    const std::string cwdFile = "emu_port.dat";
    const bool cwdHadFile = exists(cwdFile);
    useTmp("C:\\" + std::string(600, 'x'));
    portio::WritePort(155, 8);
    EXPECT_EQ(portio::PortFilePath(), "");
    EXPECT_EQ(exists(cwdFile), cwdHadFile) << "nothing lands in the working directory";
}

TEST_F(WindowsPortFile, DirectoryInThePlaceOfTheFileFailsQuietly) {
    ASSERT_TRUE(CreateDirectoryA(portFile().c_str(), nullptr));
    portio::WritePort(155, 8);
    EXPECT_EQ(GetFileAttributesA(portFile().c_str()) & FILE_ATTRIBUTE_DIRECTORY,
              static_cast<DWORD>(FILE_ATTRIBUTE_DIRECTORY));
    RemoveDirectoryA(portFile().c_str());
}

TEST_F(WindowsPortFile, PortsWithoutAByteAreSkipped) {
    for (std::int32_t port : {99, 0, -1, -2147483647 - 1, 65536, 2147483647}) {
        portio::WritePort(port, 1);
    }
    EXPECT_FALSE(exists(portFile()));
    portio::WritePort(65535, 1);
    EXPECT_EQ(readAll(portFile()).value().size(), 65436u);
}

} // namespace
