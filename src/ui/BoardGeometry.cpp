#include "ui/BoardGeometry.h"

#include <cmath>

namespace wuzi::BoardGeometry {

namespace {

int roundHalfEven(float v) {
    return static_cast<int>(std::nearbyint(v));
}

// One axis of the snapping: clamp to [low, high], else move to the nearest grid line.
float snapAxis(float v, float low, float high, float origin, int pitch, int threshold) {
    if (v < low) return low;
    if (v > high) return high;
    int r = roundHalfEven(v - origin) % pitch; // keeps the sign of the dividend
    return r >= threshold ? v - 6 + static_cast<float>(pitch - r) : v - 6 - static_cast<float>(r);
}

} // namespace

Cell cellAt(float x, float y) {
    float sx = snapAxis(x, 5, 300, 12, 21, 12);
    float sy = snapAxis(y, 4, 285, 11, 20, 11);
    return {roundHalfEven((sx - 5) / 21 + 1), roundHalfEven((sy - 5) / 20 + 1)};
}

} // namespace wuzi::BoardGeometry
