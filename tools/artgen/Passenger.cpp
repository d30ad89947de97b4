#include "Passenger.h"

#include "Raster.h" // rgb

using namespace metafile;

namespace {

const Rgb Black = rgb(0x000000);
const Rgb Hair = rgb(0xB57F49);
const Rgb Skin = rgb(0xF2D8CC);
const Rgb Dress = rgb(0xFF6600);
const Rgb Bag = rgb(0xCC6633);
const Rgb Shoes = rgb(0xFF6633);
const Rgb Cap = rgb(0x6666FF);
const Rgb Jumper = rgb(0x0000FF);
const Rgb Seat = rgb(0x669966);
const Rgb ChildLegs = rgb(0x6699FF);
const Rgb Stem = rgb(0x197A3D);

// The outlines, in drawing units from the drawing's top-left corner. Each
// coloured area keeps about a unit from its neighbours, so the silhouette
// beneath shows between them as a black line.

// The whole group, one unit outside the coloured areas.
const Ring Group{
    {29, 26},  {28, 20},  {30, 18}, {28, 14}, {30, 12},  {28, 7},   {31, 6},   {30, 2},   {35, 4},
    {37, 0},   {40, 3},   {43, 0},  {46, 3},  {49, 0},   {52, 4},   {56, 2},   {55, 8},   {58, 10},
    {56, 13},  {58, 16},  {55, 19}, {57, 23}, {50, 22},  {49, 25},  {48, 29},  {45, 32},  {45, 34},
    {52, 36},  {54, 36},  {56, 33}, {59, 31}, {61, 25},  {66, 22},  {71, 24},  {71, 32},  {69, 37},
    {66, 39},  {66, 43},  {69, 45}, {72, 48}, {73, 53},  {75, 53},  {77, 58},  {74, 62},  {68, 62},
    {64, 62},  {58, 63},  {56, 72}, {56, 94}, {54, 94},  {53, 108}, {58, 109}, {60, 115}, {60, 123},
    {43, 123}, {43, 112}, {45, 95}, {38, 95}, {38, 109}, {39, 123}, {21, 123}, {21, 117}, {26, 109},
    {30, 108}, {28, 95},  {25, 94}, {27, 80}, {28, 66},  {29, 52},  {22, 62},  {18, 62},  {17, 74},
    {18, 100}, {0, 100},  {0, 75},  {3, 73},  {7, 64},   {8, 60},   {12, 56},  {19, 46},  {27, 39},
    {32, 36},  {38, 34},  {40, 34}, {40, 30}, {37, 28},  {36, 24},  {35, 26},
};
const Ring StrokeOutline{{72, 72}, {77, 72}, {77, 101}, {72, 101}};
const Ring InsideHandles{{6, 74}, {10, 69}, {13, 74}}; // left open, so the ground shows

// A spiky mop around the top and sides of the face.
const Ring HairMop{
    {30, 25}, {29, 20}, {31, 18}, {29, 14}, {31, 12}, {29, 8},  {32, 7},
    {31, 3},  {35, 5},  {37, 1},  {40, 4},  {43, 1},  {46, 4},  {49, 1},
    {51, 5},  {55, 3},  {54, 8},  {57, 10}, {55, 13}, {57, 16}, {54, 18},
    {56, 22}, {50, 21}, {49, 20}, {49, 13}, {36, 13}, {36, 23}, {34, 25},
};

const Ring FaceAndNeck{{37, 14}, {48, 14}, {48, 24}, {47, 28}, {44, 31},
                       {44, 36}, {41, 36}, {41, 31}, {38, 28}, {37, 24}};
const Ring LeftEye{{39, 18}, {41, 18}, {41, 20}, {39, 20}};
const Ring RightEye{{44, 18}, {46, 18}, {46, 20}, {44, 20}};
const Ring NoseLine{{42, 18}, {43, 18}, {43, 22}, {44, 22}, {44, 23}, {42, 23}};
const Ring Smile{{39, 25}, {41, 26}, {44, 26}, {46, 25}, {45, 27}, {40, 27}};

// From the collar down to the hem, with the right sleeve hanging to the bag.
// It stops short of the child and of the woman's hand under it.
const Ring DressOutline{
    {39, 35}, {41, 37}, {44, 37}, {46, 35}, {51, 37}, {54, 40}, {54, 42},
    {41, 42}, {41, 40}, {35, 40}, {34, 45}, {35, 50}, {40, 51}, {40, 61},
    {43, 65}, {47, 63}, {54, 61}, {55, 61}, {55, 93}, {26, 93}, {28, 80},
    {29, 66}, {30, 50}, {21, 61}, {13, 58}, {20, 47}, {27, 40}, {33, 37},
};
// The child's shoes are holes in the dress, where the black shows.
const Ring ChildShoeLeft{{36, 72}, {41, 75}, {40, 78}, {36, 80}, {33, 79}, {33, 76}};
const Ring ChildShoeRight{{50, 72}, {55, 72}, {55, 77}, {53, 80}, {50, 80}};

const Ring BagBody{{2, 76}, {16, 76}, {17, 99}, {1, 99}};
const Ring BagHandles{{3, 74}, {9, 65}, {11, 65}, {16, 74}, {14, 74}, {10, 68}, {5, 74}};
const Ring RightHand{{9, 62}, {13, 60}, {17, 62}, {17, 65}, {14, 67}, {10, 67}, {8, 64}};

const Ring LeftLeg{{29, 94}, {37, 94}, {36, 114}, {31, 114}};
const Ring RightLeg{{46, 94}, {53, 94}, {52, 114}, {47, 114}};
const Ring LeftShoe{{28, 109}, {38, 111}, {38, 122}, {22, 122}, {22, 118}, {26, 115}};
const Ring RightShoe{{44, 111}, {53, 109}, {57, 115}, {59, 118}, {59, 122}, {44, 122}};

const Ring ChildCap{{60, 31}, {62, 26}, {66, 23}, {70, 25}, {70, 31},
                    {68, 36}, {66, 36}, {65, 33}, {62, 32}};
const Ring ChildFace{{57, 34}, {61, 33}, {64, 35}, {65, 39}, {64, 43},
                     {61, 46}, {57, 45}, {55, 41}, {55, 37}};
const Ring ChildLeftEye{{58, 38}, {59, 38}, {59, 39}, {58, 39}};
const Ring ChildRightEye{{61, 38}, {62, 38}, {62, 39}, {61, 39}};
const Ring ChildMouth{{58, 42}, {61, 42}, {61, 43}, {58, 43}};
const Ring ChildHandOnChest{{36, 42}, {40, 41}, {40, 49}, {36, 48}, {35, 45}};
const Ring ChildJumper{{42, 43}, {54, 43}, {56, 47}, {62, 47}, {65, 45}, {68, 46}, {71, 49},
                       {72, 55}, {69, 55}, {67, 53}, {56, 53}, {55, 50}, {42, 50}};
const Ring LeftHand{{41, 56}, {45, 53}, {53, 54}, {53, 60}, {47, 62}, {43, 64}, {41, 60}};
const Ring ChildSeat{{55, 54}, {67, 52}, {67, 58}, {63, 61}, {56, 61}, {54, 58}};
const Ring ChildReachingHand{{70, 56}, {74, 54}, {75, 58}, {73, 61}, {69, 60}};
const Ring ChildThigh{{48, 59}, {57, 58}, {58, 62}, {49, 67}, {42, 75}, {37, 71}, {43, 64}};
const Ring ChildShin{{52, 62}, {57, 62}, {55, 71}, {51, 71}};

const Ring StrokeStem{{74, 73}, {76, 74}, {76, 89}, {73, 89}};
const Ring StrokeTip{{73, 91}, {77, 91}, {76, 100}, {74, 100}};

} // namespace

