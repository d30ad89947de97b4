// What PaintContent and the picture boxes put into a bitmap through
// WM_PRINTCLIENT: the surface in stacking order, and pictures decoded by
// Windows with their transparent pixels showing the box's colour.
#include "PanelWindowFixture.h"

#include "DibCanvas.h"
#include "RasterFace.h"
#include "WindowFonts.h"

#include <cstdint>

using namespace layout;

namespace {

constexpr COLORREF PaleYellow = RGB(255, 255, 192);
constexpr COLORREF LightGreen = RGB(128, 255, 128);
constexpr COLORREF Unpainted = RGB(255, 0, 255);

// A window's client area as drawn by WM_PRINTCLIENT.
class Capture : public DibCanvas {
public:
    explicit Capture(HWND window)
        : DibCanvas(clientSize(window).cx, clientSize(window).cy, Unpainted) {
        SendMessageW(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc()), PRF_CLIENT);
    }

private:
    static SIZE clientSize(HWND window) {
        RECT client{};
        GetClientRect(window, &client);
        return {client.right, client.bottom};
    }
};

} // namespace

TEST_F(PanelWindowTest, SurfaceIsPaintedBackToFront) {
    const Capture surface(hwnd);
    EXPECT_EQ(surface.count(Unpainted), 0);
    EXPECT_EQ(surface.at(1, 1), PaleYellow);                     // the window's back
    EXPECT_EQ(surface.at(300, 50), RGB(255, 128, 0));            // inside the shaft
    EXPECT_EQ(surface.at(297, 50), RGB(128, 64, 0));             // its 3-pixel outline
    EXPECT_EQ(surface.at(300, 88), RGB(0, 64, 0));               // a floor line over the shaft
    EXPECT_EQ(surface.at(80, 150), RGB(0, 128, 0));              // an edge line over the green face
    EXPECT_EQ(surface.at(60, 150), LightGreen);                  // the face itself
    EXPECT_EQ(surface.at(41, 88), RGB(0, 255, 0));               // digit 0, top segment...
    EXPECT_EQ(surface.at(45, 96), RGB(0, 0, 0));                 // ...over the black field
    EXPECT_EQ(surface.at(265, 401), GetSysColor(COLOR_BTNFACE)); // a label's back
}

TEST_F(PanelWindowTest, TheDigitShowsTheGlyphItTookOver) {
    window->takePicture({"d", 0}, {"dig", 4});
    const Capture surface(hwnd);
    EXPECT_EQ(surface.at(41, 88), RGB(0, 0, 0));   // no top segment in a 4
    EXPECT_EQ(surface.at(45, 96), RGB(0, 255, 0)); // but the middle one
}

TEST_F(PanelWindowTest, LampsShowTheBoxColourThroughTransparentPixels) {
    const Capture red(window->control({"Picture2", 20}));
    EXPECT_EQ(red.at(0, 0), PaleYellow);            // the red lamp's grey ground is transparent
    EXPECT_EQ(red.at(16, 16), PaleYellow);          // beyond the 14 x 14 picture
    EXPECT_EQ(red.at(2, 8), RGB(0xFE, 0x00, 0x50)); // the ball's own colours, exactly
    EXPECT_EQ(red.at(12, 8), PaleYellow);

    const Capture square(window->control({"Picture2", 21}));
    EXPECT_EQ(square.at(0, 0), RGB(0xBE, 0xBE, 0xBE)); // a bitmap has no transparency
    EXPECT_EQ(square.at(14, 0), PaleYellow);

    window->takePicture({"Picture2", 21}, {"Picture2", 11});
    const Capture white(window->control({"Picture2", 21}));
    EXPECT_EQ(white.at(9, 3), PaleYellow); // the pure-white pixels inside the ball
    EXPECT_EQ(white.at(9, 4), PaleYellow);
    EXPECT_EQ(white.at(0, 0), PaleYellow);
}

TEST_F(PanelWindowTest, ThePassengerIsFilledByGdiOnTheBoxColour) {
    const Capture view(window->control({"Picture3"}));
    EXPECT_EQ(view.count(Unpainted), 0);
    EXPECT_EQ(view.at(30, 145), LightGreen);           // below the drawing
    EXPECT_GT(view.count(RGB(0xFF, 0x66, 0x00)), 300); // the orange dress
    EXPECT_GT(view.count(RGB(0, 0, 0)), 300);          // the black outlines
    const Capture cabin(window->control({"Picture1"}));
    EXPECT_GT(cabin.count(RGB(0xFF, 0x66, 0x00)), 50);
}

TEST(WindowFonts, TheTestPrefixHasTheRasterFaceWithTheWidthsThePanelKeeps) {
    // The tests' Wine prefix carries Wine's own fonts; without them the name
    // would quietly become another face.
    const WindowFonts fonts;
    ASSERT_TRUE(fonts.isRasterFace());

    // Where another face is handed back, the labels are laid out by the kept
    // widths; here they must agree with the face GDI measures.
    HDC dc = GetDC(nullptr);
    for (HFONT font : {fonts.window(), fonts.portLabel()}) {
        HGDIOBJ old = SelectObject(dc, font);
        TEXTMETRICW metrics{};
        GetTextMetricsW(dc, &metrics);
        EXPECT_EQ(metrics.tmHeight, rasterface::LineHeight);
        EXPECT_EQ(metrics.tmAscent, rasterface::Ascent);
        for (const ControlEntry& entry : controlTable()) {
            const std::string_view caption = entry.settings.caption;
            SIZE size{};
            GetTextExtentPoint32A(dc, caption.data(), static_cast<int>(caption.size()), &size);
            EXPECT_EQ(size.cx, rasterface::width(caption)) << caption;
        }
        SelectObject(dc, old);
    }
    ReleaseDC(nullptr, dc);
}
