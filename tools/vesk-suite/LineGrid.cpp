#include "LineGrid.h"

#include <algorithm>
#include <random>

namespace {

struct WindowTables {
    std::array<std::array<int, 5>, LineGrid::kWindows> cells{};
    std::array<std::array<int, 20>, LineGrid::kCells> through{};
    std::array<int, LineGrid::kCells> throughCount{};
    int count = 0;

    constexpr WindowTables() {
        constexpr int kDx[4] = {1, 0, 1, 1};
        constexpr int kDy[4] = {0, 1, 1, -1};
        constexpr int n = LineGrid::kSize;
        for (int d = 0; d < 4; ++d)
            for (int y = 0; y < n; ++y)
                for (int x = 0; x < n; ++x) {
                    int endX = x + 4 * kDx[d], endY = y + 4 * kDy[d];
                    if (endX >= n || endY < 0 || endY >= n) continue;
                    for (int i = 0; i < 5; ++i) {
                        int c = (y + i * kDy[d]) * n + x + i * kDx[d];
                        cells[count][i] = c;
                        through[c][throughCount[c]++] = count;
                    }
                    ++count;
                }
    }
};

constexpr WindowTables kTables;
static_assert(kTables.count == LineGrid::kWindows);

std::array<std::array<std::uint64_t, 2>, LineGrid::kCells> makeKeys() {
    std::array<std::array<std::uint64_t, 2>, LineGrid::kCells> keys;
    std::mt19937_64 random(20261209);
    for (auto& cell : keys)
        for (auto& key : cell)
            key = random();
    return keys;
}

const auto kKeys = makeKeys();

} // namespace

const std::array<int, 5>& LineGrid::windowCells(int window) {
    return kTables.cells[window];
}

std::span<const int> LineGrid::windowsThrough(int cell) {
    return {kTables.through[cell].data(), static_cast<std::size_t>(kTables.throughCount[cell])};
}

LineGrid::LineGrid() {
    stones_.fill(kEmpty);
}

// Roads with no stone are not counted: no question asks for them.
void LineGrid::bump(int side, int cell, int stones, int delta) {
    if (stones == 0) return;
    std::uint8_t& roads = roads_[side][cell][stones];
    if (stones == 4) fiveCells_[side] += (roads == 0) - (roads + delta == 0);
    roads = static_cast<std::uint8_t>(roads + delta);
}

// A stone of `side` on `cell` (still empty) fills the window, a road of `side`, from
// `stones` to one more; `sign` -1 takes it back.
void LineGrid::fill(int window, int cell, int side, int stones, int sign) {
    for (int c : kTables.cells[window]) {
        if (stones_[c] != kEmpty) continue;
        bump(side, c, stones, -sign);
        if (c != cell) bump(side, c, stones + 1, sign);
    }
}

// The window stops (or, with `sign` +1, starts again) being a road of `side`.
void LineGrid::close(int window, int side, int stones, int sign) {
    for (int c : kTables.cells[window])
        if (stones_[c] == kEmpty) bump(side, c, stones, sign);
}

void LineGrid::place(int cell, int side) {
    int other = 1 - side;
    for (int w : windowsThrough(cell)) {
        auto& count = counts_[w];
        if (count[other] == 0) fill(w, cell, side, count[side], +1);
        if (count[side] == 0) close(w, other, count[other], -1);
        ++count[side];
    }
    stones_[cell] = static_cast<std::int8_t>(side);
    ++stoneCount_;
    hash_ ^= kKeys[cell][side];
}

void LineGrid::lift(int cell) {
    int side = stones_[cell], other = 1 - side;
    stones_[cell] = kEmpty;
    for (int w : windowsThrough(cell)) {
        auto& count = counts_[w];
        --count[side];
        if (count[other] == 0) fill(w, cell, side, count[side], -1);
        if (count[side] == 0) close(w, other, count[other], +1);
    }
    --stoneCount_;
    hash_ ^= kKeys[cell][side];
}

std::vector<int> LineGrid::fiveCells(int side) const {
    std::vector<int> cells;
    for (int c = 0; c < kCells && static_cast<int>(cells.size()) < fiveCells_[side]; ++c)
        if (stones_[c] == kEmpty && makesFive(c, side)) cells.push_back(c);
    return cells;
}

// A window through `cell` with three stones of `side` and none of the other has two
// empty cells: the stone on one leaves five on the other.
int LineGrid::fivesMadeBy(int cell, int side, int* out, int most) const {
    int found = 0;
    for (int w : windowsThrough(cell)) {
        if (counts_[w][side] != 3 || counts_[w][1 - side] != 0) continue;
        for (int c : kTables.cells[w]) {
            if (c == cell || stones_[c] != kEmpty) continue;
            if (std::find(out, out + found, c) != out + found) continue;
            out[found++] = c;
            if (found == most) return found;
        }
    }
    return found;
}

LineGrid gridOf(const std::vector<int>& stones) {
    LineGrid grid;
    for (std::size_t i = 0; i < stones.size(); ++i)
        grid.place(stones[i], static_cast<int>(i % 2));
    return grid;
}
