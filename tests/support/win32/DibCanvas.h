#pragma once

#include <windows.h>

#include <cstdint>

// A 32-bit top-down DIB section selected into a memory device context: GDI
// draws on it through dc(), and the tests read back every pixel it set.
class DibCanvas {
public:
    DibCanvas(int width, int height, COLORREF fill);
    ~DibCanvas();
    DibCanvas(const DibCanvas&) = delete;
    DibCanvas& operator=(const DibCanvas&) = delete;

    HDC dc() const { return dc_; }
    int width() const { return width_; }
    int height() const { return height_; }

    void fill(COLORREF colour) const;
    // A pixel as GDI names colours, and as 0x00RRGGBB.
    COLORREF at(int x, int y) const;
    std::uint32_t rgb(int x, int y) const;
    int count(COLORREF colour) const;

private:
    int width_;
    int height_;
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ old_ = nullptr;
    std::uint32_t* bits_ = nullptr;
};
