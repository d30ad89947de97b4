#pragma once

#include "SystemColours.h"

#include <QFont>

// The face and the colours of every part of the window, in one place: labels,
// buttons and the text box all read them from here. The window makes one from
// its screen's pixel ratio and its palette, and again whenever either changes,
// so no part can keep the look of a screen or a palette that is gone.
class PanelLook {
public:
    PanelLook(qreal devicePixelRatio, const SystemColours& colours);

    QColor colour(layout::Colour colour) const { return colours_.toQColor(colour); }

    // The face text is drawn in: the panel's own at 96 dots per inch, or its
    // smooth stand-in on a denser screen (see windowFont()).
    const QFont& font() const { return font_; }
    // The face label lines are laid out in: always the 96-dot one, so lines
    // break, and words stand, where they do on an ordinary screen.
    const QFont& layoutFont() const { return layoutFont_; }
    // Whether the drawing face differs from the layout face, so that labels
    // place each word where the layout puts it.
    bool placesWords() const { return placesWords_; }

    bool operator==(const PanelLook& other) const;

private:
    SystemColours colours_;
    QFont font_;
    QFont layoutFont_;
    bool placesWords_;
};
