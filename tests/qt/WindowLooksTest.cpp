#include "LabelWrap.h"
#include "PanelWindow.h"
#include "RgbHex.h"
#include "SystemColours.h"
#include "Twips.h"
#include "WindowFont.h"

#include <QFile>
#include <QFontMetrics>
#include <QImage>

#include <gtest/gtest.h>

using namespace layout;

namespace {

QImage render(PanelWindow& w) {
    return w.grab().toImage();
}

QRgb rgb(int r, int g, int b) {
    return qRgb(r, g, b);
}

#define EXPECT_PIXEL(image, x, y, colour)                                                          \
    EXPECT_EQ(rgbHex((image).pixel(x, y)), rgbHex(colour)) << "at " << (x) << "," << (y)

TEST(WindowLooks, SurfaceIsPaintedBackToFront) {
    PanelWindow w;
    const QImage image = render(w);
    EXPECT_PIXEL(image, 2, 2, rgb(255, 255, 192));     // the window's back
    EXPECT_PIXEL(image, 30, 230, rgb(128, 255, 128));  // the cabin view's face
    EXPECT_PIXEL(image, 80, 100, rgb(0, 128, 0));      // an edge line over the face
    EXPECT_PIXEL(image, 45, 88, rgb(0, 255, 0));       // the digit's top segment
    EXPECT_PIXEL(image, 45, 96, rgb(0, 0, 0));         // the black field through the digit
    EXPECT_PIXEL(image, 320, 100, rgb(255, 128, 0));   // the shaft
    EXPECT_PIXEL(image, 297, 100, rgb(128, 64, 0));    // its outline
    EXPECT_PIXEL(image, 320, 256, rgb(0, 64, 0));      // a floor line across the shaft
    EXPECT_PIXEL(image, 420 - 10, 256, rgb(0, 64, 0)); // and on past the lamps
}

TEST(WindowLooks, RepaintingAPartLooksLikeRepaintingTheWhole) {
    PanelWindow w;
    const QImage whole = render(w);
    // Strips the travelling cabin uncovers, and places where lines end or cross.
    for (const QRect part :
         {QRect(300, 200, 60, 2), QRect(296, 250, 70, 12), QRect(250, 300, 40, 20),
          QRect(14, 54, 8, 8), QRect(10, 300, 120, 70), QRect(414, 250, 1, 10),
          QRect(300, 201, 60, 1), QRect(233, 100, 1, 10)}) {
        QImage partial(whole.size(), whole.format());
        partial.fill(Qt::magenta);
        w.render(&partial, part.topLeft(), QRegion(part));
        for (int y = part.top(); y <= part.bottom(); ++y) {
            for (int x = part.left(); x <= part.right(); ++x) {
                ASSERT_EQ(rgbHex(partial.pixel(x, y)), rgbHex(whole.pixel(x, y)))
                    << "at " << x << "," << y;
            }
        }
    }
}

TEST(WindowLooks, ChildWindowsCoverTheSurface) {
    PanelWindow w;
    const QImage image = render(w);
    // The cabin stands over the ground floor's line and the shaft.
    EXPECT_NE(rgbHex(image.pixel(350, 312)), rgbHex(rgb(0, 64, 0)));
    EXPECT_NE(rgbHex(image.pixel(350, 340)), rgbHex(rgb(255, 128, 0)));
    // The code box's frame lies over the lowest row of the label above it.
    EXPECT_NE(rgbHex(image.pixel(300, 416)), rgbHex(w.palette().color(QPalette::Button).rgb()));
    EXPECT_PIXEL(image, 372, 424, w.palette().color(QPalette::Base).rgb());
}

TEST(WindowLooks, SystemColoursComeFromThePalette) {
    PanelWindow w;
    const QImage image = render(w);
    const QColor scrollBar = w.look().colour(ScrollBar);
    EXPECT_NE(scrollBar, w.palette().color(QPalette::Button)) << "distinct from a plain face";
    EXPECT_PIXEL(image, 368 + 4, 48 + 12, scrollBar.rgb());                  // Command1(11)'s face
    EXPECT_PIXEL(image, 17, 312, w.palette().color(QPalette::Button).rgb()); // Label12's back
    EXPECT_PIXEL(image, 250, 45, rgb(255, 255, 192)); // a floor label's own back
}

TEST(WindowLooks, LampBoxesShowTheirPictureAtTheCorner) {
    PanelWindow w;
    const QImage image = render(w);
    const QPoint lamp1 = pixelRect(*findControl({"Picture2", 21})).topLeft();
    EXPECT_PIXEL(image, lamp1.x(), lamp1.y(), rgb(0xBE, 0xBE, 0xBE)); // the square lamp's ground
    EXPECT_PIXEL(image, lamp1.x() + 15, lamp1.y() + 5, rgb(255, 255, 192)); // the box beside it
    EXPECT_PIXEL(image, lamp1.x() + 5, lamp1.y() + 15, rgb(255, 255, 192)); // and below it
}

// As the classic window draws an underlined line of the panel's face: a single
// row of ink under the whole line, right below the row the letters stand on.
class PortLabelUnderline : public ::testing::TestWithParam<const char*> {};

TEST_P(PortLabelUnderline, IsOneRowRightUnderTheGlyphs) {
    if (!QFile::exists("/usr/share/wine/fonts/ms_sans_serif.ttf")) {
        GTEST_SKIP() << "the panel's face is not installed";
    }
    PanelWindow w;
    const QImage image = render(w);
    const QRect box = pixelRect(*findControl({GetParam()}));
    const QRgb ink = w.look().colour(LabelText).rgb();
    const auto inkIn = [&](int y) {
        int count = 0;
        for (int x = box.left(); x <= box.right(); ++x) {
            count += image.pixel(x, y) == ink;
        }
        return count;
    };

    std::vector<int> underlineRows;
    for (int y = box.top(); y <= box.bottom(); ++y) {
        if (inkIn(y) > box.width() / 2) {
            underlineRows.push_back(y);
        }
    }
    ASSERT_EQ(underlineRows.size(), 1u) << "one row thick";
    // The feet of nearly every letter, not the odd descender.
    EXPECT_GE(inkIn(underlineRows.front() - 1), 10) << "the letters stand right above it";
}

INSTANTIATE_TEST_SUITE_P(PortLabels, PortLabelUnderline,
                         ::testing::Values("Label13", "Label11", "Label10", "Label1", "Label9"));

// The legends are bit diagrams drawn with spaces: with the panel's own face,
// each "|" must stand under its "x".
class LegendColumns : public ::testing::TestWithParam<const char*> {};

TEST_P(LegendColumns, BarsStandUnderTheBits) {
    if (!QFile::exists("/usr/share/wine/fonts/ms_sans_serif.ttf")) {
        GTEST_SKIP() << "the panel's face is not installed";
    }
    const ControlEntry* label = findControl({GetParam()});
    ASSERT_NE(label, nullptr);
    const QFontMetrics metrics(windowFont());
    const auto measure = [&](std::string_view t) {
        return metrics.horizontalAdvance(QString::fromUtf8(t.data(), qsizetype(t.size())));
    };
    const auto lines =
        wrapCaption(label->settings.caption, pixelRect(*label).width(), TextAlign::Left, measure);

    // Centre of every `mark` in the first line holding one.
    const auto centres = [&](char mark) {
        std::vector<int> xs;
        for (const std::string& line : lines) {
            for (std::size_t i = 0; i < line.size(); ++i) {
                if (line[i] == mark) {
                    xs.push_back(measure(std::string_view(line).substr(0, i)) +
                                 measure(std::string_view(&line[i], 1)) / 2);
                }
            }
            if (!xs.empty()) {
                return xs;
            }
        }
        return xs;
    };
    const std::vector<int> bits = centres('x');
    const std::vector<int> bars = centres('|');
    ASSERT_EQ(bits.size(), bars.size());
    const int rows = pixelRect(*label).height() / metrics.height();
    EXPECT_LE(int(lines.size()), rows + 1) << "the diagram fits the label";
    for (std::size_t i = 0; i < bits.size(); ++i) {
        EXPECT_NEAR(bars[i], bits[i], 2) << "bit " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(Legends, LegendColumns, ::testing::Values("Label12", "Label5"));

} // namespace
