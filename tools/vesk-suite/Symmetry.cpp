#include "Symmetry.h"

#include <algorithm>

namespace {

// Where symmetry `s` (0-7) takes column x and row y.
int transformed(int s, int x, int y) {
    constexpr int last = LineGrid::kSize - 1;
    if (s & 1) x = last - x;
    if (s & 2) y = last - y;
    if (s & 4) std::swap(x, y);
    return y * LineGrid::kSize + x;
}

} // namespace

std::string symmetryKey(const LineGrid& grid) {
    std::string least;
    for (int s = 0; s < 8; ++s) {
        std::string picture(LineGrid::kCells, '.');
        for (int c = 0; c < LineGrid::kCells; ++c)
            if (!grid.isEmpty(c))
                picture[transformed(s, c % LineGrid::kSize, c / LineGrid::kSize)] =
                    grid.at(c) == 0 ? 'X' : 'O';
        if (s == 0 || picture < least) least = picture;
    }
    return least;
}
