#pragma once

#include "ControlTable.h"
#include "DisplayScale.h"

#include <QImage>

#include <vector>

// Two pictures of the whole client area, compared pixel for pixel, with every
// differing pixel charged to the control in front at that place.
struct ControlDifference {
    const layout::ControlEntry* control; // nullptr: the window's own background
    long pixels;
};

struct LookDifference {
    long total = 0;
    long identical = 0;
    std::vector<ControlDifference> controls; // in the table's order, background last
    QImage picture; // differing pixels in red over a faded copy of `expected`
    // Differing pixels of label text (ink in either picture inside a label)
    // and of control chrome: each platform's own face and bevels.
    long labelText = 0;
    long chrome = 0;

    double identicalShare() const { return total == 0 ? 0.0 : double(identical) / double(total); }
    // The share of identical pixels among those that are neither label text
    // nor chrome.
    double identicalShareBesidesTextAndChrome() const {
        const long counted = total - labelText - chrome;
        return counted <= 0 ? 0.0 : double(identical) / double(counted);
    }
};

// The control that is seen at a pixel: child windows above the painted
// surface, nested boxes above their containers, then the surface's items in
// the table's order; nullptr for the bare background. The cabin `Picture1`
// stands with its top at `cabinTop` pixels (it moves; the table holds its
// start). `x` and `y` are device pixels at `scale`, `cabinTop` is in pixels.
const layout::ControlEntry* controlAt(int x, int y, int cabinTop,
                                      const layout::DisplayScale& scale = {});

// Both pictures must have the same size, taken at `scale`.
LookDifference compareLooks(const QImage& expected, const QImage& actual, int cabinTop,
                            const layout::DisplayScale& scale = {});

// Chrome is what each platform draws its own way: button bevels and focus
// marks, the edit box's edge.
bool isChrome(const layout::ControlEntry* control);
