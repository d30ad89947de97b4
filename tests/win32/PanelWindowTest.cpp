// Form1 as Windows builds it from the control table: the window, its child
// controls, where they sit, how the keyboard moves through them, and the
// changes the handlers make.
#include "PanelWindowFixture.h"

#include "ControlIdPrinting.h"
#include "MessageWait.h"
#include "PixelGeometry.h"

#include <string>
#include <vector>

using controls::ControlId;
using namespace layout;

namespace {

std::wstring textOf(HWND w) {
    wchar_t text[256] = {};
    GetWindowTextW(w, text, 256);
    return text;
}

std::wstring classOf(HWND w) {
    wchar_t name[64] = {};
    GetClassNameW(w, name, 64);
    return name;
}

ControlId command1(int i) {
    return {"Command1", i};
}

// Whether `window` receives a tick of `timer` within `limitMs`; other timers'
// ticks that come meanwhile are dropped.
bool tickArrives(HWND window, ControlId timer, DWORD limitMs) {
    return messageArrives(window, WM_TIMER, WM_TIMER, limitMs, [timer](const MSG& msg) {
        const ControlEntry* entry = ChildControls::entryOfChildId(static_cast<int>(msg.wParam));
        return entry && entry->id == timer;
    });
}

} // namespace

TEST_F(PanelWindowTest, FixedWindowWithTheCaptionAndClientSizeOfTheDesign) {
    EXPECT_EQ(textOf(hwnd), L"  Pelmo  Lift");
    RECT client{};
    GetClientRect(hwnd, &client);
    EXPECT_EQ(client.right, 415);
    EXPECT_EQ(client.bottom, 448);

    const LONG style = GetWindowLongW(hwnd, GWL_STYLE);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_TRUE(style & WS_CAPTION);
    EXPECT_FALSE(style & WS_MINIMIZEBOX);
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);
    EXPECT_FALSE(style & WS_THICKFRAME);
    EXPECT_NE(GetClassLongPtrW(hwnd, GCLP_HICON), 0u);
}

TEST_F(PanelWindowTest, ChildWindowsStandWhereTheTableSaysInTheirContainers) {
    int buttons = 0;
    int boxes = 0;
    for (const ControlEntry& entry : controlTable()) {
        HWND child = window->control(entry.id);
        ASSERT_EQ(child != nullptr, isChildWindowKind(entry.kind)) << entry.id;
        if (!child) {
            continue;
        }
        const PixelRect want = pixelBounds(entry);
        const RECT r = placeOf(child);
        EXPECT_EQ(r.left, want.left) << entry.id;
        EXPECT_EQ(r.top, want.top) << entry.id;
        EXPECT_EQ(r.right - r.left, want.width);
        EXPECT_EQ(r.bottom - r.top, want.height);
        HWND container =
            entry.container == controls::Form1 ? hwnd : window->control(entry.container);
        EXPECT_EQ(GetParent(child), container) << entry.id;
        buttons += entry.kind == ControlKind::PushButton;
        boxes += entry.kind == ControlKind::PictureBox;
    }
    EXPECT_EQ(buttons, 12);
    EXPECT_EQ(boxes, 14);
}

TEST_F(PanelWindowTest, ButtonsAreOwnerDrawnPushButtonsWithTheirCaptions) {
    for (int i = 0; i < 12; ++i) {
        HWND button = window->control(command1(i));
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(classOf(button), L"Button");
        const LONG style = GetWindowLongW(button, GWL_STYLE);
        EXPECT_EQ(style & BS_TYPEMASK, BS_OWNERDRAW);
        EXPECT_TRUE(style & WS_TABSTOP);
        // The floor buttons carry no caption; their names are for screen readers.
        EXPECT_EQ(textOf(button), i < 6 ? std::to_wstring(i) : L"") << i;
    }
}

