// What the port file does on Linux alone: file modes, and what a hostile
// neighbour in the shared directory may plant in the file's place.
#include "PortFile.h"
#include "PortFileFixture.h"

#include <filesystem>
#include <fstream>

#include <sys/mount.h>
#include <sys/stat.h>

namespace fs = std::filesystem;

namespace {

TEST_F(PortFile, NewFileIsReadableByOtherUsers) {
    const mode_t old = ::umask(022);
    portio::WritePort(155, 1);
    ::umask(old);
    const auto perms = fs::status(portFile()).permissions();
    EXPECT_NE(perms & fs::perms::others_read, fs::perms::none);
    EXPECT_NE(perms & fs::perms::group_read, fs::perms::none);
}

TEST_F(PortFile, PlantedLinkIsNotFollowed) {
    const std::string victim = files->path("victim");
    const Bytes bytes = pattern(100);
    files->write(victim, bytes);
    fs::create_symlink(victim, portFile());
    EXPECT_FALSE(portio::TryWritePort(155, 8));
    EXPECT_EQ(files->read(victim), bytes);

    fs::remove(portFile());
    fs::create_symlink(files->path("nowhere"), portFile());
    EXPECT_FALSE(portio::TryWritePort(155, 8));
    EXPECT_FALSE(files->exists(files->path("nowhere"))) << "a dangling link creates no file either";
}

TEST_F(PortFile, FifoInThePlaceOfTheFileNeitherBlocksNorIsWritten) {
    ASSERT_EQ(::mkfifo(portFile().c_str(), 0600), 0);
    EXPECT_FALSE(portio::TryWritePort(155, 8)); // would hang here if the open or write blocked
    EXPECT_TRUE(fs::is_fifo(portFile()));
}

// Fills the file system that holds `dir` with one file; false if it never got full.
bool fill(const std::string& dir) {
    std::ofstream filler(dir + "/filler", std::ios::binary);
    const std::string block(4096, 'f');
    for (int i = 0; i < 100000 && filler.write(block.data(), std::streamsize(block.size())); ++i) {
        filler.flush();
    }
    return !filler;
}

// A full file system, a small tmpfs mounted for the test (where this process
// may mount one): a byte inside an existing file takes no new room and is
// written; a missing file is created, but its byte finds no room and the write
// fails until room is made.
TEST_F(PortFile, FullFileSystemFailsANewFileUntilThereIsRoom) {
    const std::string small = files->path("small");
    fs::create_directory(small);
    if (::mount("tmpfs", small.c_str(), "tmpfs", 0, "size=64k") != 0) {
        GTEST_SKIP() << "this process may not mount a tmpfs";
    }
    const struct Unmount {
        std::string at;
        ~Unmount() { ::umount2(at.c_str(), MNT_DETACH); }
    } unmount{small};
    files->reportAsTemporary(small);
    const std::string port = small + "/" + portio::PortFileName;

    ASSERT_TRUE(fill(small));
    EXPECT_FALSE(portio::TryWritePort(155, 8));
    EXPECT_EQ(files->read(port), Bytes()) << "created, and left empty";
    fs::remove(small + "/filler");
    EXPECT_TRUE(portio::TryWritePort(155, 8));
    EXPECT_EQ(files->read(port).value_or(Bytes()).size(), 56u);

    Bytes bytes = pattern(300);
    files->write(port, bytes);
    ASSERT_TRUE(fill(small));
    EXPECT_TRUE(portio::TryWritePort(155, 4));
    bytes[55] = 4;
    EXPECT_EQ(files->read(port), bytes);
}

} // namespace
