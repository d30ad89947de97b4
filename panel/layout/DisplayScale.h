#pragma once

#include "WindowPixelBounds.h"

#include <cmath>

namespace layout {

// A screen's density against the 96 dots per inch the window is laid out for,
// and where the window's pixels land on it. A pixel edge at x lands on the
// device pixel edge x × ratio rounded half up, which is how Qt maps a filled
// rectangle's edges and the window's size at a fractional device pixel ratio;
// both windows place and fill everything by this one rule, so a control's
// edges meet on the same device pixels in both.
class DisplayScale {
public:
    static constexpr int BaseDpi = 96;

    constexpr DisplayScale() = default;
    explicit DisplayScale(double ratio)
        : ratio_(ratio > 0 ? ratio : 1.0) {}
    static DisplayScale ofDpi(int dpi) {
        return DisplayScale(dpi > 0 ? dpi / double(BaseDpi) : 1.0);
    }

    double ratio() const { return ratio_; }
    bool isOne() const { return ratio_ == 1.0; }

    // The device pixel edge of pixel edge `x`.
    int edge(int x) const { return static_cast<int>(std::floor(x * ratio_ + 0.5)); }

    // A rectangle by its edges, so that neighbours still meet.
    PixelRect rect(const PixelRect& r) const {
        const int left = edge(r.left);
        const int top = edge(r.top);
        return {left, top, edge(r.right()) - left, edge(r.bottom()) - top};
    }

    // A control's rectangle in its container at this scale: its edges in the
    // window scaled, less its container's scaled corner, so that nested boxes
    // land where the same box would on its own.
    PixelRect childRect(const ControlEntry& entry) const {
        const PixelRect inWindow = rect(windowPixelBounds(entry));
        const ControlEntry* container = findControl(entry.container);
        if (!container) {
            return inWindow;
        }
        const PixelRect outer = rect(windowPixelBounds(*container));
        return {inWindow.left - outer.left, inWindow.top - outer.top, inWindow.width,
                inWindow.height};
    }

    // The pixel of a picture `length` pixels across, its first pixel at
    // window pixel `origin`, that device pixel `device` shows when the picture
    // is drawn at this scale whole pixel by whole pixel, without blending:
    // stepped in 16.16 fixed point from the centre of the first device pixel,
    // as Qt's raster engine steps, so that both windows repeat the same
    // columns and rows.
    int sourcePixel(int device, int origin, int length) const {
        const double start = origin * ratio_;
        const int first = edge(origin);
        const auto step = static_cast<long long>(65536 / ratio_);
        const long long at = static_cast<long long>(std::ceil((first + 0.5 - start) * step)) - 1 +
                             (device - first) * step;
        const long long pixel = at >> 16;
        return static_cast<int>(pixel < 0 ? 0 : (pixel >= length ? length - 1 : pixel));
    }

    // A length from the origin: the window's client size, a picture's size.
    int length(int pixels) const { return edge(pixels); }

private:
    double ratio_ = 1.0;
};

} // namespace layout
