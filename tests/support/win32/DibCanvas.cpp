#include "DibCanvas.h"

#include <stdexcept>

DibCanvas::DibCanvas(int width, int height, COLORREF colour)
    : width_(width)
    , height_(height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height; // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    dc_ = CreateCompatibleDC(nullptr);
    bitmap_ =
        CreateDIBSection(dc_, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits_), nullptr, 0);
    if (!dc_ || !bitmap_) {
        DeleteDC(dc_);
        throw std::runtime_error("cannot create a DIB section");
    }
    old_ = SelectObject(dc_, bitmap_);
    fill(colour);
}

DibCanvas::~DibCanvas() {
    SelectObject(dc_, old_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
}

void DibCanvas::fill(COLORREF colour) const {
    const RECT all{0, 0, width_, height_};
    HBRUSH brush = CreateSolidBrush(colour);
    FillRect(dc_, &all, brush);
    DeleteObject(brush);
}

std::uint32_t DibCanvas::rgb(int x, int y) const {
    GdiFlush();
    return bits_[y * width_ + x] & 0xFFFFFFu;
}

COLORREF DibCanvas::at(int x, int y) const {
    const std::uint32_t p = rgb(x, y);
    return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
}

int DibCanvas::count(COLORREF colour) const {
    int n = 0;
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            n += at(x, y) == colour;
        }
    }
    return n;
}
