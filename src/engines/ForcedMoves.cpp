#include "engines/ForcedMoves.h"

#include "engines/PointQuestions.h"
#include "rules/Fault.h"
#include "rules/Placement.h"
#include "rules/StoneWalk.h"

#include <array>

namespace wuzi {

namespace {

// The forced moves' own line order: horizontal, vertical, rising diagonal, falling
// diagonal. The first half-line steps by `first`, the second by its opposite.
struct HalfLineStep {
    int dx;
    int dy;
};
constexpr std::array<HalfLineStep, 4> kFirstHalfSteps{{{-1, 0}, {0, -1}, {-1, 1}, {1, 1}}};

struct HalfLine {
    int stones = 1; // the stone itself included
    int empties = 0;
    int inner = 0;  // stones beyond a gap
    Cell candidate; // the first empty cell
};

// Scans up to five cells for `side`. An empty cell beyond the first ends the scan; with
// `countSecondEmpty` it is counted first.
HalfLine scanHalfLine(const Game& g, Cell from, HalfLineStep step, int side,
                      bool countSecondEmpty) {
    HalfLine h;
    bool previousEmpty = false;
    for (int i = 1; i <= 5; ++i) {
        int x = from.x + i * step.dx, y = from.y + i * step.dy;
        if (!onBoard(x, y)) break;
        int code = g.cell(x, y);
        if (code == side) {
            ++h.stones;
            if (i >= 2 && previousEmpty) ++h.inner;
            previousEmpty = false;
        } else if (code == kEmpty) {
            if (h.empties == 1) {
                if (countSecondEmpty) ++h.empties;
                break;
            }
            h.empties = 1;
            h.candidate = {x, y};
            previousEmpty = true;
        } else {
            break;
        }
    }
    return h;
}

HalfLineStep opposite(HalfLineStep s) {
    return {-s.dx, -s.dy};
}

// Completes a five of `side` through the stone s (for the player's: blocks it).
bool fiveThrough(Game& g, Cell s, int side) {
    for (HalfLineStep step : kFirstHalfSteps) {
        HalfLine a = scanHalfLine(g, s, step, side, false);
        if (a.stones > 3 && a.empties == 1 && PlayMove(g, a.candidate)) return true;
        HalfLine b = scanHalfLine(g, s, opposite(step), side, false);
        if (b.stones > 3 && b.empties == 1 && PlayMove(g, b.candidate)) return true;
        if (a.stones + b.stones < 5 || a.empties + b.empties == 0 || a.inner + b.inner >= 2)
            continue;
        Cell c = b.inner == 1     ? b.candidate
                 : a.inner == 1   ? a.candidate
                 : a.empties >= 1 ? a.candidate
                                  : b.candidate;
        if (PlayMove(g, c)) return true;
    }
    return false;
}

// Makes a four of a computer three with room on both sides.
bool fourThrough(Game& g, Cell s) {
    for (HalfLineStep step : kFirstHalfSteps) {
        HalfLine a = scanHalfLine(g, s, step, kComputer, true);
        HalfLine b = scanHalfLine(g, s, opposite(step), kComputer, true);
        int inner = a.inner + b.inner;
        bool qualifies =
            a.stones + b.stones - 1 >= 3 && a.empties >= 1 && b.empties >= 1 &&
            a.empties + b.empties >= 3 && inner < 2 &&
            (inner == 0 || (a.inner == 1 && a.empties > 1) || (b.inner == 1 && b.empties > 1));
        if (!qualifies) continue;
        Cell c = b.inner == 1    ? b.candidate
                 : a.inner == 1  ? a.candidate
                 : a.empties > 1 ? a.candidate
                                 : b.candidate;
        if (PlayMove(g, c)) return true;
    }
    return false;
}

// Stone, gap, stone, gap, stone, gap, stone along a sense d, as offsets from the
// examined stone s: three stones and three gaps, the gaps listed as g1 (the middle
// gap), g2 (the other gap nearest s), g3.
struct DoubleFourShape {
    std::array<int, 3> stones;
    std::array<int, 3> gaps;
};
constexpr DoubleFourShape kEndShape{{2, 4, 6}, {3, 1, 5}};      // s . X . X . X
constexpr DoubleFourShape kSecondShape{{-2, 2, 4}, {1, -1, 3}}; // X . s . X . X

// The negative senses of horizontal, vertical, falling and rising diagonal, in order.
constexpr std::array<HalfLineStep, 4> kNegativeSenses{{{-1, 0}, {0, -1}, {-1, -1}, {1, -1}}};

struct ShapeAt {
    const DoubleFourShape* shape;
    bool negativeSense;
};
// Within a direction: end shape negative, end positive, second-stone positive, negative.
constexpr std::array<ShapeAt, 4> kShapeOrder{
    {{&kEndShape, true}, {&kEndShape, false}, {&kSecondShape, false}, {&kSecondShape, true}}};

Cell offsetCell(Cell s, HalfLineStep d, int k) {
    return {s.x + k * d.dx, s.y + k * d.dy};
}

// All seven cells, the examined stone's included, must lie on the board.
bool matches(const Game& g, Cell s, HalfLineStep d, const DoubleFourShape& shape, int side) {
    if (!onBoard(s)) return false;
    for (int k : shape.stones) {
        Cell c = offsetCell(s, d, k);
        if (!onBoard(c) || g.cell(c.x, c.y) != side) return false;
    }
    for (int k : shape.gaps) {
        Cell c = offsetCell(s, d, k);
        if (!onBoard(c) || g.cell(c.x, c.y) != kEmpty) return false;
    }
    return true;
}

// Visits the sixteen double-four shapes of `side` through s in their fixed order until
// `found(gaps)` answers true; the gaps are given as g1, g2, g3.
template <class Found> bool findDoubleFour(const Game& g, Cell s, int side, Found&& found) {
    for (HalfLineStep negative : kNegativeSenses) {
        for (ShapeAt at : kShapeOrder) {
            HalfLineStep d = at.negativeSense ? negative : opposite(negative);
            if (!matches(g, s, d, *at.shape, side)) continue;
            std::array<Cell, 3> gaps{};
            for (int i = 0; i < 3; ++i)
                gaps[i] = offsetCell(s, d, at.shape->gaps[i]);
            if (found(gaps)) return true;
        }
    }
    return false;
}

// The player's double four is blocked on the first gap where a computer stone makes a
// four of its own, else on the middle gap.
bool blockDoubleFour(Game& g, const std::array<Cell, 3>& gaps) {
    for (Cell gap : gaps)
        if (MakesComputerFour(g, gap, 0) && PlayMove(g, gap)) return true;
    return PlayMove(g, gaps[0]);
}

} // namespace

void CompFive(Game& g) {
    guarded(g, [&] {
        if (g.CompMoveNo < 5) return;
        forEachStone(g, kComputer, [&](Cell s) { return fiveThrough(g, s, kComputer); });
    });
}

void BlockFive(Game& g) {
    guarded(g, [&] {
        if (g.PlayerMoveNo < 5) return;
        forEachStone(g, kPlayer, [&](Cell s) { return fiveThrough(g, s, kPlayer); });
    });
}

void CompFour(Game& g) {
    guarded(g, [&] {
        if (g.CompMoveNo < 4) return;
        forEachStone(g, kComputer, [&](Cell s) { return fourThrough(g, s); });
    });
}

void CompDoubleFour(Game& g) {
    guarded(g, [&] {
        if (g.CompMoveNo <= 4) return;
        forEachStone(g, kComputer, [&](Cell s) {
            return findDoubleFour(g, s, kComputer,
                                  [&](const auto& gaps) { return PlayMove(g, gaps[0]); });
        });
    });
}

void BlockDoubleFour(Game& g, int x, int y) {
    guarded(g, [&] {
        if (isNoCell({x, y})) return;
        findDoubleFour(g, {x, y}, kPlayer,
                       [&](const std::array<Cell, 3>& gaps) { return blockDoubleFour(g, gaps); });
    });
}

} // namespace wuzi
