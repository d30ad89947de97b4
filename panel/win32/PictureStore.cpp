#include "PanelPicture.h"

#include "DecodedImage.h"
#include "MetafilePlayer.h"
#include "PanelResources.h"
#include "PixelGeometry.h"
#include "ResourceBytes.h"

#include <cmath>
#include <cstring>
#include <vector>

// The GIF, bitmap and icon files are decoded by Windows itself; the passenger
// metafile goes through the panel's own player and is filled by GDI.

namespace {

// A decoded image in a 32-bit DIB section, drawn with per-pixel alpha.
class BitmapPicture final : public PanelPicture {
public:
    explicit BitmapPicture(const DecodedImage& image)
        : size_{image.width, image.height} {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(info.bmiHeader);
        info.bmiHeader.biWidth = image.width;
        info.bmiHeader.biHeight = -image.height; // top row first
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        void* bits = nullptr;
        bitmap_ = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        if (bitmap_ && bits) {
            std::memcpy(bits, image.pixels.data(), image.pixels.size() * sizeof(std::uint32_t));
        }
    }
    ~BitmapPicture() override {
        if (bitmap_) {
            DeleteObject(bitmap_);
        }
    }
    BitmapPicture(const BitmapPicture&) = delete;
    BitmapPicture& operator=(const BitmapPicture&) = delete;

    SIZE size() const override { return size_; }

    void paint(HDC dc, int x, int y) const override {
        if (!bitmap_) {
            return;
        }
        HDC source = CreateCompatibleDC(dc);
        HGDIOBJ old = SelectObject(source, bitmap_);
        const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
        AlphaBlend(dc, x, y, size_.cx, size_.cy, source, 0, 0, size_.cx, size_.cy, blend);
        SelectObject(source, old);
        DeleteDC(source);
    }

private:
    SIZE size_;
    HBITMAP bitmap_ = nullptr;
};

// The played metafile: its polygons filled in order by GDI, one pixel per 15
// twips, with no outline.
class DrawingPicture final : public PanelPicture {
public:
    explicit DrawingPicture(Drawing drawing)
        : drawing_(std::move(drawing)) {}

    SIZE size() const override {
        return {static_cast<LONG>(std::lround(drawing_.widthTwips / TwipsPerPixel)),
                static_cast<LONG>(std::lround(drawing_.heightTwips / TwipsPerPixel))};
    }

    void paint(HDC dc, int x, int y) const override {
        const int saved = SaveDC(dc);
        SelectObject(dc, GetStockObject(NULL_PEN));
        std::vector<POINT> points;
        for (const FilledPolygon& polygon : drawing_.polygons) {
            points.clear();
            for (const TwipPoint& p : polygon.points) {
                points.push_back({x + static_cast<LONG>(std::lround(p.x / TwipsPerPixel)),
                                  y + static_cast<LONG>(std::lround(p.y / TwipsPerPixel))});
            }
            HBRUSH brush = CreateSolidBrush(
                RGB(polygon.colour.red, polygon.colour.green, polygon.colour.blue));
            HGDIOBJ old = SelectObject(dc, brush);
            SetPolyFillMode(dc, polygon.rule == FillRule::Alternate ? ALTERNATE : WINDING);
            Polygon(dc, points.data(), static_cast<int>(points.size()));
            SelectObject(dc, old);
            DeleteObject(brush);
        }
        RestoreDC(dc, saved);
    }

private:
    Drawing drawing_;
};

int resourceOf(Picture which) {
    switch (which) {
    case Picture::WhiteLamp:
        return IDR_WHITE_LAMP;
    case Picture::RedLamp:
        return IDR_RED_LAMP;
    case Picture::BlueLamp:
        return IDR_BLUE_LAMP;
    case Picture::SquareLamp:
        return IDR_SQUARE_LAMP;
    case Picture::Passenger:
        return IDR_PASSENGER;
    case Picture::Digit0:
        return IDR_DIGIT0;
    case Picture::Digit1:
        return IDR_DIGIT1;
    case Picture::Digit2:
        return IDR_DIGIT2;
    case Picture::Digit3:
        return IDR_DIGIT3;
    case Picture::Digit4:
        return IDR_DIGIT4;
    case Picture::Digit5:
        return IDR_DIGIT5;
    case Picture::None:
        break;
    }
    return 0;
}

std::unique_ptr<PanelPicture> readPicture(HINSTANCE instance, const ImageDecoder& decoder,
                                          Picture which) {
    const auto bytes = resourceBytes(instance, resourceOf(which));
    if (which == Picture::Passenger) {
        try {
            return std::make_unique<DrawingPicture>(playMetafile(bytes));
        } catch (const MetafileError&) {
            return nullptr;
        }
    }
    if (const auto image = decoder.decode(bytes)) {
        return std::make_unique<BitmapPicture>(*image);
    }
    return nullptr;
}

} // namespace

PictureStore::PictureStore(HINSTANCE instance) {
    const ImageDecoder decoder;
    for (std::size_t i = 1; i < pictures_.size(); ++i) {
        pictures_[i] = readPicture(instance, decoder, static_cast<Picture>(i));
    }
}

PictureStore::~PictureStore() = default;

const PanelPicture* PictureStore::get(Picture which) const {
    const auto i = static_cast<std::size_t>(which);
    return i < pictures_.size() ? pictures_[i].get() : nullptr;
}

HICON loadPanelIcon(HINSTANCE instance, int size) {
    return static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(IDI_PANEL_ICON), IMAGE_ICON,
                                         size, size, LR_DEFAULTCOLOR | LR_SHARED));
}
