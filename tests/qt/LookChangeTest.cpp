#include "CallButton.h"
#include "PanelWindow.h"

#include <QApplication>
#include <QEvent>
#include <QImage>
#include <QScreen>

#include <gtest/gtest.h>

#include <memory>

using namespace controls;
using namespace layout;

// After the screen, its pixel ratio, the palette or the theme changes, every
// part of the window must look as it does in a window opened afresh under the
// new conditions: no part may keep the old face or colours.

namespace {

constexpr ControlId Keypad0{"Command1", 6};
constexpr ControlId FifthFloorCall{"Command1", 11};
constexpr ControlId Text1{"Text1"};

// The window as it shows on its screen, at that screen's density.
QImage picture(PanelWindow& w) {
    return w.grab().toImage();
}

// The index of the first pixel where two pictures differ, or -1.
qsizetype firstDifference(const QImage& a, const QImage& b) {
    if (a.size() != b.size()) {
        return 0;
    }
    const QImage x = a.convertToFormat(QImage::Format_RGB32);
    const QImage y = b.convertToFormat(QImage::Format_RGB32);
    for (int row = 0; row < x.height(); ++row) {
        for (int col = 0; col < x.width(); ++col) {
            if (x.pixel(col, row) != y.pixel(col, row)) {
                return qsizetype(row) * x.width() + col;
            }
        }
    }
    return -1;
}

#define EXPECT_SAME_PICTURE(a, b)                                                                  \
    EXPECT_EQ(firstDifference((a), (b)), -1) << "first differing pixel (row * width + column)"

// A window shown at a point of the virtual desktop, and so on the screen there.
std::unique_ptr<PanelWindow> shownAt(QPoint where) {
    auto w = std::make_unique<PanelWindow>();
    w->move(where);
    w->show();
    QApplication::processEvents();
    return w;
}

QScreen* screenNamed(const QString& name) {
    for (QScreen* screen : QGuiApplication::screens()) {
        if (screen->name() == name) {
            return screen;
        }
    }
    return nullptr;
}

// A palette unlike any default, for every role the panel reads.
QPalette strangePalette() {
    QPalette p = QApplication::palette();
    p.setColor(QPalette::Button, QColor(0x20, 0x40, 0x60));
    p.setColor(QPalette::Mid, QColor(0x60, 0x20, 0x40));
    p.setColor(QPalette::ButtonText, QColor(0xF0, 0xE0, 0x10));
    p.setColor(QPalette::Base, QColor(0x10, 0x80, 0x90));
    p.setColor(QPalette::Text, QColor(0xE0, 0x30, 0xE0));
    return p;
}

// Sets the application's palette for one test and puts the old one back.
class PaletteForTest {
public:
    explicit PaletteForTest(const QPalette& palette)
        : saved_(QApplication::palette()) {
        QApplication::setPalette(palette);
        QApplication::processEvents();
    }
    ~PaletteForTest() {
        QApplication::setPalette(saved_);
        QApplication::processEvents();
    }

private:
    QPalette saved_;
};

void expectChildrenReadTheLook(PanelWindow& w) {
    const PanelLook& look = w.look();
    for (const ControlId id : {Keypad0, FifthFloorCall, Text1}) {
        EXPECT_EQ(w.control(id)->font(), look.font());
    }
}

TEST(LookChange, ScreensAreWhereTheTestsPutThem) {
    ASSERT_NE(screenNamed("1x"), nullptr);
    ASSERT_NE(screenNamed("2x"), nullptr);
    EXPECT_EQ(screenNamed("2x")->devicePixelRatio(), 2.0);
    EXPECT_EQ(QGuiApplication::primaryScreen(), screenNamed("1x")) << "the other tests' screen";
}

TEST(LookChange, MovingToADenserScreenAndBackLooksLikeOpeningThere) {
    const QPoint plain(100, 50);
    const QPoint dense(900, 50);
    auto w = shownAt(plain);
    const QImage before = picture(*w);

    w->move(dense);
    QApplication::processEvents();
    ASSERT_EQ(w->screen(), screenNamed("2x"));
    ASSERT_EQ(w->devicePixelRatioF(), 2.0);
    EXPECT_TRUE(w->look().placesWords()) << "the bitmap face cannot draw at twice the density";
    expectChildrenReadTheLook(*w);
    const QImage moved = picture(*w);
    w->hide();
    EXPECT_SAME_PICTURE(moved, picture(*shownAt(dense)));

    w->show();
    w->move(plain);
    QApplication::processEvents();
    EXPECT_FALSE(w->look().placesWords());
    expectChildrenReadTheLook(*w);
    EXPECT_SAME_PICTURE(picture(*w), before);
}

TEST(LookChange, PaletteChangeReachesEveryPart) {
    auto w = shownAt({100, 50});
    const PaletteForTest strange(strangePalette());

    const QImage image = picture(*w);
    const QPalette p = strangePalette();
    EXPECT_EQ(image.pixelColor(17, 312), p.color(QPalette::Button)); // Label12's back
    EXPECT_EQ(image.pixelColor(372, 424), p.color(QPalette::Base));  // Text1's back
    EXPECT_EQ(image.pixelColor(372, 60), QColor(0x40, 0x30, 0x50))   // Command1(11)'s face
        << "halfway between Button and Mid";
    w->hide();
    EXPECT_SAME_PICTURE(image, picture(*shownAt({100, 50})));
}

// Swallows the palette's own change event, so that only the event under test
// can tell the window that its palette has changed.
class PaletteEventLost final : public QObject {
protected:
    bool eventFilter(QObject*, QEvent* event) override {
        return event->type() == QEvent::PaletteChange;
    }
};

class LookChangeEvent : public ::testing::TestWithParam<QEvent::Type> {};

TEST_P(LookChangeEvent, MakesTheLookAgain) {
    auto w = shownAt({100, 50});
    const QImage old = picture(*w);
    PaletteEventLost filter;
    w->installEventFilter(&filter);
    w->setPalette(strangePalette());
    w->removeEventFilter(&filter);
    ASSERT_EQ(firstDifference(picture(*w), old), -1) << "the window cannot know yet";

    QEvent change(GetParam());
    QApplication::sendEvent(w.get(), &change);
    const QImage changed = picture(*w);
    w->hide();
    const PaletteForTest strange(strangePalette());
    EXPECT_SAME_PICTURE(changed, picture(*shownAt({100, 50})));
}

INSTANTIATE_TEST_SUITE_P(Events, LookChangeEvent,
                         ::testing::Values(QEvent::ThemeChange, QEvent::StyleChange,
                                           QEvent::ScreenChangeInternal));

} // namespace