TEST_F(PanelWindowTest, Text1IsASunkenEditWithTheDesignText) {
    HWND edit = window->control({"Text1"});
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(classOf(edit), L"Edit");
    EXPECT_TRUE(GetWindowLongW(edit, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
    EXPECT_EQ(textOf(edit), L"Port 155 to prog");
}

TEST_F(PanelWindowTest, TabVisitsButtonsAndTextBoxInTabPositionOrder) {
    std::vector<const ControlEntry*> stops;
    for (const ControlEntry& entry : controlTable()) {
        if (entry.kind == ControlKind::PushButton || entry.kind == ControlKind::TextBox) {
            stops.push_back(&entry);
        }
    }
    std::sort(stops.begin(), stops.end(),
              [](const ControlEntry* a, const ControlEntry* b) { return a->tab < b->tab; });
    // Tab stops need to be visible to be visited.
    ShowWindow(hwnd, SW_SHOWNOACTIVATE);
    HWND at = GetNextDlgTabItem(hwnd, nullptr, FALSE);
    for (const ControlEntry* entry : stops) {
        EXPECT_EQ(at, window->control(entry->id)) << entry->id;
        at = GetNextDlgTabItem(hwnd, at, FALSE);
    }
    EXPECT_EQ(at, window->control(stops.front()->id)); // and round again
}

TEST_F(PanelWindowTest, AButtonClickLatchesItsFloor) {
    SendMessageW(window->control(command1(9)), BM_CLICK, 0, 0);
    EXPECT_EQ(window->panel().state().Request[3], 1);
    SendMessageW(window->control(command1(1)), BM_CLICK, 0, 0);
    EXPECT_EQ(window->panel().state().Request[3], 0);
    EXPECT_EQ(window->panel().state().Request[1], 1);
}

TEST_F(PanelWindowTest, TheCabinMovesAsItsTopChanges) {
    HWND cabin = window->control({"Picture1"});
    ASSERT_NE(cabin, nullptr);
    EXPECT_EQ(window->panel().state().Picture1Top, 4560) << "the panel starts where the table does";
    EXPECT_EQ(placeOf(cabin).top, 304);
    window->setCabinTop(1920);
    EXPECT_EQ(placeOf(cabin).top, 128);
    EXPECT_EQ(placeOf(cabin).left, 304);
    window->setCabinTop(4551); // between pixels: the nearest one
    EXPECT_EQ(placeOf(cabin).top, toPixels(4551));
}

TEST_F(PanelWindowTest, BoxesTakeOverPicturesAndTheSourceKeepsItsOwn) {
    const ControlId lamp3{"Picture2", 23};
    const ControlId blue{"Picture2", 10};
    const PanelPicture* square = window->pictureOf(lamp3);
    ASSERT_NE(square, nullptr);
    ASSERT_NE(window->pictureOf(blue), nullptr);
    EXPECT_NE(square, window->pictureOf(blue));

    window->takePicture(lamp3, blue);
    EXPECT_EQ(window->pictureOf(lamp3), window->pictureOf(blue));
    EXPECT_EQ(window->pictureOf({"Picture2", 5}), square); // the box around it keeps its own

    window->takePicture({"d", 0}, {"dig", 4});
    EXPECT_EQ(window->pictureOf({"d", 0}), window->pictureOf({"dig", 4}));
}

// The window's Timer2 really runs with the interval it is given: a short one
// ticks soon, and a long one replaces it rather than running beside it.
TEST_F(PanelWindowTest, Text1AndTimer2FollowTheHandlers) {
    window->setText1("0 0 001000");
    EXPECT_EQ(textOf(window->control({"Text1"})), L"0 0 001000");

    const ControlId timer2{"Timer2"};
    EXPECT_FALSE(tickArrives(hwnd, timer2, 100)) << "10 s from the table";
    window->setTimer2Interval(20);
    EXPECT_TRUE(tickArrives(hwnd, timer2, 5000));
    window->setTimer2Interval(50000);
    EXPECT_FALSE(tickArrives(hwnd, timer2, 200));
}
