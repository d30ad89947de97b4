#pragma once

#include "Colour.h"
#include "ControlId.h"

#include <optional>
#include <string_view>

namespace layout {

enum class ControlKind { PushButton, Timer, PictureBox, TextBox, Label, Shape, Line, Image };

enum class TextAlign { Left, Centre };

// The twelve distinct images the boxes carry.
enum class Picture {
    None,
    WhiteLamp,
    RedLamp,
    BlueLamp,
    SquareLamp,
    Passenger,
    Digit0,
    Digit1,
    Digit2,
    Digit3,
    Digit4,
    Digit5,
};

struct ControlSettings {
    std::string_view caption{};
    std::optional<Colour> back{};   // back colour; labels and text box default below
    std::optional<Colour> fore{};   // text colour
    std::optional<Colour> fill{};   // shapes: solid fill; absent means transparent inside
    std::optional<Colour> border{}; // shapes and lines: outline or line colour
    int borderPixels = 1;           // shapes and lines
    bool opaqueBack = false;        // shapes: back painted behind the outline
    TextAlign align = TextAlign::Left;
    bool portFont = false; // the underlined font of the port labels
    Picture picture = Picture::None;
    int intervalMs = 0; // timers
    bool visible = true;
};

// One row of the control list, in twips. Every kind but a line has a box,
// relative to its container's inside; a line has two end points instead.
struct ControlEntry {
    static constexpr int NoTab = -1;

    int number; // creation order, front to back
    ControlKind kind;
    controls::ControlId id;
    controls::ControlId container;
    int left = 0, top = 0, width = 0, height = 0; // the box; zero for a line
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;           // a line's ends; zero otherwise
    int tab = NoTab;                              // NoTab where the control has no tab position
    ControlSettings settings{};
};

} // namespace layout
