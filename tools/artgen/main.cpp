// Draws the panel's twelve pictures and writes them into the given folder:
//   artgen <folder>
// The output is the same byte for byte on every run; the files committed in
// panel/art are what it writes.

#include "BmpFile.h"
#include "GifFile.h"
#include "IcoFile.h"
#include "Lamps.h"
#include "Passenger.h"
#include "Portrait.h"
#include "SevenSegment.h"
#include "WmfFile.h"

#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

void writeFile(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    if (!out) {
        throw std::runtime_error("cannot write " + path.string());
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
        return 2;
    }
    try {
        const std::filesystem::path folder(argv[1]);
        std::filesystem::create_directories(folder);

        const IconArt icon = portraitIcon();
        writeFile(folder / "icon.ico", encodeIco8(icon.image, icon.masked));
        // The Windows program's icon: the drawing at the sizes Windows asks for
        // from 100 % to 200 % (small icons 16 to 32, large ones 32 to 64).
        std::vector<IconImage> sizes;
        const IconImage design{icon.image, icon.masked};
        for (int size : {32, 16, 20, 24, 40, 48, 64}) {
            sizes.push_back(size == 32 ? design : scaledIcon(design, size));
        }
        writeFile(folder / "icon-windows.ico", encodeIco8(sizes));
        writeFile(folder / "lamp-white.gif", encodeGif(whiteLamp()));
        writeFile(folder / "lamp-red.gif", encodeGif(redLamp()));
        writeFile(folder / "lamp-blue.gif", encodeGif(blueLamp()));
        writeFile(folder / "lamp-square.bmp", encodeBmp24(squareLamp()));
        writeFile(folder / "passenger.wmf", encodePlaceableMetafile(passengerArt()));
        for (int digit = 0; digit <= 5; ++digit) {
            writeFile(folder / ("digit" + std::to_string(digit) + ".gif"),
                      encodeGif(digitGlyph(digit)));
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "artgen: %s\n", e.what());
        return 1;
    }
    return 0;
}
