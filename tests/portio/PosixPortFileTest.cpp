// What the port file does on Linux alone: file modes, and what a hostile
// neighbour in the shared directory may plant in the file's place.
#include "PortFile.h"
#include "PortFileFixture.h"

#include <filesystem>

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
    portio::WritePort(155, 8);
    EXPECT_EQ(files->read(victim), bytes);

    fs::remove(portFile());
    fs::create_symlink(files->path("nowhere"), portFile());
    portio::WritePort(155, 8);
    EXPECT_FALSE(files->exists(files->path("nowhere"))) << "a dangling link creates no file either";
}

TEST_F(PortFile, FifoInThePlaceOfTheFileNeitherBlocksNorIsWritten) {
    ASSERT_EQ(::mkfifo(portFile().c_str(), 0600), 0);
    portio::WritePort(155, 8); // would hang here if the open or write blocked
    EXPECT_TRUE(fs::is_fifo(portFile()));
}

} // namespace
