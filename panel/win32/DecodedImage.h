#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

// An image file decoded by the Windows Imaging Component into 32-bit
// premultiplied BGRA rows, top row first. A GIF's transparent index comes out
// with alpha 0, a bitmap's pixels all opaque.
struct DecodedImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels; // 0xAARRGGBB, row by row

    std::uint32_t at(int x, int y) const {
        return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                      static_cast<std::size_t>(x)];
    }
};

struct IWICImagingFactory;

// Decodes image files with the Windows Imaging Component. COM must be
// initialised; one decoder serves any number of files.
class ImageDecoder {
public:
    ImageDecoder();
    ~ImageDecoder();
    ImageDecoder(const ImageDecoder&) = delete;
    ImageDecoder& operator=(const ImageDecoder&) = delete;

    // Nothing when Windows cannot read the bytes.
    std::optional<DecodedImage> decode(std::span<const std::uint8_t> file) const;

private:
    IWICImagingFactory* factory_ = nullptr;
};
