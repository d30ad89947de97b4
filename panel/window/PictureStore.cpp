#include "PanelPicture.h"

#include <QColor>
#include <QImage>
#include <QPainter>

#include <array>

// STAND-IN pictures: plain shapes of the right size and colour that hold the
// boxes' places until the drawn artwork is embedded. Every one is replaced.

namespace {

class ImagePicture final : public PanelPicture {
public:
    explicit ImagePicture(QImage image)
        : image_(std::move(image)) {}
    QSize size() const override { return image_.size(); }
    void paint(QPainter& painter) const override { painter.drawImage(0, 0, image_); }

private:
    QImage image_;
};

// STAND-IN: a lamp as a flat disc on a transparent or grey square.
QImage standInLamp(int side, QColor disc, QColor ground) {
    QImage image(side, side, QImage::Format_ARGB32);
    image.fill(ground);
    QPainter p(&image);
    p.setPen(Qt::NoPen);
    p.setBrush(disc);
    const int margin = side == 12 ? 0 : 2;
    p.drawEllipse(margin, margin, side - 2 * margin, side - 2 * margin);
    return image;
}

// STAND-IN: a digit as its seven segments in green, drawn as bars.
QImage standInDigit(int digit) {
    // Segments a..g lit per digit 0..5.
    static constexpr std::array<const char*, 6> lit = {"abcdef", "bc",   "abged",
                                                       "abgcd",  "fgbc", "afgcd"};
    QImage image(12, 17, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    const QColor green(0, 255, 0);
    for (const char* s = lit[digit]; *s; ++s) {
        switch (*s) {
        case 'a':
            p.fillRect(1, 0, 10, 3, green);
            break;
        case 'b':
            p.fillRect(9, 1, 3, 7, green);
            break;
        case 'c':
            p.fillRect(9, 9, 3, 7, green);
            break;
        case 'd':
            p.fillRect(1, 14, 10, 3, green);
            break;
        case 'e':
            p.fillRect(0, 9, 3, 7, green);
            break;
        case 'f':
            p.fillRect(0, 1, 3, 7, green);
            break;
        case 'g':
            p.fillRect(2, 7, 8, 3, green);
            break;
        }
    }
    return image;
}

// STAND-IN: the passenger as an orange figure on a transparent ground.
QImage standInPassenger() {
    QImage image(79, 125, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setPen(Qt::black);
    p.setBrush(QColor(0xB5, 0x7F, 0x49));
    p.drawEllipse(30, 2, 26, 24);
    p.setBrush(QColor(0xFF, 0x66, 0x00));
    p.drawRect(14, 36, 41, 57);
    return image;
}

QImage makeImage(Picture which) {
    switch (which) {
    case Picture::WhiteLamp:
        return standInLamp(14, QColor(0xBD, 0xBD, 0xBD), Qt::transparent);
    case Picture::RedLamp:
        return standInLamp(14, QColor(0xFE, 0x00, 0x54), Qt::transparent);
    case Picture::BlueLamp:
        return standInLamp(12, QColor(0x33, 0x00, 0xCC), Qt::transparent);
    case Picture::SquareLamp:
        return standInLamp(14, QColor(0, 0, 0xFF), QColor(0xBE, 0xBE, 0xBE));
    case Picture::Passenger:
        return standInPassenger();
    case Picture::Digit0:
    case Picture::Digit1:
    case Picture::Digit2:
    case Picture::Digit3:
    case Picture::Digit4:
    case Picture::Digit5:
        return standInDigit(static_cast<int>(which) - static_cast<int>(Picture::Digit0));
    case Picture::None:
        break;
    }
    return {};
}

} // namespace

PictureRef loadPicture(Picture which) {
    static std::array<PictureRef, 12> cache;
    const auto slot = static_cast<std::size_t>(which);
    if (which == Picture::None) {
        return nullptr;
    }
    if (!cache[slot]) {
        cache[slot] = std::make_shared<ImagePicture>(makeImage(which));
    }
    return cache[slot];
}

#include <QIcon>
#include <QPixmap>

// STAND-IN: a cyan square until the drawn portrait is embedded.
QIcon panelIcon() {
    QPixmap pixmap(32, 32);
    pixmap.fill(QColor(0, 255, 255));
    return QIcon(pixmap);
}
