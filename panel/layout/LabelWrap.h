#pragma once

#include "ControlTable.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace layout {

// Width of a piece of text in pixels, in the label's font.
using TextWidth = std::function<int(std::string_view)>;

// Breaks a label's caption into lines the way the classic desktop label does,
// which keeps runs of spaces meaningful across the breaks (the legends are bit
// diagrams drawn with spaces):
// - a word that does not fit goes to the next line;
// - the spaces after the last word that fit stay on the line (for centred text
//   all but one of them), one space at the break is dropped, and the rest of
//   the run begins the next line;
// - a word wider than a whole line is broken between characters.
std::vector<std::string> wrapCaption(std::string_view caption, int width, TextAlign align,
                                     const TextWidth& measure);

} // namespace layout
