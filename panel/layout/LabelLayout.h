#pragma once

#include "ControlTable.h"
#include "LabelWrap.h"
#include "PixelGeometry.h"

#include <string>
#include <string_view>
#include <vector>

namespace layout {

// Where each line of a label goes, in pixels of the window: the caption broken
// by wrapCaption, each line left-aligned or centred in the label's box, one
// line height below the last, and lines that start below the box left out.
struct LabelLine {
    int x = 0;
    int top = 0;
    std::string text;
};

std::vector<LabelLine> layOutLabel(const ControlEntry& label, const TextWidth& measure,
                                   int lineHeight);

// A port label's underline under `line`, as the classic window draws it: one
// pixel thick, on the row right under the glyphs (the baseline's), across the
// line's whole advance.
PixelRect underline(const LabelLine& line, int baseline, const TextWidth& measure);

// The words of a line and where each starts, counted from the line's start by
// `measure`. A face whose widths differ from the measuring face still puts
// every word in its column this way, which keeps the legends' bit diagrams.
struct PlacedWord {
    int x = 0;
    std::string_view text;
};

std::vector<PlacedWord> placeWords(std::string_view line, const TextWidth& measure);

} // namespace layout
