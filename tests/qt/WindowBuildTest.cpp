#include "CallButton.h"
#include "ControlIdPrinting.h"
#include "PanelWindow.h"
#include "Twips.h"

#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>

using namespace layout;

namespace {

TEST(WindowBuild, FrameIsFixedWithCloseBoxOnly) {
    PanelWindow w;
    EXPECT_EQ(w.windowTitle(), QStringLiteral("  Pelmo  Lift"));
    EXPECT_EQ(w.size(), QSize(415, 448));
    EXPECT_EQ(w.minimumSize(), w.maximumSize());
    const Qt::WindowFlags flags = w.windowFlags();
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_FALSE(w.windowIcon().isNull());
}

TEST(WindowBuild, ChildControlsStandWhereTheTableSays) {
    PanelWindow w;
    int children = 0;
    for (const ControlEntry& entry : controlTable()) {
        QWidget* widget = w.control(entry.id);
        ASSERT_EQ(widget != nullptr, isChildWindowKind(entry.kind)) << entry.id;
        if (!widget) {
            continue;
        }
        ++children;
        EXPECT_EQ(widget->geometry(), pixelRect(entry)) << entry.id;
        QWidget* container = entry.container == controls::Form1 ? &w : w.control(entry.container);
        EXPECT_EQ(widget->parentWidget(), container) << entry.id;
        EXPECT_TRUE(widget->isVisibleTo(&w));
    }
    EXPECT_EQ(children, 12 + 14 + 1);
    ASSERT_NE(w.timer({"Timer1"}), nullptr);
    EXPECT_EQ(w.timer({"Timer1"})->interval(), 100);
    EXPECT_EQ(w.timer({"Timer2"})->interval(), 10000);
}

TEST(WindowBuild, EarlierEntriesLieAboveLaterSiblings) {
    PanelWindow w;
    const auto table = controlTable();
    for (const ControlEntry& a : table) {
        for (const ControlEntry& b : table) {
            QWidget* wa = w.control(a.id);
            QWidget* wb = w.control(b.id);
            if (!wa || !wb || a.number >= b.number || wa->parentWidget() != wb->parentWidget()) {
                continue;
            }
            const QObjectList& siblings = wa->parentWidget()->children();
            EXPECT_GT(siblings.indexOf(wa), siblings.indexOf(wb))
                << a.id << " should lie above " << b.id;
        }
    }
}

TEST(WindowBuild, TabMovesThroughButtonsAndTextBoxInTabOrder) {
    PanelWindow w;
    QWidget* first = w.control({"Text1"});
    std::vector<QWidget*> chain;
    QWidget* at = first;
    do {
        if (at->focusPolicy() & Qt::TabFocus && at->isVisibleTo(&w)) {
            chain.push_back(at);
        }
        at = at->nextInFocusChain();
    } while (at != first && chain.size() < 100);

    std::vector<QWidget*> expected = {w.control({"Text1"})};
    for (int i = 0; i < 12; ++i) {
        expected.push_back(w.control({"Command1", i}));
    }
    EXPECT_EQ(chain, expected);
}

TEST(WindowBuild, SpaceOnAFocusedCallButtonClicksIt) {
    PanelWindow w;
    QSignalSpy clicks(&w, &PanelWindow::commandClicked);
    QWidget* button = w.control({"Command1", 9});
    QTest::keyClick(button, Qt::Key_Space);
    ASSERT_EQ(clicks.count(), 1);
    EXPECT_EQ(clicks.at(0).at(0).toInt(), 9);
}

TEST(WindowBuild, CallButtonsSayWhatTheyDo) {
    PanelWindow w;
    EXPECT_EQ(w.control({"Command1", 3})->accessibleName(), QStringLiteral("Call floor 3"));
    EXPECT_EQ(w.control({"Command1", 9})->accessibleName(), QStringLiteral("Call lift to floor 3"));
    EXPECT_EQ(static_cast<CallButton*>(w.control({"Command1", 5}))->text(), QStringLiteral("5"));
    EXPECT_TRUE(static_cast<CallButton*>(w.control({"Command1", 11}))->text().isEmpty());
}

} // namespace
