#pragma once

#include "ControlTable.h"
#include "DisplayScale.h"

#include <QImage>

#include <string>
#include <vector>

// Where each word of each label shows in two pictures of the window: the
// first column of ink in the word's stretch of its line, as the 96-dot
// layout gives it at `scale`, widened by a device pixel either side, and the
// foot of its glyphs on the baseline. Faces differ between the two windows on denser screens; their
// words must still stand in the same places.
struct WordPlace {
    const layout::ControlEntry* label;
    std::string word;
    int line;
    bool inBoth;        // ink found in both pictures
    int dx = 0, dy = 0; // actual less expected, in device pixels
};

std::vector<WordPlace> compareWordPlaces(const QImage& expected, const QImage& actual,
                                         const layout::DisplayScale& scale);

// The largest offset, either way, of the words found in both.
int largestWordOffset(const std::vector<WordPlace>& places);
