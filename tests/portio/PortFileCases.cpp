// The port file's behaviour that is the same on every system, written once
// against ScratchFiles and run on Linux and, cross-built, under Wine.
#include "PortFile.h"
#include "PortFileFixture.h"
#include "TempDirectory.h"

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <thread>

namespace {

TEST(AddSeparator, AppendsOnlyWhereMissing) {
    EXPECT_EQ(portio::AddBackslash("C:"), "C:\\");
    EXPECT_EQ(portio::AddBackslash("C:\\"), "C:\\");
    EXPECT_EQ(portio::AddBackslash("C:\\Users\\pat\\Temp"), "C:\\Users\\pat\\Temp\\");
    EXPECT_EQ(portio::AddBackslash(""), "") << "no directory: the bare file name";
    EXPECT_EQ(portio::AddSeparator("/tmp", '/'), "/tmp/");
    EXPECT_EQ(portio::AddSeparator("/tmp/", '/'), "/tmp/");
}

TEST_F(PortFile, PathIsTheFileInTheTemporaryDirectoryWithOneSeparator) {
    EXPECT_EQ(portio::PortFilePath(), portFile());
    files->reportAsTemporary(files->dir() + files->separator());
    EXPECT_EQ(portio::PortFilePath(), portFile()) << "never a doubled separator";
}

TEST_F(PortFile, MissingFileIsCreatedWithZerosUpToThePort) {
    portio::WritePort(155, 8);
    Bytes expected(56, 0);
    expected[55] = 8;
    EXPECT_EQ(files->read(portFile()), expected);

    portio::WritePort(155, 0);
    expected[55] = 0;
    EXPECT_EQ(files->read(portFile()), expected) << "rewritten in place, never appended";

    portio::WritePort(100, 0xFF);
    expected[0] = 0xFF;
    EXPECT_EQ(files->read(portFile()), expected);
}

TEST_F(PortFile, ExistingFileKeepsItsLengthAndOtherBytes) {
    Bytes bytes = pattern(300);
    files->write(portFile(), bytes);
    portio::WritePort(155, 32);
    bytes[55] = 32;
    EXPECT_EQ(files->read(portFile()), bytes);
}

TEST_F(PortFile, PortsWithoutAByteAreSkipped) {
    for (std::int32_t port : {99, 0, -1, -2147483647 - 1, 65536, 2147483647}) {
        EXPECT_FALSE(portio::TryWritePort(port, 1)) << port;
    }
    EXPECT_FALSE(files->exists(portFile())) << "no file, and no gigabyte-sized sparse one";
    portio::WritePort(65535, 1);
    EXPECT_EQ(files->read(portFile()).value_or(Bytes()).size(), 65436u);
}

// Another program truncates the file, or rewrites all of it, between writes:
// each write puts back only its own byte.
TEST_F(PortFile, FileTruncatedOrRewrittenMeanwhileGetsOnlyItsByte) {
    files->write(portFile(), pattern(300));
    ASSERT_TRUE(portio::TryWritePort(155, 8));
    files->write(portFile(), Bytes());
    EXPECT_TRUE(portio::TryWritePort(155, 8));
    Bytes expected(56, 0);
    expected[55] = 8;
    EXPECT_EQ(files->read(portFile()), expected) << "bytes before it read as 0";

    Bytes rewritten(300, 0xA5);
    files->write(portFile(), rewritten);
    EXPECT_TRUE(portio::TryWritePort(155, 0));
    rewritten[55] = 0;
    EXPECT_EQ(files->read(portFile()), rewritten);
}

// A second program rewrites every other byte about a thousand times a second
// while the panel writes its own: no byte of either is ever lost.
TEST_F(PortFile, SecondWriterKeepsEveryOtherByte) {
    files->write(portFile(), Bytes(300, 0));
    const auto round = [](int r) {
        Bytes bytes(300);
        for (std::size_t i = 0; i < bytes.size(); ++i) {
            bytes[i] = static_cast<unsigned char>(r + i);
        }
        return bytes;
    };
    std::atomic<bool> stop{false};
    std::atomic<int> rounds{0};
    int clobbered = 0;
    std::thread second([&] {
        for (; !stop; ++rounds) {
            const Bytes mine = round(rounds.load());
            files->writeAt(portFile(), 0, Bytes(mine.begin(), mine.begin() + 55));
            files->writeAt(portFile(), 56, Bytes(mine.begin() + 56, mine.end()));
            Bytes seen = files->read(portFile()).value_or(Bytes());
            if (seen.size() != mine.size()) {
                ++clobbered;
                continue;
            }
            seen[55] = mine[55];
            clobbered += seen != mine;
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
    });
    // However busy the machine, the two writers overlap for a while: the
    // panel's side goes on until the second has done 50 rounds of its own.
    int failed = 0;
    for (int i = 0; i < 500 || rounds.load() < 50; ++i) {
        failed += !portio::TryWritePort(155, static_cast<std::uint8_t>(i % 2 ? 8 : 16));
        std::this_thread::sleep_for(std::chrono::microseconds(500));
    }
    stop = true;
    second.join();
    EXPECT_EQ(failed, 0);
    EXPECT_EQ(clobbered, 0) << "of " << rounds.load() << " rounds";

    ASSERT_TRUE(portio::TryWritePort(155, 32));
    Bytes last = round(rounds.load() - 1);
    last[55] = 32;
    EXPECT_EQ(files->read(portFile()), last);
}

TEST_F(PortFile, ReadOnlyFileIsLeftAlone) {
    const Bytes bytes = pattern(300);
    files->write(portFile(), bytes);
    if (!files->makeReadOnly(portFile())) {
        if (std::getenv("PORTIO_TESTS_NO_SKIP")) {
            FAIL() << "this process writes a read-only file all the same: run it unprivileged";
        }
        GTEST_SKIP() << "this process may write a read-only file all the same";
    }
    EXPECT_FALSE(portio::TryWritePort(155, 8));
    EXPECT_EQ(files->read(portFile()), bytes);
}

TEST_F(PortFile, DirectoryInThePlaceOfTheFileFailsQuietlyUntilItGoes) {
    ASSERT_TRUE(files->makeDirectory(portFile()));
    EXPECT_FALSE(portio::TryWritePort(155, 8));
    EXPECT_TRUE(files->isDirectory(portFile()));
    ASSERT_TRUE(files->removeDirectory(portFile()));
    EXPECT_TRUE(portio::TryWritePort(155, 8));
    EXPECT_EQ(files->read(portFile()).value_or(Bytes()).size(), 56u);
}

TEST_F(PortFile, MissingTemporaryDirectoryIsSkippedUntilItExists) {
    const bool workingDirHadFile = files->exists(portio::PortFileName);
    const std::string missing = files->path("missing");
    files->reportAsTemporary(missing);
    EXPECT_FALSE(portio::TryWritePort(155, 2));
    EXPECT_FALSE(files->exists(missing));
    EXPECT_EQ(files->exists(portio::PortFileName), workingDirHadFile)
        << "nothing lands in the working directory";

    ASSERT_TRUE(files->makeDirectory(missing));
    EXPECT_TRUE(portio::TryWritePort(155, 2));
    const Bytes written =
        files->read(missing + files->separator() + portio::PortFileName).value_or(Bytes());
    ASSERT_EQ(written.size(), 56u);
    EXPECT_EQ(written[55], 2);
}

} // namespace
