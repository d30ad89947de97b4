#include "ArtFiles.h"
#include "MetafilePlayer.h"
#include "PanelArt.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <span>

namespace {

const char* const ArtNames[] = {
    "icon.ico",        "lamp-white.gif", "lamp-red.gif", "lamp-blue.gif",
    "lamp-square.bmp", "passenger.wmf",  "digit0.gif",   "digit1.gif",
    "digit2.gif",      "digit3.gif",     "digit4.gif",   "digit5.gif",
};
// Made for the Windows program only, which embeds it as its own resource.
const char* const WindowsArtNames[] = {"icon-windows.ico"};

TEST(ArtGenerator, ReproducesTheCommittedPicturesByteForByte) {
    QTemporaryDir out;
    ASSERT_TRUE(out.isValid());
    QProcess generator;
    generator.start(ARTGEN_PATH, {out.path()});
    ASSERT_TRUE(generator.waitForFinished(60000));
    ASSERT_EQ(generator.exitCode(), 0) << generator.readAllStandardError().toStdString();

    EXPECT_EQ(QDir(out.path()).entryList(QDir::Files).size(),
              std::ssize(ArtNames) + std::ssize(WindowsArtNames));
    for (const std::span<const char* const> names :
         {std::span<const char* const>(ArtNames), std::span<const char* const>(WindowsArtNames)}) {
        for (const char* name : names) {
            const auto made = readBytes(out.filePath(name).toStdString());
            EXPECT_FALSE(made.empty()) << name;
            EXPECT_TRUE(made == artBytes(name)) << name << " differs from the committed file";
        }
    }
}

TEST(ArtResources, EmbedEveryPicture) {
    initPanelArt();
    for (const char* name : ArtNames) {
        QFile file(QStringLiteral(":/art/") + name);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name;
        const QByteArray data = file.readAll();
        EXPECT_TRUE(std::vector<std::uint8_t>(data.begin(), data.end()) == artBytes(name)) << name;
    }
    EXPECT_FALSE(QImage(":/art/lamp-red.gif").isNull());
}

} // namespace
