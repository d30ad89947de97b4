#include "PanelPicture.h"

#include "DecodedImage.h"
#include "MetafilePlayer.h"
#include "PanelResources.h"
#include "PixelRaster.h"
#include "ResourceBytes.h"

#include <cstring>

using namespace metafile;
using namespace layout;

// The GIF, bitmap and icon files are decoded by Windows itself; the passenger
// metafile goes through the panel's own player and scan converter, which set
// the pixels GDI would, so both windows show the same figure. On a denser
// screen the bitmaps are scaled whole pixel by whole pixel, without blending,
// repeating the columns and rows the Qt panel repeats; the passenger is drawn
// again from its vectors at the scaled size, as the Qt panel draws it.

namespace {

// A 32-bit DIB section holding `image`, or null.
HBITMAP toBitmap(const DecodedImage& image) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = image.width;
    info.bmiHeader.biHeight = -image.height; // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bitmap && bits) {
        std::memcpy(bits, image.pixels.data(), image.pixels.size() * sizeof(std::uint32_t));
    }
    return bitmap;
}

// Draws `image` one pixel on one device pixel with its top-left corner at
// (x, y), with per-pixel alpha.
void blend(HDC dc, int x, int y, HBITMAP bitmap, int width, int height) {
    HDC source = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(source, bitmap);
    const BLENDFUNCTION blendFunction{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    AlphaBlend(dc, x, y, width, height, source, 0, 0, width, height, blendFunction);
    SelectObject(source, old);
    DeleteDC(source);
}

// The pixels `image` shows across `device` (window device pixels) when its
// corner stands at window pixel (x, y): each device pixel repeats a whole
// source pixel, picked as the Qt panel picks it.
DecodedImage scaledPixels(const DecodedImage& image, const PicturePlace& place,
                          const PixelRect& device) {
    DecodedImage out{device.width, device.height, {}};
    out.pixels.resize(std::size_t(device.width) * std::size_t(device.height));
    for (int row = 0; row < device.height; ++row) {
        const int sy = place.scale.sourcePixel(device.top + row, place.y, image.height);
        for (int col = 0; col < device.width; ++col) {
            const int sx = place.scale.sourcePixel(device.left + col, place.x, image.width);
            out.pixels[std::size_t(row) * std::size_t(device.width) + std::size_t(col)] =
                image.at(sx, sy);
        }
    }
    return out;
}

// A decoded image, drawn with per-pixel alpha. At a scale above one it is
// scaled by whole pixels when drawn, unless it was made at the scale already
// (the passenger, drawn again from its vectors).
class BitmapPicture final : public PanelPicture {
public:
    // `natural` is the size at 96 dots per inch; the image may be larger.
    BitmapPicture(DecodedImage image, SIZE natural)
        : natural_(natural)
        , image_(std::move(image))
        , bitmap_(toBitmap(image_)) {}
    ~BitmapPicture() override {
        if (bitmap_) {
            DeleteObject(bitmap_);
        }
    }
    BitmapPicture(const BitmapPicture&) = delete;
    BitmapPicture& operator=(const BitmapPicture&) = delete;

    SIZE size() const override { return natural_; }

    void paint(HDC dc, const PicturePlace& place) const override {
        if (!bitmap_) {
            return;
        }
        const DisplayScale& scale = place.scale;
        const bool drawnAtScale = image_.width != natural_.cx || image_.height != natural_.cy;
        if (scale.isOne() || drawnAtScale) {
            blend(dc, scale.edge(place.x) - place.dcLeft, scale.edge(place.y) - place.dcTop,
                  bitmap_, image_.width, image_.height);
            return;
        }
        const PixelRect device = scale.rect({place.x, place.y, natural_.cx, natural_.cy});
        if (device.width <= 0 || device.height <= 0) {
            return;
        }
        HBITMAP scaled = toBitmap(scaledPixels(image_, place, device));
        if (scaled) {
            blend(dc, device.left - place.dcLeft, device.top - place.dcTop, scaled, device.width,
                  device.height);
            DeleteObject(scaled);
        }
    }

private:
    SIZE natural_;
    DecodedImage image_;
    HBITMAP bitmap_ = nullptr;
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
                                          Picture which, const DisplayScale& scale) {
    const auto bytes = resourceBytes(instance, resourceOf(which));
    if (which == Picture::Passenger) {
        try {
            const Drawing drawing = playMetafile(bytes);
            const PixelRaster raster = rasteriseAtSize(drawing, scale.length(drawing.widthPixels),
                                                       scale.length(drawing.heightPixels));
            return std::make_unique<BitmapPicture>(
                DecodedImage{raster.width, raster.height, raster.argb},
                SIZE{drawing.widthPixels, drawing.heightPixels});
        } catch (const MetafileError&) {
            return nullptr;
        }
    }
    if (const auto image = decoder.decode(bytes)) {
        return std::make_unique<BitmapPicture>(*image, SIZE{image->width, image->height});
    }
    return nullptr;
}

} // namespace

PictureStore::PictureStore(HINSTANCE instance, const DisplayScale& scale) {
    const ImageDecoder decoder;
    for (std::size_t i = 1; i < pictures_.size(); ++i) {
        pictures_[i] = readPicture(instance, decoder, static_cast<Picture>(i), scale);
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
