#include "LabelPainter.h"

#include "LabelWrap.h"
#include "PanelLook.h"
#include "Twips.h"

#include <QFontMetrics>
#include <QPainter>

namespace {

QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// Draws each word of `line` at its place in the 96-dot layout.
void drawWordByWord(QPainter& painter, const std::string& line, int x, int baseline,
                    const TextWidth& measure) {
    for (std::size_t start = line.find_first_not_of(' '); start != std::string::npos;) {
        const std::size_t end = std::min(line.find(' ', start), line.size());
        painter.drawText(x + measure(std::string_view(line).substr(0, start)), baseline,
                         toQString(std::string_view(line).substr(start, end - start)));
        start = line.find_first_not_of(' ', end);
    }
}

} // namespace

void paintLabel(QPainter& painter, const ControlEntry& label, const PanelLook& look) {
    const ControlSettings& s = label.settings;
    const QRect box = pixelRect(label);
    painter.setClipRect(box, Qt::IntersectClip);
    painter.fillRect(box, look.colour(s.back.value_or(LabelBack)));

    const QFontMetrics layout(look.layoutFont());
    const TextWidth measure = [&layout](std::string_view text) {
        return layout.horizontalAdvance(toQString(text));
    };
    // The underline is drawn here rather than by the font: Qt's own follows the
    // face's metrics, two rows thick and a row lower than the classic one.
    painter.setFont(look.font());
    const QColor text = look.colour(s.fore.value_or(LabelText));
    painter.setPen(text);

    int top = box.top();
    for (const std::string& line : wrapCaption(s.caption, box.width(), s.align, measure)) {
        if (top > box.bottom()) {
            break;
        }
        const int width = measure(line);
        const int x =
            s.align == TextAlign::Centre ? box.left() + (box.width() - width) / 2 : box.left();
        const int baseline = top + layout.ascent();
        if (look.placesWords()) {
            drawWordByWord(painter, line, x, baseline, measure);
        } else {
            painter.drawText(x, baseline, toQString(line));
        }
        if (s.portFont) {
            painter.fillRect(QRect(x, baseline, width, 1), text);
        }
        top += layout.height();
    }
}
