#include "LabelPainter.h"

#include "LabelLayout.h"
#include "PanelLook.h"
#include "Twips.h"

#include <QFontMetrics>
#include <QPainter>

using namespace layout;

namespace {

QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
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

    for (const LabelLine& line : layOutLabel(label, measure, layout.height())) {
        const int baseline = line.top + layout.ascent();
        if (look.placesWords()) {
            for (const PlacedWord& word : placeWords(line.text, measure)) {
                painter.drawText(line.x + word.x, baseline, toQString(word.text));
            }
        } else {
            painter.drawText(line.x, baseline, toQString(line.text));
        }
        if (s.portFont) {
            painter.fillRect(toQRect(underline(line, baseline, measure)), text);
        }
    }
}
