#pragma once

#include <cstdint>

// Numbers of the placeable Windows metafile format, for the record types the
// panel's drawings use. Shared by the reader and by the tool that writes them.
namespace wmf {

inline constexpr std::uint32_t PlaceableKey = 0x9AC6CDD7u;
inline constexpr int PlaceableHeaderBytes = 22;
inline constexpr int MetaHeaderWords = 9;
inline constexpr std::uint16_t MetaVersion3 = 0x0300;
inline constexpr std::uint16_t MemoryMetafile = 1;
// Size and function of a record: a 32-bit word count, then a 16-bit function.
inline constexpr int RecordHeaderWords = 3;

enum Function : std::uint16_t {
    EndOfFile = 0x0000,
    SetMapMode = 0x0103,
    SetPolyFillMode = 0x0106,
    SetWindowOrg = 0x020B,
    SetWindowExt = 0x020C,
    SelectObject = 0x012D,
    DeleteObject = 0x01F0,
    CreateBrushIndirect = 0x02FC,
    CreatePenIndirect = 0x02FA,
    Polygon = 0x0324,
};

inline constexpr std::uint16_t MapModeAnisotropic = 8;
inline constexpr std::uint16_t FillAlternate = 1;
inline constexpr std::uint16_t FillWinding = 2;
inline constexpr std::uint16_t BrushSolid = 0;
inline constexpr std::uint16_t PenSolid = 0;
inline constexpr std::uint16_t PenNull = 5;
// The low bits of a pen's style name its kind; the bits above are its line
// ends and joins, which a 1-pixel pen does not show.
inline constexpr std::uint16_t PenStyleMask = 0x00FF;

} // namespace wmf
