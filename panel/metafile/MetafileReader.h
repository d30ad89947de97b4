#pragma once

#include <cstdint>
#include <span>
#include <stdexcept>
#include <vector>

namespace metafile {

// Input the player cannot take: truncated, inconsistent or of a kind it does
// not know. The message says what was wrong.
class MetafileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The frame a placeable metafile declares: its bounding box in its own units
// and how many of those units make an inch.
struct PlaceableFrame {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int unitsPerInch = 0;

    int width() const { return right - left; }
    int height() const { return bottom - top; }
};

// One record: its function and its parameter bytes. The bytes point into the
// buffer given to readMetafile, which must outlive the records.
struct MetafileRecord {
    std::uint16_t function = 0;
    std::span<const std::uint8_t> params;
};

struct Metafile {
    PlaceableFrame frame;
    int objectSlots = 0;                 // size of the object table
    std::vector<MetafileRecord> records; // in file order, up to the end record
};

// The XOR of the first ten 16-bit words of a placeable header.
std::uint16_t placeableChecksum(std::span<const std::uint8_t, 20> headerStart);

// Splits a placeable metafile into its frame and records. Every length is
// checked against the buffer; anything malformed throws MetafileError.
Metafile readMetafile(std::span<const std::uint8_t> bytes);

// Reads a record's little-endian parameter words in order and throws
// MetafileError rather than read past the record's end.
class ParamReader {
public:
    explicit ParamReader(const MetafileRecord& record)
        : record_(record) {}

    std::uint16_t u16();
    std::int16_t i16() { return static_cast<std::int16_t>(u16()); }
    std::uint32_t u32();
    std::size_t wordsLeft() const { return (record_.params.size() - pos_) / 2; }

private:
    const MetafileRecord& record_;
    std::size_t pos_ = 0;
};

} // namespace metafile
