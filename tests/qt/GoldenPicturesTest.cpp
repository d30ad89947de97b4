// The whole window, pixel for pixel, against the reference pictures in
// golden/. After a deliberate change to the window's looks, `make golden`
// rewrites them; look at them before committing.
#include "ControlRects.h"
#include "LookCompare.h"
#include "PanelSnapshot.h"
#include "PixelGeometry.h"
#include "WindowFont.h"

#include <QDir>
#include <QFontInfo>
#include <QGuiApplication>
#include <QScreen>

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

using namespace layout;

namespace {

struct Golden {
    const char* name;                  // of the reference picture
    const char* testName;              // of the test case
    std::optional<std::int16_t> floor; // where the cabin travels first

    friend void PrintTo(const Golden& golden, std::ostream* out) { *out << golden.name; }
};

// One line per control charged with differing pixels (the control in front
// where they lie), most first: "Label8 (Fifth Floor): 14 pixels differ".
std::string blame(const LookDifference& difference) {
    std::vector<ControlDifference> controls = difference.controls;
    std::stable_sort(controls.begin(), controls.end(),
                     [](const auto& a, const auto& b) { return a.pixels > b.pixels; });
    std::string lines;
    for (const ControlDifference& c : controls) {
        lines += (c.control ? describeControl(*c.control) : std::string("Form1")) + ": " +
                 std::to_string(c.pixels) + " pixels differ\n";
    }
    return lines;
}

// The references are drawn with the panel's own bitmap face at 96 dots per
// inch; anything else would differ everywhere there is text.
std::optional<std::string> renderingDiffers() {
    const QString family = QFontInfo(windowFont()).family();
    if (family != QStringLiteral("MS Sans Serif")) {
        return "the window's face \"MS Sans Serif\" is missing (Qt chose \"" +
               family.toStdString() +
               "\"): install the Debian package fonts-wine, which ships "
               "/usr/share/wine/fonts/ms_sans_serif.ttf (scripts/install-deps.sh does)";
    }
    if (QGuiApplication::platformName() != QStringLiteral("offscreen")) {
        return "the references are rendered on Qt's offscreen platform, not \"" +
               QGuiApplication::platformName().toStdString() + "\"";
    }
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen->devicePixelRatio() != 1.0 || screen->logicalDotsPerInch() != 96.0) {
        return "the references are rendered at 96 dots per inch, one device pixel to a pixel";
    }
    return std::nullopt;
}

class GoldenPictures : public ::testing::TestWithParam<Golden> {};

TEST_P(GoldenPictures, WindowLooksLikeItsReference) {
    if (const auto why = renderingDiffers()) {
        FAIL() << *why;
    }
    const Golden& golden = GetParam();
    const QString reference = QStringLiteral(PELMO_GOLDEN_DIR "/%1.png").arg(golden.name);
    const QImage expected = QImage(reference).convertToFormat(QImage::Format_RGB32);
    ASSERT_FALSE(expected.isNull())
        << "cannot read " << reference.toStdString() << "; `make golden` writes it";

    PanelSnapshot snapshot;
    if (golden.floor) {
        snapshot.travelTo(*golden.floor);
    }
    const QImage actual = snapshot.image().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(actual.size(), expected.size());

    const LookDifference difference =
        compareLooks(expected, actual, toPixels(snapshot.panel().state().Picture1Top));
    if (difference.identical == difference.total) {
        return;
    }
    const QDir out(QStringLiteral(PELMO_GOLDEN_OUT));
    out.mkpath(QStringLiteral("."));
    const QString actualFile = out.filePath(QStringLiteral("%1-actual.png").arg(golden.name));
    const QString diffFile = out.filePath(QStringLiteral("%1-diff.png").arg(golden.name));
    actual.save(actualFile);
    difference.picture.save(diffFile);
    ADD_FAILURE() << "the window differs from " << reference.toStdString() << ":\n"
                  << blame(difference) << "actual: " << actualFile.toStdString()
                  << "\ndifference: " << diffFile.toStdString()
                  << "\nafter a deliberate change, `make golden` rewrites the reference";
}

INSTANTIATE_TEST_SUITE_P(Window, GoldenPictures,
                         ::testing::Values(Golden{"start-up", "StartUp", std::nullopt},
                                           Golden{"third-floor", "AfterATravelToTheThirdFloor",
                                                  std::int16_t{3}}),
                         [](const auto& info) { return std::string(info.param.testName); });

} // namespace
