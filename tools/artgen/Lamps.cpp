#include "Lamps.h"

#include "ColourRamp.h"
#include "ShadedBall.h"

#include <algorithm>

using namespace metafile;

namespace {

struct LampRecipe {
    int side = 0;
    Rgb ground; // the picture outside the ball
    BallShape ball;
    Lighting light;
    std::vector<Tone> tones; // darkest first
    Halo halo;               // no tones: no halo
    std::vector<Touch> touches;
};

// The ball of the 14-pixel lamps: ten pixels across, rows and columns 2 to 11.
constexpr BallShape SmallBall{7.0, 7.0, 5.3, 5.3};

std::vector<Tone> blendedTones(const std::vector<Stop>& stops) {
    std::vector<Tone> tones;
    for (const Rgb& c : colourRamp(stops)) {
        tones.push_back({c});
    }
    return tones;
}

std::vector<Tone> evenTones(std::initializer_list<std::uint32_t> hexes) {
    std::vector<Tone> tones;
    for (auto hex : hexes) {
        tones.push_back({rgb(hex)});
    }
    return tones;
}

LampRecipe whiteRecipe() {
    return {
        .side = 14,
        .ground = rgb(0xFFFFFF),
        .ball = SmallBall,
        .light = {.key = {-0.35, -0.8, 0.7},
                  .ambient = 0.1,
                  .diffuse = 1.0,
                  .specular = 0.3,
                  .shininess = 8,
                  .rim = 0.5},
        .tones = evenTones({0x4A4A4A, 0x5A5A5A, 0x636363, 0x6B6B6B, 0x737373, 0x848484, 0x8C8C8C,
                            0x949494, 0x9C9C9C, 0xADADAD, 0xB5B5B5, 0xBDBDBD, 0xCECECE, 0xD6D6D6,
                            0xDEDEDE, 0xE7E7E7, 0xEFEFEF, 0xFEFFFF}),
        .halo = {},
        // A window mirrored on the glass: two pixels as white as the ground,
        // so they come out clear.
        .touches = {{3, 9, rgb(0xFFFFFF)}, {4, 9, rgb(0xFFFFFF)}},
    };
}

LampRecipe redRecipe() {
    const Rgb speck = rgb(0xC6BDBD);
    return {
        .side = 14,
        .ground = rgb(0xBFBFBF),
        .ball = SmallBall,
        .light = {.key = {-0.25, -0.3, 0.82},
                  .ambient = 0.05,
                  .diffuse = 0.5,
                  .specular = 0.9,
                  .shininess = 30,
                  .rim = 1.2},
        .tones = blendedTones({{0, rgb(0x4A0010)},
                               {8, rgb(0x7A0020)},
                               {18, rgb(0xC0003C)},
                               {25, rgb(0xFE004C)},
                               {27, rgb(0xFE0054)},
                               {29, rgb(0xFE0751)},
                               {35, rgb(0xFE4A93)},
                               {38, rgb(0xFE8BD5)}}),
        .halo = {},
        // The brightest spot of the highlight; then what is left of a drop
        // shadow: light warm grey specks, most of them to the lower right.
        .touches = {{5, 6, rgb(0xFEA4EF)},
                    {7, 12, speck},
                    {9, 12, speck},
                    {10, 13, speck},
                    {11, 11, speck},
                    {12, 12, speck},
                    {12, 10, speck},
                    {13, 9, speck},
                    {12, 7, speck},
                    {13, 5, speck},
                    {10, 2, speck}},
    };
}

LampRecipe blueRecipe() {
    const Rgb mottle = rgb(0x3366CC); // a second blue scattered through the body
    return {
        .side = 12,
        .ground = rgb(0xC0C0C0),
        // Twelve pixels across and touching every edge; a touch wider than
        // tall, which leaves seven clear pixels in each corner.
        .ball = {6.0, 6.0, 6.2, 5.9},
        .light = {.key = {-0.15, -0.45, 0.85},
                  .ambient = 0.1,
                  .diffuse = 0.9,
                  .specular = 0.8,
                  .shininess = 20,
                  .rim = 0.2},
        .tones = {{rgb(0x000033), 1},
                  {rgb(0x000066), 1},
                  {rgb(0x330066), 1},
                  {rgb(0x000099), 1},
                  {rgb(0x330099), 8},
                  {rgb(0x0000CC), 2},
                  {rgb(0x3300CC), 40},
                  {rgb(0x3300FF), 4},
                  {rgb(0x3333FF), 14},
                  {rgb(0x6633FF), 2},
                  {rgb(0x6666FF), 2},
                  {rgb(0x9966FF), 1},
                  {rgb(0x9999FF), 1}},
        .halo = {.tones = {{rgb(0x888888), 1},
                           {rgb(0xAAAAAA), 1},
                           {rgb(0xCCCCCC), 2},
                           {rgb(0xCCCCFF), 3},
                           {rgb(0xDDDDDD), 3},
                           {rgb(0xEEEEEE), 3}},
                 .towardsX = -1.0,
                 .towardsY = -0.8,
                 .from = 0.1},
        .touches = {{4, 8, mottle}, {7, 3, mottle}, {7, 8, mottle}, {9, 5, mottle}},
    };
}

LampRecipe squareRecipe() {
    return {
        .side = 14,
        .ground = rgb(0xBEBEBE),
        .ball = SmallBall,
        .light = {.key = {-0.3, -0.5, 0.8},
                  .ambient = 0.05,
                  .diffuse = 0.8,
                  .specular = 0.9,
                  .shininess = 16,
                  .rim = 0.4},
        .tones = blendedTones({{0, rgb(0x00004A)},
                               {6, rgb(0x0000A0)},
                               {11, rgb(0x0000FF)},
                               {12, rgb(0x0800FF)},
                               {16, rgb(0x4A5AFF)},
                               {18, rgb(0x8CA7FF)},
                               {19, rgb(0xA6C7FF)}}),
        .halo = {},
        .touches = {},
    };
}

RgbImage drawLamp(const LampRecipe& recipe) {
    RgbImage image(recipe.side, recipe.side, recipe.ground);
    paintBall(image, recipe.ball, recipe.light, recipe.tones);
    if (!recipe.halo.tones.empty()) {
        paintHalo(image, recipe.ball, recipe.halo);
    }
    applyTouches(image, recipe.touches);
    return image;
}

// Every colour the recipe paints the ball with, first use first, without the
// ground.
std::vector<Rgb> lampColours(const LampRecipe& recipe) {
    std::vector<Rgb> colours;
    const auto add = [&](Rgb c) {
        if (c != recipe.ground && std::find(colours.begin(), colours.end(), c) == colours.end()) {
            colours.push_back(c);
        }
    };
    for (const Tone& t : recipe.tones) {
        add(t.colour);
    }
    for (const Tone& t : recipe.halo.tones) {
        add(t.colour);
    }
    for (const Touch& t : recipe.touches) {
        add(t.colour);
    }
    return colours;
}

IndexedImage gifLamp(const LampRecipe& recipe, int paletteSize, int transparentIndex) {
    return toIndexed(drawLamp(recipe),
                     {paletteSize, lampColours(recipe), recipe.ground, transparentIndex});
}

} // namespace

IndexedImage whiteLamp() {
    return gifLamp(whiteRecipe(), 32, 18);
}

IndexedImage redLamp() {
    return gifLamp(redRecipe(), 64, 12);
}

IndexedImage blueLamp() {
    return gifLamp(blueRecipe(), 32, 4);
}

RgbImage squareLamp() {
    return drawLamp(squareRecipe());
}
