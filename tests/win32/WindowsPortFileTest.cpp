// What the port file does on Windows alone: the directory GetTempPathA
// reports, and the emulator's side as another handle on the same file. The
// cases every system shares are in tests/portio/PortFileCases.cpp.
#include "PortFile.h"
#include "PortFileFixture.h"

#include <windows.h>

#include <string>

namespace {

HANDLE openFile(const std::string& path, DWORD access, DWORD share) {
    return CreateFileA(path.c_str(), access, share, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                       nullptr);
}

std::string tempPathAnswer() {
    char buffer[MAX_PATH + 1] = {};
    const DWORD length = GetTempPathA(MAX_PATH, buffer);
    return std::string(buffer, length);
}

TEST_F(PortFile, PathIsTheTempPathAnswerAndTheFileName) {
    EXPECT_EQ(portio::PortFilePath(), tempPathAnswer() + portio::PortFileName);
}

TEST_F(PortFile, EmulatorHoldingTheFileOpenSeesTheWrite) {
    files->write(portFile(), Bytes(300, 0));
    HANDLE emulator = openFile(portFile(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE);
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
    HANDLE exclusive = openFile(portFile(), GENERIC_READ | GENERIC_WRITE, 0);
    EXPECT_NE(exclusive, INVALID_HANDLE_VALUE);
    CloseHandle(exclusive);
}

// Another program holds the file open without sharing writes (share mode 0 or
// read only): each write fails and says so, and the first after it lets go
// gets through.
TEST_F(PortFile, FileLockedByAnotherProgramIsSkippedThenWrittenAgain) {
    for (const DWORD share : {DWORD{0}, DWORD{FILE_SHARE_READ}}) {
        const Bytes bytes = pattern(300);
        files->write(portFile(), bytes);
        HANDLE locker = openFile(portFile(), GENERIC_READ | GENERIC_WRITE, share);
        ASSERT_NE(locker, INVALID_HANDLE_VALUE);
        EXPECT_FALSE(portio::TryWritePort(155, 16)) << "share mode " << share;
        EXPECT_FALSE(portio::TryWritePort(155, 16)) << "share mode " << share;
        CloseHandle(locker);
        EXPECT_EQ(files->read(portFile()), bytes);

        EXPECT_TRUE(portio::TryWritePort(155, 16));
        EXPECT_EQ(files->read(portFile()).value().at(55), 16);
    }
}

// GetTempPathA fails on a TMP longer than a path may be (under Wine, anything
// over 258 characters), and an answer of 499 characters or more would not fit
// the buffer: the write is skipped, and nothing falls back to the working
// directory.
TEST_F(PortFile, TempPathThatCannotBeReportedWritesNothing) {
    const bool workingDirHadFile = files->exists(portio::PortFileName);
    for (const std::size_t length : {498u, 499u, 500u, 600u}) {
        const std::string tmp = "C:\\" + std::string(length - 3, 'x');
        files->reportAsTemporary(tmp);
        EXPECT_FALSE(portio::TryWritePort(155, 8)) << length;
        EXPECT_EQ(portio::PortFilePath(), "") << length;
    }
    EXPECT_EQ(files->exists(portio::PortFileName), workingDirHadFile)
        << "nothing lands in the working directory";
}

} // namespace
