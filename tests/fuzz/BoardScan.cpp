#include "BoardScan.h"

#include <algorithm>

namespace wuzi::fuzz {

int At(const Board& b, int x, int y) {
    return onBoard(x, y) ? b[(y - 1) * kBoardSize + (x - 1)] : -1;
}

void Put(Board& b, Cell c, int side) {
    b[(c.y - 1) * kBoardSize + (c.x - 1)] = static_cast<std::int16_t>(side);
}

bool Full(const Board& b) {
    return std::none_of(b.begin(), b.end(), [](std::int16_t c) { return c == kEmpty; });
}

namespace {

int runFrom(const Board& b, int side, Cell c, const Direction& d, int sense) {
    int n = 0;
    while (At(b, c.x + sense * (n + 1) * d.dx, c.y + sense * (n + 1) * d.dy) == side)
        ++n;
    return n;
}

} // namespace

bool MakesFive(const Board& b, int side, Cell c) {
    return std::any_of(kDirections.begin(), kDirections.end(), [&](const Direction& d) {
        return 1 + runFrom(b, side, c, d, -1) + runFrom(b, side, c, d, 1) >= 5;
    });
}

bool HasFive(const Board& b, int side) {
    for (int y = 1; y <= kBoardSize; ++y)
        for (int x = 1; x <= kBoardSize; ++x)
            for (const Direction& d : kDirections) {
                // Only count a run from its first stone.
                if (At(b, x, y) != side || At(b, x - d.dx, y - d.dy) == side) continue;
                if (1 + runFrom(b, side, {x, y}, d, 1) >= 5) return true;
            }
    return false;
}

std::vector<Cell> FiveCellsAround(const Board& b, int side, Cell c) {
    std::vector<Cell> cells;
    for (const Direction& d : kDirections)
        for (int k = -4; k <= 4; ++k) {
            Cell e{c.x + k * d.dx, c.y + k * d.dy};
            if (At(b, e.x, e.y) == kEmpty && MakesFive(b, side, e) &&
                std::find(cells.begin(), cells.end(), e) == cells.end())
                cells.push_back(e);
        }
    return cells;
}

} // namespace wuzi::fuzz
