#include "ControlNames.h"
#include "FloorTable.h"
#include "LookCompare.h"
#include "PanelWindow.h"
#include "PanelWindowTitleBar.h"
#include "Twips.h"

#include <QAccessible>
#include <QApplication>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>

using namespace controls;
using layout::toPixels;

// The frame the window draws itself where a Wayland desktop leaves frames to
// its windows: around it the client area must be what a window under a
// system frame shows, at every scale; the frame itself offers the close box
// and nothing else.

namespace {

std::unique_ptr<PanelWindow> shownOn(FrameDrawer frame, const QString& screenName) {
    auto w = std::make_unique<PanelWindow>(frame);
    for (QScreen* screen : QGuiApplication::screens()) {
        if (screen->name() == screenName) {
            w->move(screen->geometry().topLeft() + QPoint(50, 50));
        }
    }
    w->show();
    QApplication::processEvents();
    return w;
}

// The window in device pixels as the active one, its focus mark shown.
QImage picture(PanelWindow& w) {
    w.activateWindow();
    QApplication::processEvents();
    return w.grab().toImage();
}

// The client area of a window drawing its own frame.
QImage clientArea(PanelWindow& w, QSize deviceSize) {
    const QPointF origin = QPointF(w.clientOrigin()) * w.devicePixelRatioF();
    EXPECT_EQ(origin, QPointF(origin.toPoint())) << "the client area starts between device pixels";
    return picture(w).copy(QRect(origin.toPoint(), deviceSize));
}

// The controls whose pixels differ between two pictures at `ratio`, the
// cabin standing at `cabinTop` pixels; empty when they are the same.
std::string differences(const QImage& expected, const QImage& actual, qreal ratio, int cabinTop) {
    if (expected.size() != actual.size()) {
        return "sizes differ";
    }
    std::string named;
    const LookDifference d = compareLooks(expected, actual, cabinTop, layout::DisplayScale(ratio));
    for (const ControlDifference& c : d.controls) {
        named += (c.control ? toString(c.control->id) : std::string("Form1")) + ": " +
                 std::to_string(c.pixels) + " pixels differ; ";
    }
    return named;
}

// The cabin at the third floor, its lamp red and the digit showing 3.
void travelled(PanelWindow& w) {
    w.setCabinTop(FloorTopTwips[3]);
    w.takePicture(lamp(3), RedLamp);
    w.takePicture(FloorDigit, digit(3));
    QApplication::processEvents();
}

// A screen of the test's (main.cpp) and its scale.
struct ScreenScale {
    const char* screen;
    qreal ratio;
};
void PrintTo(const ScreenScale& s, std::ostream* os) {
    *os << s.screen;
}

class OwnFrameAtScale : public ::testing::TestWithParam<ScreenScale> {};

TEST_P(OwnFrameAtScale, ClientAreaIsWhatASystemFrameHolds) {
    const auto [screen, ratio] = GetParam();
    auto system = shownOn(FrameDrawer::System, QString::fromLatin1(screen));
    auto own = shownOn(FrameDrawer::Window, QString::fromLatin1(screen));
    ASSERT_EQ(own->devicePixelRatioF(), ratio);
    ASSERT_EQ(system->devicePixelRatioF(), ratio);

    QImage expected = picture(*system);
    EXPECT_EQ(
        differences(expected, clientArea(*own, expected.size()), ratio, toPixels(FloorTopTwips[0])),
        "")
        << "as it opens";

    travelled(*system);
    travelled(*own);
    expected = picture(*system);
    EXPECT_EQ(
        differences(expected, clientArea(*own, expected.size()), ratio, toPixels(FloorTopTwips[3])),
        "")
        << "after a travel";
}

INSTANTIATE_TEST_SUITE_P(Scales, OwnFrameAtScale,
                         ::testing::Values(ScreenScale{"a100", 1.0}, ScreenScale{"b150", 1.5},
                                           ScreenScale{"c200", 2.0}),
                         [](const auto& info) { return std::string(info.param.screen); });

TEST(OwnFrame, FixedSizeWithCaptionAndCloseBoxOnly) {
    PanelWindow w(FrameDrawer::Window);
    EXPECT_EQ(w.size(), QSize(415, 448).grownBy(OwnFrameMargins));
    EXPECT_EQ(w.minimumSize(), w.maximumSize());
    const Qt::WindowFlags flags = w.windowFlags();
    EXPECT_TRUE(flags & Qt::FramelessWindowHint) << "Qt must not draw a frame of its own";
    EXPECT_FALSE(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
    EXPECT_EQ(w.windowTitle(), QStringLiteral("  Pelmo  Lift"));

    TitleBar* bar = w.titleBar();
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->geometry(), QRect(0, 0, w.width(), OwnFrameMargins.top()));
    EXPECT_EQ(bar->focusPolicy(), Qt::NoFocus) << "the keyboard goes round the controls alone";
    w.show();
    QApplication::processEvents();

    // Clicks and double clicks all along the bar but on the close box: the
    // window neither closes nor leaves its normal state.
    const int y = bar->height() / 2;
    for (int x = 1; x < bar->width(); x += 5) {
        if (!bar->closeBox().contains(x, y)) {
            QTest::mouseClick(bar, Qt::LeftButton, {}, {x, y});
            QTest::mouseDClick(bar, Qt::LeftButton, {}, {x, y});
        }
    }
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(w.windowState(), Qt::WindowNoState);

    // Pressed on the close box and let go off it: nothing happens.
    QTest::mousePress(bar, Qt::LeftButton, {}, bar->closeBox().center());
    QTest::mouseRelease(bar, Qt::LeftButton, {}, {4, y});
    EXPECT_TRUE(w.isVisible());

    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->closeBox().center());
    EXPECT_FALSE(w.isVisible()) << "the close box closes the window";
}

TEST(OwnFrame, AssistiveTechnologyReadsTheSameWindow) {
    PanelWindow system;
    PanelWindow own(FrameDrawer::Window);
    system.show();
    own.show();
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(&system);
    QAccessibleInterface* b = QAccessible::queryAccessibleInterface(&own);
    ASSERT_EQ(b->childCount(), a->childCount()) << "the title bar is no control of the panel";
    EXPECT_EQ(b->text(QAccessible::Name), a->text(QAccessible::Name));
    // Every control where it stands in the window, painted or a child widget.
    const QPoint offset = own.mapToGlobal(own.clientOrigin()) - system.mapToGlobal(QPoint());
    for (int i = 0; i < a->childCount(); ++i) {
        EXPECT_EQ(b->child(i)->text(QAccessible::Name), a->child(i)->text(QAccessible::Name));
        EXPECT_EQ(b->child(i)->role(), a->child(i)->role());
        EXPECT_EQ(b->child(i)->rect(), a->child(i)->rect().translated(offset))
            << a->child(i)->text(QAccessible::Name).toStdString();
    }
}

} // namespace
