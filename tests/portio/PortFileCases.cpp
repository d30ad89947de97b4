// The port file's behaviour that is the same on every system, written once
// against ScratchFiles and run on Linux and, cross-built, under Wine.
#include "PortFile.h"
#include "PortFileFixture.h"

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
        portio::WritePort(port, 1);
    }
    EXPECT_FALSE(files->exists(portFile())) << "no file, and no gigabyte-sized sparse one";
    portio::WritePort(65535, 1);
    EXPECT_EQ(files->read(portFile()).value_or(Bytes()).size(), 65436u);
}

TEST_F(PortFile, ReadOnlyFileIsLeftAlone) {
    const Bytes bytes = pattern(300);
    files->write(portFile(), bytes);
    if (!files->makeReadOnly(portFile())) {
        GTEST_SKIP() << "this process may write a read-only file all the same";
    }
    portio::WritePort(155, 8);
    EXPECT_EQ(files->read(portFile()), bytes);
}

TEST_F(PortFile, DirectoryInThePlaceOfTheFileFailsQuietly) {
    ASSERT_TRUE(files->makeDirectory(portFile()));
    portio::WritePort(155, 8);
    EXPECT_TRUE(files->isDirectory(portFile()));
}

TEST_F(PortFile, MissingTemporaryDirectoryIsSkippedUntilItExists) {
    const bool workingDirHadFile = files->exists("emu_port.dat");
    const std::string missing = files->path("missing");
    files->reportAsTemporary(missing);
    portio::WritePort(155, 2);
    EXPECT_FALSE(files->exists(missing));
    EXPECT_EQ(files->exists("emu_port.dat"), workingDirHadFile)
        << "nothing lands in the working directory";

    ASSERT_TRUE(files->makeDirectory(missing));
    portio::WritePort(155, 2);
    const Bytes written =
        files->read(missing + files->separator() + "emu_port.dat").value_or(Bytes());
    ASSERT_EQ(written.size(), 56u);
    EXPECT_EQ(written[55], 2);
}

} // namespace
