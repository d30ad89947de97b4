#include "ControlAreas.h"

#include "PanelWindow.h"
#include "SurfacePainter.h"

#include <QStringList>

#include <algorithm>
#include <limits>
#include <map>

namespace {

// A label's caption, its runs of spaces folded and long ones cut, to tell it
// at a glance in a failure message.
QString shortCaption(std::string_view caption) {
    QString text = QString::fromUtf8(caption.data(), qsizetype(caption.size())).simplified();
    constexpr int Longest = 24;
    if (text.size() > Longest) {
        text = text.left(Longest - 1) + QChar(0x2026);
    }
    return text;
}

QString nameOf(const ControlEntry& entry) {
    QString name = QString::fromUtf8(entry.id.name.data(), qsizetype(entry.id.name.size()));
    if (entry.id.index != ControlId::NoIndex) {
        name += QStringLiteral("(%1)").arg(entry.id.index);
    }
    if (entry.kind == ControlKind::Label) {
        name += QStringLiteral(" (%1)").arg(shortCaption(entry.settings.caption));
    }
    return name;
}

} // namespace

std::vector<ControlArea> controlAreas(const PanelWindow& window) {
    std::vector<ControlArea> areas;
    for (const ControlEntry& entry : controlTable()) {
        if (!entry.settings.visible || entry.kind == ControlKind::Timer) {
            continue;
        }
        QRect rect = surfaceBounds(entry);
        if (const QWidget* widget = window.control(entry.id)) {
            rect = QRect(widget->mapTo(&window, QPoint(0, 0)), widget->size());
        }
        areas.push_back({nameOf(entry), rect});
    }
    return areas;
}

QString blameControls(const QImage& differing, const std::vector<ControlArea>& areas) {
    std::map<int, int> counts; // area index (areas.size() for Form1) -> pixels
    for (int y = 0; y < differing.height(); ++y) {
        for (int x = 0; x < differing.width(); ++x) {
            if (qGray(differing.pixel(x, y)) == 0) {
                continue;
            }
            bool held = false;
            for (std::size_t i = 0; i < areas.size(); ++i) {
                if (areas[i].rect.contains(x, y)) {
                    ++counts[int(i)];
                    held = true;
                }
            }
            if (!held) {
                ++counts[int(areas.size())];
            }
        }
    }
    // Most pixels first; among equals the smallest area, the most telling one
    // (a digit before the field and the face it stands on).
    const auto size = [&](int area) {
        if (area == int(areas.size())) {
            return std::numeric_limits<long>::max();
        }
        const QRect& r = areas[std::size_t(area)].rect;
        return long(r.width()) * r.height();
    };
    std::vector<std::pair<int, int>> ranked(counts.begin(), counts.end());
    std::stable_sort(ranked.begin(), ranked.end(), [&](const auto& a, const auto& b) {
        return a.second != b.second ? a.second > b.second : size(a.first) < size(b.first);
    });
    QStringList lines;
    for (const auto& [area, pixels] : ranked) {
        const QString name =
            area < int(areas.size()) ? areas[std::size_t(area)].name : QStringLiteral("Form1");
        lines << QStringLiteral("%1: %2 pixels differ").arg(name).arg(pixels);
    }
    return lines.join(QLatin1Char('\n'));
}
