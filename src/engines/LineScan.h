#pragma once

#include "rules/Game.h"

#include <array>

// Line scans shared by the point tests and the AIEasy engine entries. Every scan walks
// one line through a cell (x, y) in one of the four directions, the back half first,
// at most four steps a half, and never reads off the board: a half ends at the edge.
namespace wuzi::lines {

inline constexpr int kBack = -1;
inline constexpr int kForward = 1;

// The cell `step` steps from (x, y) along direction d, in the half given by `sign`.
inline constexpr Cell stepCell(int x, int y, const Direction& d, int sign, int step) {
    return {x + sign * step * d.dx, y + sign * step * d.dy};
}

// Runs `test(direction)` on directions 1..4 in order, leaving out the one numbered
// `skip`, until it answers true; returns whether one did.
template <class Test> bool forEachDirection(int skip, Test&& test) {
    for (const Direction& d : kDirections) {
        if (d.number == skip) continue;
        if (test(d)) return true;
    }
    return false;
}

// Up to four cells, offered in order.
class CellOrder {
  public:
    void add(Cell c) { cells_[count_++] = c; }
    bool empty() const { return count_ == 0; }
    Cell front() const { return cells_[0]; }
    const Cell* begin() const { return cells_.data(); }
    const Cell* end() const { return cells_.data() + count_; }

  private:
    std::array<Cell, 4> cells_{};
    int count_ = 0;
};

// A live-three scan for one side (the own stones; the other side's stone ends a half).
// A stone beyond one empty cell is an inner stone; a stone beyond two empty cells is
// not counted and ends the half; a third empty cell ends the half.
struct ThreeHalf {
    int stones = 1; // the cell itself included
    int gaps = 0;   // at most 2
    int inner = 0;
    Cell firstEmpty; // (0, 0) when the half met no empty cell
};
struct ThreeLine {
    ThreeHalf back;
    ThreeHalf forward;
    // Three or more stones, at most one inner gap, room on both sides:
    //   . X X * .   with one more free cell beyond either end
    //   . X . X * . with a free cell beyond the split side's far stone
    bool live() const;
};
ThreeLine ScanThreeLine(const Game& g, int x, int y, const Direction& d, int side);

// A computer line with its first two empty cells: the scan passes over empty cells and
// ends a half at the line's third empty cell or at a player's stone.
struct EmptiesLine {
    int stones = 1;              // the cell itself included
    int empties = 0;             // at most 2
    std::array<Cell, 2> cells{}; // A and B, the first and second empty cells met
    int firstHalf = 0;           // kBack or kForward: where A lies
};
EmptiesLine ScanEmptiesLine(const Game& g, int x, int y, const Direction& d);

// A loose computer group with room around it (the development test's scan). Each half
// keeps up to three empty cells; a stone adds to `inner` the length of the run of
// empty cells just before it. Slots 1 and 2 are the back half's first two empty cells,
// slots 3 and 4 the forward half's.
struct GroupHalf {
    int stones = 1;
    int gaps = 0; // at most 3
    int inner = 0;
    std::array<Cell, 2> slots{};
};
struct GroupLine {
    GroupHalf back;
    GroupHalf forward;
    int inner() const { return back.inner + forward.inner; }
    Cell slot(int n) const { return n <= 2 ? back.slots[n - 1] : forward.slots[n - 3]; }
    // Two or more stones, four or more free cells, room on both sides and beyond the
    // inner gaps.
    bool qualifies() const;
    // Inner gaps first, forward side before back; for a solid group the back side first.
    CellOrder crossOrder() const;
    // Inner gaps first, back side before forward; for a solid group the back side first.
    CellOrder backFirstOrder() const;
    // The one cell a developing move takes: the forward inner gap, else the back one,
    // else the back half's first free cell, else the forward half's.
    Cell developCell() const;
};
GroupLine ScanGroupLine(const Game& g, int x, int y, const Direction& d);

// The double-three move of a line with two empty cells a and b. When a computer stone
// on a would make a live three in a line other than `skip`, `playA` is played unless the
// player could make a four on b (from Difficulty 1 an open four, from 2 any four); when
// not, the same with the roles of a and b swapped, playing `playB`. Returns whether a
// stone was placed.
bool CrossThreeMove(Game& g, Cell a, Cell b, int skip, Cell playA, Cell playB);

} // namespace wuzi::lines
