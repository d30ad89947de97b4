#include "MetafileReader.h"

#include "MetafileFormat.h"

#include <string>

namespace metafile {

namespace {

std::uint16_t le16(std::span<const std::uint8_t> bytes, std::size_t at) {
    return static_cast<std::uint16_t>(bytes[at] | (bytes[at + 1] << 8));
}

std::uint32_t le32(std::span<const std::uint8_t> bytes, std::size_t at) {
    return le16(bytes, at) | (static_cast<std::uint32_t>(le16(bytes, at + 2)) << 16);
}

PlaceableFrame readFrame(std::span<const std::uint8_t> bytes) {
    if (bytes.size() < wmf::PlaceableHeaderBytes) {
        throw MetafileError("too short for a placeable header");
    }
    if (le32(bytes, 0) != wmf::PlaceableKey) {
        throw MetafileError("not a placeable metafile");
    }
    if (le16(bytes, 20) != placeableChecksum(bytes.first<20>())) {
        throw MetafileError("placeable header checksum does not match");
    }
    PlaceableFrame frame;
    frame.left = static_cast<std::int16_t>(le16(bytes, 6));
    frame.top = static_cast<std::int16_t>(le16(bytes, 8));
    frame.right = static_cast<std::int16_t>(le16(bytes, 10));
    frame.bottom = static_cast<std::int16_t>(le16(bytes, 12));
    frame.unitsPerInch = le16(bytes, 14);
    if (frame.width() <= 0 || frame.height() <= 0) {
        throw MetafileError("empty bounding box");
    }
    if (frame.unitsPerInch == 0) {
        throw MetafileError("zero units per inch");
    }
    return frame;
}

} // namespace

std::uint16_t placeableChecksum(std::span<const std::uint8_t, 20> headerStart) {
    std::uint16_t sum = 0;
    for (std::size_t at = 0; at < headerStart.size(); at += 2) {
        sum ^= le16(headerStart, at);
    }
    return sum;
}

Metafile readMetafile(std::span<const std::uint8_t> bytes) {
    Metafile file;
    file.frame = readFrame(bytes);

    const auto body = bytes.subspan(wmf::PlaceableHeaderBytes);
    if (body.size() < wmf::MetaHeaderWords * 2) {
        throw MetafileError("too short for a metafile header");
    }
    const std::uint16_t type = le16(body, 0);
    if ((type != 1 && type != 2) || le16(body, 2) != wmf::MetaHeaderWords) {
        throw MetafileError("not a metafile header");
    }
    const std::uint64_t declaredBytes = std::uint64_t{le32(body, 6)} * 2;
    if (declaredBytes > body.size() || declaredBytes < wmf::MetaHeaderWords * 2) {
        throw MetafileError("metafile size does not match the data");
    }
    file.objectSlots = le16(body, 10);

    std::size_t at = wmf::MetaHeaderWords * 2;
    for (;;) {
        if (declaredBytes - at < wmf::RecordHeaderWords * 2) {
            throw MetafileError("records end without an end-of-file record");
        }
        const std::uint64_t recordBytes = std::uint64_t{le32(body, at)} * 2;
        if (recordBytes < wmf::RecordHeaderWords * 2 || recordBytes > declaredBytes - at) {
            throw MetafileError("record at byte " + std::to_string(at) + " has an impossible size");
        }
        MetafileRecord record;
        record.function = le16(body, at + 4);
        record.params = body.subspan(at + 6, recordBytes - 6);
        if (record.function == wmf::EndOfFile) {
            return file;
        }
        file.records.push_back(record);
        at += recordBytes;
    }
}

std::uint16_t ParamReader::u16() {
    if (record_.params.size() - pos_ < 2) {
        throw MetafileError("record too short for its parameters");
    }
    const std::uint16_t value = le16(record_.params, pos_);
    pos_ += 2;
    return value;
}

std::uint32_t ParamReader::u32() {
    const std::uint32_t low = u16();
    return low | (static_cast<std::uint32_t>(u16()) << 16);
}

} // namespace metafile
