#include "PlayerPolicy.h"

#include "session/Hint.h"

#include <algorithm>

namespace wuzi::fuzz {

namespace {

Cell pickFrom(const std::vector<Cell>& cells, ByteStream& in) {
    return cells.empty() ? Cell{}
                         : cells[static_cast<std::size_t>(in.pick(static_cast<int>(cells.size())))];
}

std::vector<Cell> cellsWhere(auto&& keep) {
    std::vector<Cell> cells;
    for (int y = 1; y <= kBoardSize; ++y)
        for (int x = 1; x <= kBoardSize; ++x)
            if (keep(Cell{x, y})) cells.push_back({x, y});
    return cells;
}

bool nearAStone(const Board& b, Cell c) {
    for (int dy = -2; dy <= 2; ++dy)
        for (int dx = -2; dx <= 2; ++dx)
            if (At(b, c.x + dx, c.y + dy) > 0) return true;
    return false;
}

// Cells on the lines through c where a stone of `side` would leave two ways to five:
// an open four or a double four in the making.
std::vector<Cell> doubleThreatCells(const Board& b, int side, Cell c) {
    std::vector<Cell> cells;
    for (const Direction& d : kDirections)
        for (int k = -4; k <= 4; ++k) {
            Cell e{c.x + k * d.dx, c.y + k * d.dy};
            if (At(b, e.x, e.y) != kEmpty) continue;
            Board trial = b;
            Put(trial, e, side);
            if (FiveCellsAround(trial, side, e).size() >= 2) cells.push_back(e);
        }
    return cells;
}

} // namespace

Cell AnyEmptyCell(const Game& g, ByteStream& in) {
    return pickFrom(cellsWhere([&](Cell c) { return At(g.BoardCells, c.x, c.y) == kEmpty; }), in);
}

Cell AnyTakenCell(const Game& g, ByteStream& in) {
    return pickFrom(cellsWhere([&](Cell c) { return At(g.BoardCells, c.x, c.y) > 0; }), in);
}

namespace {

// A cell that makes five (or, with `fives` false, two ways to five) for `side` on the
// lines through its three newest stones.
Cell threatCell(const Board& b, int side, const std::vector<Cell>& stones, bool fives,
                ByteStream& in) {
    for (std::size_t k = 0; k < std::min<std::size_t>(stones.size(), 3); ++k) {
        Cell stone = stones[stones.size() - 1 - k];
        Cell c = pickFrom(
            fives ? FiveCellsAround(b, side, stone) : doubleThreatCells(b, side, stone), in);
        if (!isNoCell(c)) return c;
    }
    return {};
}

} // namespace

Cell DefendingCell(const BookGame& g, ByteStream& in, int takesItsWin, bool followsHint) {
    const Board& b = g.BoardCells;
    if (g.CentreRule && !in.chance(10)) return {8, 8};
    bool greedy = in.chance(takesItsWin);
    // Its own five, the computer's five, its own open four, the computer's open four.
    for (bool fives : {true, false}) {
        Cell win = greedy ? threatCell(b, kPlayer, g.playerStones, fives, in) : Cell{};
        if (!isNoCell(win)) return win;
        if (Cell block = threatCell(b, kComputer, g.compStones, fives, in); !isNoCell(block))
            return block;
    }
    if (followsHint)
        if (std::optional<Cell> hint = Hint(g); hint && (greedy || !MakesFive(b, kPlayer, *hint)))
            return *hint;
    auto quiet = cellsWhere([&](Cell c) {
        return At(b, c.x, c.y) == kEmpty && nearAStone(b, c) &&
               (greedy || !MakesFive(b, kPlayer, c));
    });
    return quiet.empty() ? AnyEmptyCell(g, in) : pickFrom(quiet, in);
}

} // namespace wuzi::fuzz
