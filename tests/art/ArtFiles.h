#pragma once

#include <QColor>
#include <QFile>
#include <QImage>

#include <cstdint>
#include <string>
#include <vector>

// The committed pictures, read as bytes or decoded by Qt.

inline std::string artPath(const std::string& name) {
    return std::string(ART_DIR) + "/" + name;
}

inline std::vector<std::uint8_t> readBytes(const std::string& path) {
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    const QByteArray data = file.readAll();
    return {data.begin(), data.end()};
}

inline std::vector<std::uint8_t> artBytes(const std::string& name) {
    return readBytes(artPath(name));
}

inline QImage artImage(const std::string& name) {
    return QImage(QString::fromStdString(artPath(name))).convertToFormat(QImage::Format_ARGB32);
}

// The colour at a row and column, 0xAARRGGBB; clear pixels read 0.
inline QRgb pixelAt(const QImage& image, int row, int col) {
    const QRgb p = image.pixel(col, row);
    return qAlpha(p) == 0 ? 0 : p;
}

inline QRgb opaque(QRgb rgb) {
    return 0xFF000000u | rgb;
}

inline int countPixels(const QImage& image, QRgb colour) {
    int count = 0;
    for (int row = 0; row < image.height(); ++row) {
        for (int col = 0; col < image.width(); ++col) {
            count += pixelAt(image, row, col) == colour;
        }
    }
    return count;
}

inline std::uint32_t le16(const std::vector<std::uint8_t>& b, std::size_t at) {
    return b.at(at) | (b.at(at + 1) << 8);
}

inline std::uint32_t le32(const std::vector<std::uint8_t>& b, std::size_t at) {
    return le16(b, at) | (le16(b, at + 2) << 16);
}
