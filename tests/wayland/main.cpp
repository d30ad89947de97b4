#include "OffscreenScreens.h"

// Three screens in a row, at 100, 150 and 200 %, each 800 x 600 pixels at
// its scale.
constexpr const char* Screens = R"({"screens": [
    {"name": "a100", "x": 0, "y": 0, "width": 800, "height": 600,
     "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1},
    {"name": "b150", "x": 800, "y": 0, "width": 1200, "height": 900,
     "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1},
    {"name": "c200", "x": 2000, "y": 0, "width": 1600, "height": 1200,
     "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})";

int main(int argc, char* argv[]) {
    return runOnOffscreenScreens(argc, argv, Screens, "a100=1;b150=1.5;c200=2");
}
