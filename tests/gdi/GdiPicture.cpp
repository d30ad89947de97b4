#include "GdiPicture.h"

#include "DibCanvas.h"
#include "MetafileReader.h" // placeableChecksum
#include "TwipsPerPixel.h"

#include <cstdio>
#include <stdexcept>

using namespace controls;
using namespace metafile;

namespace {

std::int16_t le16(std::span<const std::uint8_t> b, std::size_t at) {
    return static_cast<std::int16_t>(b[at] | (b[at + 1] << 8));
}

void play(const DibCanvas& target, std::span<const std::uint8_t> placeable) {
    HMETAFILE metafile = SetMetaFileBitsEx(UINT(placeable.size() - 22), placeable.data() + 22);
    if (!metafile) {
        throw std::runtime_error("GDI does not take the metafile");
    }
    const int left = le16(placeable, 6), top = le16(placeable, 8);
    SetMapMode(target.dc(), MM_ANISOTROPIC);
    SetWindowOrgEx(target.dc(), left, top, nullptr);
    SetWindowExtEx(target.dc(), le16(placeable, 10) - left, le16(placeable, 12) - top, nullptr);
    SetViewportOrgEx(target.dc(), 0, 0, nullptr);
    SetViewportExtEx(target.dc(), target.width(), target.height(), nullptr);
    PlayMetaFile(target.dc(), metafile);
    DeleteMetaFile(metafile);
}

} // namespace

Picture playWithGdi(std::span<const std::uint8_t> placeable, int width, int height) {
    const DibCanvas onBlack(width, height, RGB(0, 0, 0));
    const DibCanvas onWhite(width, height, RGB(255, 255, 255));
    play(onBlack, placeable);
    play(onWhite, placeable);
    Picture picture{width, height, std::vector<std::uint32_t>(std::size_t(width) * height)};
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const std::uint32_t p = onBlack.rgb(x, y);
            picture.argb[std::size_t(y) * width + x] = p == onWhite.rgb(x, y) ? 0xFF000000u | p : 0;
        }
    }
    return picture;
}

std::vector<std::uint8_t> recordWithGdi(int width, int height,
                                        const std::function<void(HDC)>& draw) {
    HDC dc = CreateMetaFileA(nullptr);
    draw(dc);
    HMETAFILE metafile = CloseMetaFile(dc);
    const UINT size = GetMetaFileBitsEx(metafile, 0, nullptr);
    std::vector<std::uint8_t> bytes(22 + size);
    GetMetaFileBitsEx(metafile, size, bytes.data() + 22);
    DeleteMetaFile(metafile);

    const std::uint16_t header[10] = {0xCDD7,
                                      0x9AC6,
                                      0,
                                      0,
                                      0,
                                      std::uint16_t(width * TwipsPerPixel),
                                      std::uint16_t(height * TwipsPerPixel),
                                      1440,
                                      0,
                                      0};
    for (int i = 0; i < 10; ++i) {
        bytes[2 * i] = header[i] & 0xFF;
        bytes[2 * i + 1] = header[i] >> 8;
    }
    const std::uint16_t checksum =
        placeableChecksum(std::span<const std::uint8_t, 20>(bytes.data(), 20));
    bytes[20] = checksum & 0xFF;
    bytes[21] = checksum >> 8;
    return bytes;
}

void writeBmp(const Picture& picture, const std::string& path) {
    const int stride = (picture.width * 3 + 3) & ~3;
    BITMAPINFOHEADER info{};
    info.biSize = sizeof(info);
    info.biWidth = picture.width;
    info.biHeight = -picture.height;
    info.biPlanes = 1;
    info.biBitCount = 24;
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42; // "BM"
    file.bfOffBits = sizeof(file) + sizeof(info);
    file.bfSize = file.bfOffBits + DWORD(stride) * picture.height;

    std::vector<std::uint8_t> rows(std::size_t(stride) * picture.height);
    for (int y = 0; y < picture.height; ++y) {
        for (int x = 0; x < picture.width; ++x) {
            std::uint32_t p = picture.argb[std::size_t(y) * picture.width + x];
            p = p >> 24 ? p : 0x80FF80u;
            std::uint8_t* out = rows.data() + std::size_t(y) * stride + x * 3;
            out[0] = p & 0xFF;
            out[1] = (p >> 8) & 0xFF;
            out[2] = (p >> 16) & 0xFF;
        }
    }
    if (FILE* f = std::fopen(path.c_str(), "wb")) {
        std::fwrite(&file, sizeof(file), 1, f);
        std::fwrite(&info, sizeof(info), 1, f);
        std::fwrite(rows.data(), rows.size(), 1, f);
        std::fclose(f);
    }
}

Agreement compare(const Picture& ours, const Picture& gdi) {
    Agreement result;
    result.differences = {gdi.width, gdi.height, std::vector<std::uint32_t>(gdi.argb.size())};
    for (std::size_t i = 0; i < gdi.argb.size() && i < ours.argb.size(); ++i) {
        if (ours.argb[i] == 0 && gdi.argb[i] == 0) {
            continue;
        }
        ++result.figurePixels;
        if (ours.argb[i] == gdi.argb[i]) {
            ++result.samePixels;
        } else {
            result.differences.argb[i] = gdi.argb[i] ? gdi.argb[i] : 0xFF000000u;
        }
    }
    return result;
}
