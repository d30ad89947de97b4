#include "ColourRamp.h"

using namespace metafile;

std::vector<Rgb> colourRamp(const std::vector<Stop>& stops) {
    std::vector<Rgb> colours;
    for (std::size_t i = 0; i + 1 < stops.size(); ++i) {
        const Stop& from = stops[i];
        const Stop& to = stops[i + 1];
        const int span = to.at - from.at;
        for (int step = 0; step < span; ++step) {
            const auto mix = [&](std::uint8_t a, std::uint8_t b) {
                return static_cast<std::uint8_t>((a * (span - step) + b * step + span / 2) / span);
            };
            colours.push_back({mix(from.colour.red, to.colour.red),
                               mix(from.colour.green, to.colour.green),
                               mix(from.colour.blue, to.colour.blue)});
        }
    }
    colours.push_back(stops.back().colour);
    return colours;
}
