#include "engines/AIEasy2.h"
#include "engines/CellQuestions.h"
#include "engines/PatternMove.h"
#include "rules/Fault.h"
#include "rules/StoneWalk.h"

namespace wuzi {

namespace {

// The unbroken run of free cells next to a stone on one side, steps 1..4, and the first
// three of them, nearest first.
struct FreeRun {
    int free = 0;
    std::array<Cell, 3> cells{};
};

FreeRun freeRun(const Game& g, Cell stone, int dx, int dy) {
    FreeRun run;
    for (int k = 1; k <= 4; ++k) {
        int x = stone.x + k * dx, y = stone.y + k * dy;
        if (!g.isEmpty(x, y)) break;
        if (run.free < 3) run.cells[run.free] = {x, y};
        ++run.free;
    }
    return run;
}

// Stage 1: a free cell beyond the stone (only on a side with two free cells or more)
// through which another line holds a computer group worth developing.
bool extendTowardGroup(Game& g, const FreeRun& a, const FreeRun& b, int d) {
    for (const FreeRun* side : {&a, &b}) {
        for (int i = 0; i < 3; ++i) {
            if (side->free < i + 2) break;
            Cell c = side->cells[i];
            if (LiesOnGroupWithRoom(g, c, d) && PlayMove(g, c)) return true;
        }
    }
    return false;
}

// The stage's move on the lines through one stone with room on both sides.
void extendFrom(Game& g, int stage, Cell stone) {
    for (const Direction& d : kDirections) {
        FreeRun a = freeRun(g, stone, -d.dx, -d.dy);
        FreeRun b = freeRun(g, stone, d.dx, d.dy);
        if (a.free + b.free < 5 || a.free < 1 || b.free < 1) continue;
        if (stage == 1 && extendTowardGroup(g, a, b, d.number)) return;
        // Stage 2: next to the stone on the roomier side, the second on a tie.
        if (stage == 2 && PlayMove(g, a.free > b.free ? a.cells[0] : b.cells[0])) return;
    }
}

} // namespace

void ExtendOwnLine(Game& g, int stage) {
    guarded(g, [&] {
        if (g.CompMoveNo < 3 || (stage != 1 && stage != 2)) return;
        forEachStone(g, kComputer, [&](Cell stone) {
            extendFrom(g, stage, stone);
            return Moved(g);
        });
    });
}

} // namespace wuzi
