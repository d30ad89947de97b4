#pragma once

// Resource numbers of the panel's pictures, compiled into the program from
// panel/art. Shared by the resource script and the code that reads them.
#define IDI_PANEL_ICON 1
#define IDR_WHITE_LAMP 101
#define IDR_RED_LAMP 102
#define IDR_BLUE_LAMP 103
#define IDR_SQUARE_LAMP 104
#define IDR_PASSENGER 105
#define IDR_DIGIT0 110
#define IDR_DIGIT1 111
#define IDR_DIGIT2 112
#define IDR_DIGIT3 113
#define IDR_DIGIT4 114
#define IDR_DIGIT5 115
