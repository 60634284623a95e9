#include "PlayerPolicy.h"

#include "core/Hint.h"

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

// Cells on the lines through c where a computer stone would leave two ways to five:
// an open four or a double four in the making.
std::vector<Cell> openThreeCells(const Board& b, Cell c) {
    std::vector<Cell> cells;
    for (const Direction& d : kDirections)
        for (int k = -4; k <= 4; ++k) {
            Cell e{c.x + k * d.dx, c.y + k * d.dy};
            if (At(b, e.x, e.y) != kEmpty) continue;
            Board trial = b;
            Put(trial, e, kComputer);
            if (FiveCellsAround(trial, kComputer, e).size() >= 2) cells.push_back(e);
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

Cell DefendingCell(const Game& g, ByteStream& in, int takesItsWin, bool followsHint) {
    const Board& b = g.BoardCells;
    if (g.CentreRule == kTrue && !in.chance(10)) return {8, 8};
    bool greedy = in.chance(takesItsWin);
    if (greedy && !g.imgPlayer.empty()) {
        Cell win = pickFrom(FiveCellsAround(b, kPlayer, g.imgPlayer.back().cell()), in);
        if (!isNoCell(win)) return win;
    }
    // Threats of the computer's newest stones: fives first, then open threes.
    std::size_t recent = std::min<std::size_t>(g.imgComputer.size(), 3);
    for (bool fives : {true, false})
        for (std::size_t k = 0; k < recent; ++k) {
            Cell stone = g.imgComputer[g.imgComputer.size() - 1 - k].cell();
            Cell block = pickFrom(
                fives ? FiveCellsAround(b, kComputer, stone) : openThreeCells(b, stone), in);
            if (!isNoCell(block)) return block;
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
