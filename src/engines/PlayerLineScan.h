#pragma once

#include "engines/LineScan.h"
#include "rules/Game.h"

#include <functional>

namespace wuzi {

using lines::CellOrder;

// What one half of a line holds, seen from a cell outward, steps k = 1..4:
//   run   1 + the stones of the counted side met
//   free  the free cells met; a free cell beyond the half's limit ends the half uncounted
//   gap   the gap score: +1 for a stone right after a free cell, +1 more when the two
//         cells before it are free, +1 more for a stone at step 4 after three free cells
//   near, far  the first and second free cell met ((0, 0) when none)
// A stone of the other side, or the edge of the board, ends the half.
struct HalfLine {
    int run = 1;
    int free = 0;
    int gap = 0;
    Cell near;
    Cell far;
};

// Both halves of one line through a cell. Slots 0 and 1 are the near and far free cells of
// the first (back) half, slots 2 and 3 those of the second (forward) half; every slot is
// recorded in this line only.
struct LineScan {
    Direction dir;
    HalfLine a;
    HalfLine b;
    Cell slot(int i) const;
    int gaps() const { return a.gap + b.gap; }
};

// How many free cells a half counts before a further one ends it: the run frame of the
// line blocks and guards takes two, the room frame of the young-line tests three, the
// four tests of the own-line attack one.
inline constexpr int kRunFrameFree = 2;
inline constexpr int kRoomFrameFree = 3;
inline constexpr int kFourFrameFree = 1;

// Scans the line through `from` in direction `dir`, counting the stones of `side`.
LineScan ScanLine(const Game& g, Cell from, const Direction& dir, int side, int maxFree);

// The three tests of the run frame, in the order they are applied to a line:
//   A  a run on the first side:  runA >= 3 and freeA >= 2
//   B  a run on the second side: runB >= 3 and freeB >= 2
//   C  a run across the stone:   runA + runB >= 4, freeA + freeB >= 2, gapA + gapB <= 2
enum class LineTest { A, B, C };
bool Passes(const LineScan& s, LineTest t);

// The free cells a guard tries on a line that passed `t`: its side's two cells for Tests A
// and B; for Test C the cells of the sides that hold a gap (two where the gap score is 2),
// or, on an unbroken line, every free cell.
CellOrder GuardCandidates(const LineScan& s, LineTest t);

// A young line with room, as the room frame sees it: a second stone, four free cells,
// room on both sides, and no more than one side's worth of gaps.
bool HasRoom(const LineScan& s);
// The free cells of such a line, the gaps first (second side before first), or on an
// unbroken line every slot.
CellOrder RoomCandidates(const LineScan& s);

// Every line (directions 1..4) through the stones of `side`, newest stone first, scanned
// with `maxFree`, until a visit leaves CompMoved True.
void ForEachLineScan(Game& g, int side, int maxFree,
                     const std::function<void(Cell stone, const LineScan&)>& visit);

// The run frame: every line through the stones of `side`, and on each Tests A, B and C in
// order; `act` runs for each test passed, until a stone is placed.
void ForEachPassedTest(Game& g, int side,
                       const std::function<void(const LineScan&, LineTest)>& act);

} // namespace wuzi
