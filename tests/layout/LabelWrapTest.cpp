#include "LabelWrap.h"

#include <gtest/gtest.h>

#include <map>

using namespace layout;

namespace {

using Lines = std::vector<std::string>;

// Every character one unit wide, unless the table says otherwise.
TextWidth widths(std::map<char, int> table = {}) {
    return [table](std::string_view text) {
        int sum = 0;
        for (char c : text) {
            const auto it = table.find(c);
            sum += it == table.end() ? 1 : it->second;
        }
        return sum;
    };
}

TEST(LabelWrap, ShortCaptionStaysOnOneLineWithItsSpaces) {
    EXPECT_EQ(wrapCaption(" Pushed ", 20, TextAlign::Left, widths()), Lines{" Pushed "});
    EXPECT_EQ(wrapCaption("", 20, TextAlign::Left, widths()), Lines{});
}

TEST(LabelWrap, WordThatDoesNotFitStartsTheNextLine) {
    EXPECT_EQ(wrapCaption("aa bb", 4, TextAlign::Left, widths()), (Lines{"aa ", "bb"}));
    EXPECT_EQ(wrapCaption("Ground Floor", 7, TextAlign::Centre, widths()),
              (Lines{"Ground", "Floor"}));
}

TEST(LabelWrap, RunOfSpacesCarriesOverTheBreak) {
    // Two spaces fit after "ab", the third is dropped, the last two begin line two.
    EXPECT_EQ(wrapCaption("ab     cd", 4, TextAlign::Left, widths()), (Lines{"ab  ", "  cd"}));
    EXPECT_EQ(wrapCaption("ab     cd", 4, TextAlign::Centre, widths()), (Lines{"ab ", "  cd"}));
}

TEST(LabelWrap, RunLongerThanALineFillsWholeLinesWithSpaces) {
    EXPECT_EQ(wrapCaption("a         b", 3, TextAlign::Left, widths()),
              (Lines{"a  ", "   ", "  b"}));
}

TEST(LabelWrap, WordWiderThanTheLineIsCutBetweenCharacters) {
    EXPECT_EQ(wrapCaption("abcdefgh", 3, TextAlign::Left, widths()), (Lines{"abc", "def", "gh"}));
    EXPECT_EQ(wrapCaption("wide", 0, TextAlign::Left, widths()), (Lines{"w", "i", "d", "e"}))
        << "at least one character a line, so the caption always ends";
}

TEST(LabelWrap, MeasuresWithTheFontsOwnWidths) {
    // Narrow spaces and wide letters, as in the panel's face: "x x x" takes 21
    // of 25 units, so one space fits after it, and eight of the run go on.
    const TextWidth font = widths({{' ', 3}, {'x', 5}, {'|', 2}});
    EXPECT_EQ(wrapCaption("x x x          |  |  |", 25, TextAlign::Left, font),
              (Lines{"x x x ", "        ", "|  |  |"}));
}

} // namespace
