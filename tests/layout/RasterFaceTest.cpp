// The raster face's metrics that the panel keeps as data, checked against the
// face itself: the 8-point font of Wine's "MS Sans Serif" font file.
#include "RasterFace.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <vector>

using namespace layout;

namespace {

constexpr const char* FontFile = "/usr/share/wine/fonts/sserife.fon";

using Bytes = std::vector<std::uint8_t>;

unsigned u16(const Bytes& b, std::size_t at) {
    return at + 2 <= b.size() ? unsigned(b[at] | b[at + 1] << 8) : 0;
}
unsigned u32(const Bytes& b, std::size_t at) {
    return u16(b, at) | u16(b, at + 2) << 16;
}

struct FontMetrics {
    int pixelHeight = 0;
    int ascent = 0;
    std::vector<int> advances; // from ' ' to '~'
};

// The font of `points` in a Windows font file: a new-style executable whose
// FONT resources each hold one raster font.
std::optional<FontMetrics> readFont(const Bytes& file, int points) {
    const std::size_t ne = u32(file, 0x3C);
    if (u16(file, ne) != 0x454E) { // "NE"
        return std::nullopt;
    }
    std::size_t at = ne + u16(file, ne + 0x24);
    const unsigned shift = u16(file, at);
    at += 2;
    while (unsigned type = u16(file, at)) {
        const unsigned count = u16(file, at + 2);
        at += 8;
        for (unsigned i = 0; i < count; ++i, at += 12) {
            const std::size_t font = std::size_t{u16(file, at)} << shift;
            if (type != 0x8008 || font + 148 > file.size() || int(u16(file, font + 68)) != points) {
                continue;
            }
            FontMetrics m;
            m.ascent = int(u16(file, font + 74));
            m.pixelHeight = int(u16(file, font + 88));
            const unsigned first = file[font + 95];
            const unsigned version = u16(file, font);
            const std::size_t table = font + (version == 0x300 ? 148 : 118);
            const std::size_t entry = version == 0x300 ? 6 : 4;
            for (unsigned c = ' '; c <= '~'; ++c) {
                m.advances.push_back(int(u16(file, table + (c - first) * entry)));
            }
            return m;
        }
    }
    return std::nullopt;
}

} // namespace

TEST(RasterFace, MetricsMatchTheFontFile) {
    if (!std::filesystem::exists(FontFile)) {
        GTEST_SKIP() << FontFile << " is not installed";
    }
    std::ifstream in(FontFile, std::ios::binary);
    const Bytes file{std::istreambuf_iterator<char>(in), {}};
    const auto font = readFont(file, 8);
    ASSERT_TRUE(font.has_value());
    EXPECT_EQ(font->pixelHeight, rasterface::LineHeight);
    EXPECT_EQ(font->ascent, rasterface::Ascent);
    ASSERT_EQ(font->advances.size(), rasterface::Advances.size());
    for (std::size_t i = 0; i < font->advances.size(); ++i) {
        EXPECT_EQ(font->advances[i], rasterface::Advances[i]) << "'" << char(' ' + i) << "'";
    }
}

TEST(RasterFace, WidthsAddUp) {
    EXPECT_EQ(rasterface::width(""), 0);
    EXPECT_EQ(rasterface::width("W R B"), 11 + 3 + 8 + 3 + 7);
    EXPECT_EQ(rasterface::advance('\t'), rasterface::advance('x'));
}
