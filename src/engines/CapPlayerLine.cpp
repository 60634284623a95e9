#include "engines/AIEasy2.h"
#include "engines/CellQuestions.h"
#include "engines/Lattice.h"
#include "rules/Fault.h"

namespace wuzi {

namespace {

bool onLattice(const EngineGame& g, Cell c) {
    return !isNoCell(c) && OnLattice(g, c.x, c.y);
}

// Stage 1 on one side of the line: the near free cell, unless at higher difficulty a cell
// of that side would also build something of the computer's own in another line.
void blockSide(Game& g, const HalfLine& side, int d) {
    auto three = [&](Cell c) { return MakesComputerThree(g, c, d); };
    auto four = [&](Cell c) { return MakesComputerFour(g, c, d); };
    CellOrder nearThenFar;
    nearThenFar.add(side.near);
    nearThenFar.add(side.far);
    if (g.Difficulty == 2 && PlayFirstAnswered(g, nearThenFar, three)) return;
    if (g.Difficulty >= 1 && PlayFirstAnswered(g, nearThenFar, four)) return;
    PlayMove(g, side.near);
}

// Stage 2 on one side: only a lattice cell, near before far.
void blockSideOnLattice(EngineGame& g, const HalfLine& side) {
    if (onLattice(g, side.near) && PlayMove(g, side.near)) return;
    if (onLattice(g, side.far)) PlayMove(g, side.far);
}

// Test C blocks on one side: the one holding a gap, else the one with two free cells.
const HalfLine* sideAcross(const LineScan& s) {
    if (s.a.gap > 0) return &s.a;
    if (s.b.gap > 0) return &s.b;
    if (s.a.free >= 2) return &s.a;
    if (s.b.free >= 2) return &s.b;
    return nullptr;
}

// Stage 2 across the stone: the near cells of the sides with gaps, or of the sides with
// two free cells on an unbroken line.
void blockAcrossOnLattice(EngineGame& g, const LineScan& s) {
    bool unbroken = s.gaps() == 0;
    for (const HalfLine* side : {&s.a, &s.b})
        if ((unbroken ? side->free >= 2 : side->gap > 0) && onLattice(g, side->near) &&
            PlayMove(g, side->near))
            return;
}

void capLine(EngineGame& g, int stage, const LineScan& s, LineTest t) {
    int d = s.dir.number;
    if (t == LineTest::C) {
        const HalfLine* side = sideAcross(s);
        if (stage == 2)
            blockAcrossOnLattice(g, s);
        else if (side)
            blockSide(g, *side, d);
        return;
    }
    const HalfLine& side = t == LineTest::A ? s.a : s.b;
    if (stage == 2)
        blockSideOnLattice(g, side);
    else
        blockSide(g, side, d);
}

} // namespace

void CapPlayerLine(EngineGame& g, int stage) {
    guarded(g, [&] {
        if (g.PlayerMoveNo < 6 || (stage != 1 && stage != 2)) return;
        ForEachPassedTest(g, kPlayer,
                          [&](const LineScan& s, LineTest t) { capLine(g, stage, s, t); });
    });
}

} // namespace wuzi
