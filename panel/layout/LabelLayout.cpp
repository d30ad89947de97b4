#include "LabelLayout.h"

namespace layout {

std::vector<LabelLine> layOutLabel(const ControlEntry& label, const TextWidth& measure,
                                   int lineHeight) {
    const ControlSettings& s = label.settings;
    const PixelRect box = pixelBounds(label);
    std::vector<LabelLine> lines;
    int top = box.top;
    for (std::string& text : wrapCaption(s.caption, box.width, s.align, measure)) {
        if (top >= box.bottom()) {
            break;
        }
        const int x =
            s.align == TextAlign::Centre ? box.left + (box.width - measure(text)) / 2 : box.left;
        lines.push_back({x, top, std::move(text)});
        top += lineHeight;
    }
    return lines;
}

PixelRect underline(const LabelLine& line, int baseline, const TextWidth& measure) {
    return {line.x, baseline, measure(line.text), 1};
}

std::vector<PlacedWord> placeWords(std::string_view line, const TextWidth& measure) {
    std::vector<PlacedWord> words;
    for (std::size_t start = line.find_first_not_of(' '); start != std::string_view::npos;) {
        const std::size_t end = std::min(line.find(' ', start), line.size());
        words.push_back({measure(line.substr(0, start)), line.substr(start, end - start)});
        start = line.find_first_not_of(' ', end);
    }
    return words;
}

} // namespace layout
