#include "ui/BoardGeometry.h"

#include <cmath>

namespace wuzi::BoardGeometry {

namespace {

int roundHalfEven(float v) {
    return static_cast<int>(std::nearbyint(v));
}

// One axis of the snapping: a click is clamped to [low, high], else moved to the grid
// line it is nearest, measured from `origin`; the line is then rounded to its cell.
struct Axis {
    float low;
    float high;
    float origin;
    int pitch;
    int threshold; // a remainder from here on moves to the next line
};
constexpr Axis kColumns{5, 300, 12, kColumnPitch, 12};
constexpr Axis kRows{4, 285, 11, kRowPitch, 11};

float snap(float v, const Axis& a) {
    if (v < a.low) return a.low;
    if (v > a.high) return a.high;
    int r = roundHalfEven(v - a.origin) % a.pitch; // keeps the sign of the dividend
    return r >= a.threshold ? v - 6 + static_cast<float>(a.pitch - r)
                            : v - 6 - static_cast<float>(r);
}

int cellOf(float v, const Axis& a) {
    return roundHalfEven((snap(v, a) - 5) / static_cast<float>(a.pitch) + 1);
}

} // namespace

Cell cellAt(float x, float y) {
    return {cellOf(x, kColumns), cellOf(y, kRows)};
}

} // namespace wuzi::BoardGeometry
