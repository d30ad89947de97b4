#include "LabelPainter.h"

#include "LabelWrap.h"
#include "SystemColours.h"
#include "Twips.h"
#include "WindowFont.h"

#include <QFontMetrics>
#include <QPainter>

namespace {

QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// Draws each word of `line` at its place in the 96-dot layout, and the
// underline, if any, across the whole line as the classic label does.
void drawWordByWord(QPainter& painter, const std::string& line, int x, int baseline,
                    const TextWidth& measure, const QFontMetrics& layout, bool underline) {
    for (std::size_t start = line.find_first_not_of(' '); start != std::string::npos;) {
        const std::size_t end = std::min(line.find(' ', start), line.size());
        painter.drawText(x + measure(std::string_view(line).substr(0, start)), baseline,
                         toQString(std::string_view(line).substr(start, end - start)));
        start = line.find_first_not_of(' ', end);
    }
    if (underline && !line.empty()) {
        const int y = baseline + layout.underlinePos();
        painter.fillRect(QRect(x, y, measure(line), std::max(1, layout.lineWidth())),
                         painter.pen().color());
    }
}

} // namespace

void paintLabel(QPainter& painter, const ControlEntry& label, const QPalette& palette) {
    const ControlSettings& s = label.settings;
    const QRect box = pixelRect(label);
    painter.setClipRect(box, Qt::IntersectClip);
    painter.fillRect(box, toQColor(s.back.value_or(LabelBack), palette));

    const qreal ratio = painter.device()->devicePixelRatioF();
    const QFont layoutFont = s.portFont ? portLabelFont() : windowFont();
    const bool smooth = ratio > 1.0;
    QFont drawFont = s.portFont ? portLabelFont(ratio) : windowFont(ratio);
    if (smooth) {
        drawFont.setUnderline(false); // drawn across the whole line instead
    }
    const QFontMetrics layout(layoutFont);
    const TextWidth measure = [&layout](std::string_view text) {
        return layout.horizontalAdvance(toQString(text));
    };
    painter.setFont(drawFont);
    painter.setPen(toQColor(s.fore.value_or(LabelText), palette));

    int top = box.top();
    for (const std::string& line : wrapCaption(s.caption, box.width(), s.align, measure)) {
        if (top > box.bottom()) {
            break;
        }
        const int x = s.align == TextAlign::Centre ? box.left() + (box.width() - measure(line)) / 2
                                                   : box.left();
        const int baseline = top + layout.ascent();
        if (smooth) {
            drawWordByWord(painter, line, x, baseline, measure, layout, layoutFont.underline());
        } else {
            painter.drawText(x, baseline, toQString(line));
        }
        top += layout.height();
    }
}