VectorArt passengerArt() {
    VectorArt art;
    art.frameWidth = 1188;
    art.frameHeight = 1875;
    art.originX = 49;
    art.originY = 604;
    art.extentX = 80;
    art.extentY = 126;
    art.parts = {
        {"silhouette", Black, {Group, StrokeOutline, InsideHandles}},
        {"woman's hair", Hair, {HairMop}},
        {"woman's face and neck", Skin, {FaceAndNeck, LeftEye, RightEye, NoseLine, Smile}},
        {"woman's dress", Dress, {DressOutline, ChildShoeLeft, ChildShoeRight}},
        {"handbag", Bag, {BagBody, BagHandles}},
        {"woman's right hand", Skin, {RightHand}},
        {"woman's legs", Skin, {LeftLeg, RightLeg}},
        {"woman's shoes", Shoes, {LeftShoe, RightShoe}},
        {"child's cap", Cap, {ChildCap}},
        {"child's face", Skin, {ChildFace, ChildLeftEye, ChildRightEye, ChildMouth}},
        {"child's hand on the woman's chest", Skin, {ChildHandOnChest}},
        {"child's jumper", Jumper, {ChildJumper}},
        {"woman's left hand", Skin, {LeftHand}},
        {"child's seat", Seat, {ChildSeat}},
        {"child's reaching hand", Skin, {ChildReachingHand}},
        {"child's legs", ChildLegs, {ChildThigh, ChildShin}},
        {"stroke", Stem, {StrokeStem}},
        {"stroke's tip", Skin, {StrokeTip}},
    };
    return art;
}
