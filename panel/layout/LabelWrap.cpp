#include "LabelWrap.h"

namespace layout {

namespace {

bool fits(std::string_view text, int width, const TextWidth& measure) {
    return measure(text) <= width;
}

std::size_t wordEnd(std::string_view text, std::size_t from) {
    const std::size_t end = text.find(' ', from);
    return end == std::string_view::npos ? text.size() : end;
}

} // namespace

std::vector<std::string> wrapCaption(std::string_view caption, int width, TextAlign align,
                                     const TextWidth& measure) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < caption.size()) {
        std::size_t end = start;  // the line so far is caption[start, end)
        std::size_t next = 0;     // where the following line begins
        std::size_t trailing = 0; // spaces at the end of the line so far
        bool broken = false;
        while (end < caption.size()) {
            if (caption[end] == ' ') {
                if (!fits(caption.substr(start, end + 1 - start), width, measure)) {
                    next = end + 1; // the space at the break is dropped
                    broken = true;
                    break;
                }
                ++end;
                ++trailing;
                continue;
            }
            const std::size_t wEnd = wordEnd(caption, end);
            if (fits(caption.substr(start, wEnd - start), width, measure)) {
                end = wEnd;
                trailing = 0;
                continue;
            }
            if (end == start) {
                // A word wider than the whole line: as many characters as fit, at least one.
                std::size_t cut = start + 1;
                while (cut < wEnd && fits(caption.substr(start, cut + 1 - start), width, measure)) {
                    ++cut;
                }
                end = cut;
                trailing = 0;
            }
            next = end;
            broken = true;
            break;
        }
        if (!broken) {
            next = end;
        }
        std::size_t kept = end - start;
        if (broken && align == TextAlign::Centre && trailing > 0) {
            --kept;
        }
        lines.emplace_back(caption.substr(start, kept));
        start = next;
    }
    return lines;
}

} // namespace layout
