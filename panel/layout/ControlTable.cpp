#include "ControlTable.h"

#include <array>

using namespace controls;

namespace layout {

namespace {

using enum ControlKind;

constexpr Colour PaleYellow = 0x00C0FFFF;
constexpr Colour LightGreen = 0x0080FF80;
constexpr Colour Green = 0x00008000;
constexpr Colour DarkGreen = 0x00004000;
constexpr Colour Orange = 0x000080FF;
constexpr Colour Brown = 0x00004080;
constexpr Colour Red = 0x000000FF;
constexpr Colour Black = 0x00000000;

constexpr int NoTab = ControlEntry::NoTab;
constexpr ControlId Form = controls::Form1;

// Row builders, one per kind, so the table below reads like the design.

constexpr ControlEntry box(int no, ControlKind kind, ControlId id, ControlId container, int left,
                           int top, int width, int height, int tab, ControlSettings settings) {
    return {.number = no,
            .kind = kind,
            .id = id,
            .container = container,
            .left = left,
            .top = top,
            .width = width,
            .height = height,
            .tab = tab,
            .settings = settings};
}

constexpr ControlEntry floorButton(int no, int index, int left, int top, int tab) {
    return box(no, PushButton, {"Command1", index}, Form, left, top, 255, 255, tab,
               {.back = ScrollBar});
}

constexpr ControlEntry keypadButton(int no, int index, std::string_view caption, int left, int top,
                                    int tab) {
    return box(no, PushButton, {"Command1", index}, Form, left, top, 255, 255, tab,
               {.caption = caption, .back = ScrollBar});
}

constexpr ControlEntry timer(int no, std::string_view name, int intervalMs) {
    return {.number = no,
            .kind = Timer,
            .id = {name},
            .container = Form,
            .settings = {.intervalMs = intervalMs}};
}

constexpr ControlEntry lampBox(int no, int index, ControlId container, int left, int top, int tab,
                               Picture picture) {
    return box(no, PictureBox, {"Picture2", index}, container, left, top, 255, 255, tab,
               {.back = PaleYellow, .picture = picture});
}

constexpr ControlEntry passengerBox(int no, ControlId id, int left, int top, int width, int height,
                                    int tab) {
    return box(no, PictureBox, id, Form, left, top, width, height, tab,
               {.back = LightGreen, .picture = Picture::Passenger});
}

constexpr ControlEntry portLabel(int no, std::string_view name, int left, int top, int width,
                                 int tab, std::string_view caption) {
    return box(no, Label, {name}, Form, left, top, width, 255, tab,
               {.caption = caption, .align = TextAlign::Centre, .portFont = true});
}

constexpr ControlEntry legendLabel(int no, std::string_view name, int left, int top, int width,
                                   int height, int tab, std::string_view caption) {
    return box(no, Label, {name}, Form, left, top, width, height, tab, {.caption = caption});
}

constexpr ControlEntry floorLabel(int no, std::string_view name, int left, int top, int width,
                                  int height, int tab, std::string_view caption) {
    return box(no, Label, {name}, Form, left, top, width, height, tab,
               {.caption = caption, .back = PaleYellow, .align = TextAlign::Centre});
}

constexpr ControlEntry line(int no, std::string_view name, int x1, int y1, int x2, int y2,
                            Colour colour) {
    return {.number = no,
            .kind = Line,
            .id = {name},
            .container = Form,
            .x1 = x1,
            .y1 = y1,
            .x2 = x2,
            .y2 = y2,
            .settings = {.border = colour, .borderPixels = 3}};
}

constexpr ControlEntry floorLine(int no, std::string_view name, int y) {
    return line(no, name, 3840, y, 6240, y, DarkGreen);
}

constexpr ControlEntry edgeLine(int no, std::string_view name, int x1, int y1, int x2, int y2) {
    return line(no, name, x1, y1, x2, y2, Green);
}

constexpr ControlEntry digitImage(int no, ControlId id, int left, int top, Picture glyph,
                                  bool visible) {
    return box(no, Image, id, Form, left, top, 180, 255, NoTab,
               {.picture = glyph, .visible = visible});
}

constexpr ControlEntry plainShape(int no, std::string_view name, int left, int top, int width,
                                  int height) {
    return box(no, Shape, {name}, Form, left, top, width, height, NoTab, {.border = ShapeOutline});
}

constexpr std::string_view Label12Caption = "Lights   0000 0 x x x                           "
                                            "|  |  |                       W R B";
constexpr std::string_view Label5Caption = "Floor Code Bits          00 x x x x x x                "
                                           "|  |  |  |  |  |              5 4 3 2 1 0";
static_assert(Label12Caption.size() == 83);
static_assert(Label5Caption.size() == 96);

constexpr ControlId Box5{"Picture2", 5};
constexpr ControlId Box22{"Picture2", 22};
constexpr ControlId Box3{"Picture2", 3};

using P = Picture;

// clang-format off
constexpr std::array<ControlEntry, 68> Controls = {{
    floorButton(1, 11, 5520, 720, 38),
    timer(2, "Timer2", 10000),
    lampBox(3, 11, Form, 240, 5040, 34, P::WhiteLamp),
    lampBox(4, 10, Form, 720, 5040, 27, P::BlueLamp),
    lampBox(5, 9, Form, 480, 5040, 25, P::RedLamp),
    lampBox(6, 25, Form, 5880, 720, 24, P::SquareLamp),
    lampBox(7, 24, Form, 5880, 1560, 23, P::SquareLamp),
    lampBox(8, 5, Form, 5880, 2400, 21, P::SquareLamp),
    lampBox(9, 23, Box5, 0, 0, 22, P::SquareLamp),
    lampBox(10, 22, Form, 5880, 3240, 18, P::SquareLamp),
    lampBox(11, 3, Box22, 1320, 5640, 19, P::SquareLamp),
    lampBox(12, 4, Box3, 0, 0, 20, P::SquareLamp),
    lampBox(13, 21, Form, 5880, 4080, 17, P::SquareLamp),
    lampBox(14, 20, Form, 5880, 4920, 16, P::RedLamp),
    floorButton(15, 10, 5520, 1560, 15),
    floorButton(16, 9, 5520, 2400, 14),
    floorButton(17, 8, 5520, 3240, 13),
    floorButton(18, 7, 5520, 4080, 12),
    floorButton(19, 6, 5520, 4920, 11),
    passengerBox(20, {"Picture1"}, 4560, 4560, 735, 975, 10),
    keypadButton(21, 5, "5", 720, 1920, 9),
    keypadButton(22, 4, "4", 360, 1920, 8),
    keypadButton(23, 3, "3", 720, 2280, 7),
    keypadButton(24, 2, "2", 360, 2280, 6),
    keypadButton(25, 1, "1", 720, 2640, 5),
    keypadButton(26, 0, "0", 360, 2640, 4),
    timer(27, "Timer1", 100),
    box(28, TextBox, {"Text1"}, Form, 4200, 6240, 1455, 285, 3,
        {.caption = "Port 155 to prog", .back = TextBoxBack, .fore = Red}),
    passengerBox(29, {"Picture3"}, 1320, 1560, 975, 2295, 0),
    portLabel(30, "Label13", 1560, 5520, 2055, 39, "Present  Lift Floor  port 156 "),
    plainShape(31, "Shape3", 120, 4560, 1695, 855),
    legendLabel(32, "Label12", 240, 4680, 1455, 615, 37, Label12Caption),
    portLabel(33, "Label11", 1560, 6240, 1935, 36, "Digital Numbers  port 161 "),
    portLabel(34, "Label10", 1560, 6000, 1935, 35, "Tourn Lights  ports 170-5 "),
    floorLabel(35, "Label8", 3720, 600, 495, 495, 33, "Fifth Floor"),
    floorLabel(36, "Label7", 3720, 1560, 495, 495, 32, "Fourth Floor"),
    floorLabel(37, "Label6", 3720, 2400, 495, 495, 31, "Third Floor"),
    floorLabel(38, "Label4", 3600, 3240, 615, 495, 30, "Second Floor"),
    floorLabel(39, "Label3", 3600, 4080, 615, 495, 29, "First Floor"),
    floorLabel(40, "Label2", 3600, 4920, 615, 375, 28, "Ground Floor"),
    floorLine(41, "Line13", 4680),
    floorLine(42, "Line12", 3840),
    floorLine(43, "Line11", 3000),
    floorLine(44, "Line10", 2160),
    floorLine(45, "Line2", 1320),
    digitImage(46, {"dig", 0}, 600, 6720, P::Digit0, false),
    digitImage(47, {"dig", 1}, 900, 6720, P::Digit1, false),
    digitImage(48, {"dig", 2}, 1275, 6735, P::Digit2, false),
    digitImage(49, {"dig", 3}, 1665, 6735, P::Digit3, false),
    digitImage(50, {"dig", 4}, 2040, 6750, P::Digit4, false),
    digitImage(51, {"dig", 5}, 2340, 6750, P::Digit5, false),
    digitImage(52, {"d", 0}, 600, 1320, P::Digit0, true),
    box(53, Shape, {"Shape1"}, Form, 480, 1200, 375, 495, NoTab,
        {.fill = Black, .border = ShapeOutline}),
    portLabel(54, "Label1", 3960, 6000, 2055, 26, " Pushed button - port 155"),
    edgeLine(55, "Line9", 1200, 240, 3480, 240),
    edgeLine(56, "Line8", 3480, 3480, 3480, 240),
    edgeLine(57, "Line5", 2520, 4080, 3480, 3480),
    edgeLine(58, "Line7", 2520, 840, 3480, 240),
    edgeLine(59, "Line6", 240, 840, 1200, 240),
    edgeLine(60, "Line4", 1200, 3480, 2520, 3480),
    edgeLine(61, "Line3", 1200, 3480, 1200, 840),
    edgeLine(62, "Line1", 240, 4080, 1200, 3480),
    plainShape(63, "Shape8", 1440, 5400, 2295, 1215),
    portLabel(64, "Label9", 1560, 5760, 1935, 2, "To move Lift  port 160 "),
    plainShape(65, "Shape6", 120, 5400, 1335, 1215),
    legendLabel(66, "Label5", 240, 5640, 1335, 855, 1, Label5Caption),
    box(67, Shape, {"Shape4"}, Form, 240, 840, 2295, 3255, NoTab,
        {.fill = LightGreen, .border = Green, .borderPixels = 3}),
    box(68, Shape, {"Shape2"}, Form, 4440, 120, 975, 5535, NoTab,
        {.back = Orange, .fill = Orange, .border = Brown, .borderPixels = 3, .opaqueBack = true}),
}};
// clang-format on

constexpr WindowSettings Form1Settings = {"  Pelmo  Lift", 6225, 6720, PaleYellow};

} // namespace

const WindowSettings& form1Settings() {
    return Form1Settings;
}

std::span<const ControlEntry> controlTable() {
    return Controls;
}

const ControlEntry* findControl(ControlId id) {
    for (const ControlEntry& entry : Controls) {
        if (entry.id == id) {
            return &entry;
        }
    }
    return nullptr;
}

int cabinStartTop() {
    return findControl(controls::Picture1)->top; // the table always holds the cabin
}

} // namespace layout
