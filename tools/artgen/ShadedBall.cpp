#include "ShadedBall.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace {

Vec3 normalised(Vec3 v) {
    const double length = std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z);
    return {v.x / length, v.y / length, v.z / length};
}

double dot(Vec3 a, Vec3 b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}

double power(double base, int exponent) {
    double result = 1;
    for (int i = 0; i < exponent; ++i) {
        result *= base;
    }
    return result;
}

bool onEdge(const BallShape& ball, const RgbImage& image, int col, int row) {
    const auto inside = [&](int c, int r) {
        return c >= 0 && r >= 0 && c < image.width && r < image.height && ball.contains(c, r);
    };
    return !inside(col - 1, row) || !inside(col + 1, row) || !inside(col, row - 1) ||
           !inside(col, row + 1);
}

struct Ranked {
    double value;
    int col, row;
};

// Sorts the pixels by value and colours them from the tones, lowest first:
// the pixel of rank r takes the tone whose cumulative weight first passes the
// middle of its place, (r + 1/2) / count of the total. Ties keep reading order.
void paintByRank(RgbImage& image, std::vector<Ranked> pixels, const std::vector<Tone>& tones) {
    std::stable_sort(pixels.begin(), pixels.end(),
                     [](const Ranked& a, const Ranked& b) { return a.value < b.value; });
    const long total = std::accumulate(tones.begin(), tones.end(), 0L,
                                       [](long sum, const Tone& t) { return sum + t.weight; });
    const long count = static_cast<long>(pixels.size());
    for (long rank = 0; rank < count; ++rank) {
        const long place = (2 * rank + 1) * total;
        long reached = 0;
        std::size_t tone = 0;
        while (tone + 1 < tones.size() && (reached + tones[tone].weight) * 2 * count <= place) {
            reached += tones[tone].weight;
            ++tone;
        }
        const Ranked& p = pixels[std::size_t(rank)];
        image.at(p.col, p.row) = tones[tone].colour;
    }
}

} // namespace

double shade(const BallShape& ball, const Lighting& light, int col, int row) {
    const double x = ball.dx(col);
    const double y = ball.dy(row);
    const Vec3 normal{x, y, std::sqrt(std::max(0.0, 1.0 - x * x - y * y))};

    const Vec3 key = normalised(light.key);
    const Vec3 halfway = normalised({key.x, key.y, key.z + 1.0}); // between light and viewer
    return light.ambient + light.diffuse * std::max(0.0, dot(normal, key)) +
           light.specular * power(std::max(0.0, dot(normal, halfway)), light.shininess) +
           light.rim * (1.0 - normal.z) * (1.0 - normal.z);
}

void paintBall(RgbImage& image, const BallShape& ball, const Lighting& light,
               const std::vector<Tone>& tones) {
    std::vector<Ranked> pixels;
    for (int row = 0; row < image.height; ++row) {
        for (int col = 0; col < image.width; ++col) {
            if (ball.contains(col, row)) {
                pixels.push_back({shade(ball, light, col, row), col, row});
            }
        }
    }
    paintByRank(image, pixels, tones);
}

void paintHalo(RgbImage& image, const BallShape& ball, const Halo& halo) {
    const double towardsLength =
        std::sqrt(halo.towardsX * halo.towardsX + halo.towardsY * halo.towardsY);
    std::vector<Ranked> rim;
    for (int row = 0; row < image.height; ++row) {
        for (int col = 0; col < image.width; ++col) {
            if (!ball.contains(col, row) || !onEdge(ball, image, col, row)) {
                continue;
            }
            const double x = ball.dx(col);
            const double y = ball.dy(row);
            const double facing = (x * halo.towardsX + y * halo.towardsY) /
                                  (std::sqrt(x * x + y * y) * towardsLength);
            if (facing >= halo.from) {
                rim.push_back({facing, col, row});
            }
        }
    }
    paintByRank(image, rim, halo.tones);
}

void applyTouches(RgbImage& image, const std::vector<Touch>& touches) {
    for (const Touch& t : touches) {
        image.at(t.col, t.row) = t.colour;
    }
}
