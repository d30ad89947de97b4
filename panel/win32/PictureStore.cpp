#include "PanelPicture.h"

#include "DecodedImage.h"
#include "MetafilePlayer.h"
#include "PanelResources.h"
#include "PixelRaster.h"
#include "ResourceBytes.h"

#include <cstring>

// The GIF, bitmap and icon files are decoded by Windows itself; the passenger
// metafile goes through the panel's own player and scan converter, which set
// the pixels GDI would, so both windows show the same figure. On a denser
// screen the bitmaps are scaled whole pixel by whole pixel, without blending,
// as the Qt panel draws them, and the passenger is drawn again from its
// vectors at the scaled size.

namespace {

// A decoded image in a 32-bit DIB section, drawn with per-pixel alpha.
class BitmapPicture final : public PanelPicture {
public:
    // `natural` is the size at 96 dots per inch; the image may be larger.
    BitmapPicture(const DecodedImage& image, SIZE natural)
        : natural_(natural)
        , size_{image.width, image.height} {
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

    SIZE size() const override { return natural_; }

    // AlphaBlend stretches by whole source pixels, never blending neighbours.
    void paint(HDC dc, const PixelRect& device) const override {
        if (!bitmap_) {
            return;
        }
        HDC source = CreateCompatibleDC(dc);
        HGDIOBJ old = SelectObject(source, bitmap_);
        const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
        AlphaBlend(dc, device.left, device.top, device.width, device.height, source, 0, 0, size_.cx,
                   size_.cy, blend);
        SelectObject(source, old);
        DeleteDC(source);
    }

private:
    SIZE natural_;
    SIZE size_;
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
