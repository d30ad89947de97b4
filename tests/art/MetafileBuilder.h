#pragma once

#include "MetafileFormat.h"

#include <QRgb>

#include <cstdint>
#include <utility>
#include <vector>

// Writes small placeable metafiles for the player's tests, record by record.
class MetafileBuilder {
public:
    int right = 1440;
    int bottom = 1440;
    int unitsPerInch = 1440;
    int objectSlots = 2;
    bool endRecord = true;

    MetafileBuilder& add(std::uint16_t function, std::vector<int> words) {
        records_.emplace_back(function, std::move(words));
        return *this;
    }

    std::vector<std::uint8_t> build() const {
        std::vector<std::uint8_t> out;
        const auto word = [&out](int w) {
            out.push_back(static_cast<std::uint8_t>(w & 0xFF));
            out.push_back(static_cast<std::uint8_t>((w >> 8) & 0xFF));
        };
        word(0xCDD7);
        word(0x9AC6);
        for (int w : {0, 0, 0, right, bottom, unitsPerInch, 0, 0}) {
            word(w);
        }
        int checksum = 0;
        for (std::size_t at = 0; at < out.size(); at += 2) {
            checksum ^= out[at] | (out[at + 1] << 8);
        }
        word(checksum);

        auto records = records_;
        if (endRecord) {
            records.emplace_back(wmf::EndOfFile, std::vector<int>{});
        }
        int words = wmf::MetaHeaderWords;
        for (const auto& r : records) {
            words += 3 + static_cast<int>(r.second.size());
        }
        for (int w : {1, 9, 0x0300, words & 0xFFFF, words >> 16, objectSlots, 0, 0, 0}) {
            word(w);
        }
        for (const auto& [function, params] : records) {
            word(3 + static_cast<int>(params.size()));
            word(0);
            word(function);
            for (int w : params) {
                word(w);
            }
        }
        return out;
    }

private:
    std::vector<std::pair<std::uint16_t, std::vector<int>>> records_;
};

// Parameters of a solid brush record in a colour given as 0xRRGGBB.
inline std::vector<int> solidBrushWords(QRgb rgb) {
    const int ref = qRed(rgb) | (qGreen(rgb) << 8);
    return {wmf::BrushSolid, ref, qBlue(rgb), 0};
}

// Parameters of a polygon record.
inline std::vector<int> polygonWords(std::initializer_list<std::pair<int, int>> points) {
    std::vector<int> words{static_cast<int>(points.size())};
    for (const auto& [x, y] : points) {
        words.push_back(x);
        words.push_back(y);
    }
    return words;
}
