#include "ArtFiles.h"
#include "DrawingRaster.h"
#include "MetafilePlayer.h"

#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

using namespace metafile;

// The passenger as a player written elsewhere draws it: libwmf's wmf2gd.

namespace {

// The share of the drawn pixels that are near black: the silhouette showing
// between the coloured areas. A player that outlines every area with a black
// pen, or fills the face black, shows far more of it.
// Clear pixels, and those of the `ground` colour if given, are not drawn.
double nearBlackShare(const QImage& image, std::optional<QRgb> ground = {}) {
    int drawn = 0;
    int dark = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            if (qAlpha(p) == 0 || (ground && (p | 0xFF000000u) == (*ground | 0xFF000000u))) {
                continue;
            }
            ++drawn;
            dark += std::max({qRed(p), qGreen(p), qBlue(p)}) < 64;
        }
    }
    return drawn == 0 ? 1.0 : double(dark) / drawn;
}

// wmf2gd draws at 72 dots per inch, 59 x 93 pixels, so only shares compare.
// It draws the silhouette's zero-width bridges, which join its parts, as
// hairlines where GDI fills nothing; they are the allowance.
TEST(OtherPlayers, LibwmfDrawsThePassengerWithoutOutlines) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString png = dir.filePath("passenger.png");
    QProcess wmf2gd;
    wmf2gd.start(WMF2GD_PATH,
                 {"-t", "png", "-o", png, QString::fromStdString(artPath("passenger.wmf"))});
    ASSERT_TRUE(wmf2gd.waitForFinished(30000)) << "wmf2gd (Debian libwmf-bin) did not run";
    ASSERT_EQ(wmf2gd.exitCode(), 0) << wmf2gd.readAllStandardError().toStdString();
    const QImage theirs(png);
    ASSERT_EQ(theirs.size(), QSize(59, 93));

    // The look the figure is drawn for: its fills alone, pixel for pixel as
    // GDI fills them. Should the file outline its parts again, wmf2gd shows
    // it and this share does not.
    Drawing fillsAlone = playMetafile(artBytes("passenger.wmf"));
    for (auto& polygon : fillsAlone.polygons) {
        polygon.outline.reset();
    }
    const QImage ours = rasteriseDrawing(fillsAlone);
    const double ourShare = nearBlackShare(ours);
    const double theirShare = nearBlackShare(theirs, qRgb(255, 255, 255));
    std::printf("near-black share: wmf2gd %.3f, panel %.3f\n", theirShare, ourShare);
    constexpr double BridgeAllowance = 0.03;
    EXPECT_LE(theirShare, ourShare + BridgeAllowance);
}

} // namespace
