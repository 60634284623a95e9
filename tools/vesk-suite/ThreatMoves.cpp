#include "ThreatMoves.h"

#include <algorithm>

namespace threat {

namespace {

// A cell with fewer than two roads of three stones cannot leave two cells of five.
bool mayDoubleFive(const LineGrid& grid, int cell, int side) {
    return grid.isEmpty(cell) && grid.roads(cell, side, 3) >= 2;
}

bool doubleFiveAt(const LineGrid& grid, int cell, int side, DoubleFive& out) {
    if (!mayDoubleFive(grid, cell, side)) return false;
    out.cell = cell;
    out.count = grid.fivesMadeBy(cell, side, out.fives, 4);
    return out.count >= 2;
}

bool contains(const std::array<int, 5>& window, int cell) {
    return std::find(window.begin(), window.end(), cell) != window.end();
}

// Whether `g` would leave two cells of five for `side` once `stone` is placed too (both
// empty now).
bool doubleFiveWith(const LineGrid& grid, int g, int stone, int side) {
    int first = -1;
    for (int w : LineGrid::windowsThrough(g)) {
        const auto& cells = LineGrid::windowCells(w);
        bool withStone = contains(cells, stone);
        if (grid.inWindow(w, 1 - side) != 0 || grid.inWindow(w, side) + withStone != 3) continue;
        for (int e : cells)
            if (e != g && e != stone && grid.isEmpty(e)) {
                if (first >= 0 && e != first) return true;
                first = e;
            }
    }
    return false;
}

// A stone of `side` on the empty `cell` would leave a double five: one in a window
// through the stone that it fills to three.
bool makesThree(const LineGrid& grid, int cell, int side) {
    for (int w : LineGrid::windowsThrough(cell)) {
        if (grid.inWindow(w, 1 - side) != 0 || grid.inWindow(w, side) != 2) continue;
        for (int g : LineGrid::windowCells(w))
            if (g != cell && grid.isEmpty(g) && doubleFiveWith(grid, g, cell, side)) return true;
    }
    return false;
}

// A defender stone on `cell` leaves the double five standing.
bool survives(const DoubleFive& d, int cell) {
    if (d.cell == cell) return false;
    int left = d.count - static_cast<int>(std::count(d.fives, d.fives + d.count, cell));
    return left >= 2;
}

} // namespace

std::vector<DoubleFive> doubleFives(const LineGrid& grid, int side) {
    std::vector<DoubleFive> found;
    DoubleFive d;
    for (int c = 0; c < LineGrid::kCells; ++c)
        if (doubleFiveAt(grid, c, side, d)) found.push_back(d);
    return found;
}

bool hasDoubleFive(const LineGrid& grid, int side) {
    DoubleFive d;
    for (int c = 0; c < LineGrid::kCells; ++c)
        if (doubleFiveAt(grid, c, side, d)) return true;
    return false;
}

std::vector<int> attacks(const LineGrid& grid, int side, bool threes) {
    std::vector<int> fours, others;
    for (int c = 0; c < LineGrid::kCells; ++c) {
        if (!grid.isEmpty(c)) continue;
        if (grid.makesFour(c, side))
            fours.push_back(c);
        else if (threes && grid.roads(c, side, 2) > 0 && makesThree(grid, c, side))
            others.push_back(c);
    }
    fours.insert(fours.end(), others.begin(), others.end());
    return fours;
}

std::vector<int> defences(const LineGrid& grid, int attacker) {
    std::vector<DoubleFive> threats = doubleFives(grid, attacker);
    std::vector<int> blocks, counters;
    for (int c = 0; c < LineGrid::kCells; ++c) {
        if (!grid.isEmpty(c)) continue;
        bool stops = std::none_of(threats.begin(), threats.end(),
                                  [c](const DoubleFive& d) { return survives(d, c); });
        if (stops)
            blocks.push_back(c);
        else if (grid.makesFour(c, 1 - attacker))
            counters.push_back(c);
    }
    blocks.insert(blocks.end(), counters.begin(), counters.end());
    return blocks;
}

} // namespace threat
