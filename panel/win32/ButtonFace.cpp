#include "ButtonFace.h"

#include "GdiColours.h"

#include <string>

using namespace layout;

void drawButtonFace(const DRAWITEMSTRUCT& item, COLORREF face, HFONT font) {
    HDC dc = item.hDC;
    RECT r = item.rcItem;
    const bool down = (item.itemState & ODS_SELECTED) != 0;

    fillPixels(dc, r.left, r.top, r.right - r.left, r.bottom - r.top, face);
    if (down) {
        // The classic pressed button: a dark frame with the shadow inside it.
        HBRUSH frame = GetSysColorBrush(COLOR_WINDOWFRAME);
        FrameRect(dc, &r, frame);
        RECT inner{r.left + 1, r.top + 1, r.right - 1, r.bottom - 1};
        FrameRect(dc, &inner, GetSysColorBrush(COLOR_BTNSHADOW));
    } else {
        DrawEdge(dc, &r, EDGE_RAISED, BF_RECT);
    }

    RECT text{r.left + 2, r.top + 2, r.right - 2, r.bottom - 2};
    if (down) {
        OffsetRect(&text, 1, 1);
    }
    const int length = GetWindowTextLengthW(item.hwndItem);
    if (length > 0) {
        std::wstring caption(static_cast<std::size_t>(length) + 1, L'\0');
        GetWindowTextW(item.hwndItem, caption.data(), length + 1);
        caption.resize(static_cast<std::size_t>(length));
        const int saved = SaveDC(dc);
        SelectObject(dc, font);
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
        DrawTextW(dc, caption.c_str(), length, &text, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        RestoreDC(dc, saved);
    }
    if (item.itemState & ODS_FOCUS) {
        RECT focus{text.left + 1, text.top + 1, text.right - 1, text.bottom - 1};
        DrawFocusRect(dc, &focus);
    }
}
