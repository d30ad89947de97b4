#include "OffscreenScreens.h"

// Two screens side by side: an ordinary one, and to its right one of twice the
// pixel density, so that a window can be moved from one to the other. The
// platform orders the screens by name and makes the first the primary one.
// The dense screen is 1600 x 1200 pixels, 800 x 600 at its factor.
constexpr const char* Screens = R"({"screens": [
    {"name": "1x", "x": 0, "y": 0, "width": 800, "height": 600,
     "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1},
    {"name": "2x", "x": 800, "y": 0, "width": 1600, "height": 1200,
     "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})";

int main(int argc, char* argv[]) {
    return runOnOffscreenScreens(argc, argv, Screens, "1x=1;2x=2");
}
