#include "engines/AIEasy.h"
#include "engines/LineScan.h"
#include "engines/PatternMove.h"
#include "engines/PointQuestions.h"
#include "rules/Fault.h"
#include "rules/StoneWalk.h"

namespace wuzi {

namespace {

// Plays c when a computer stone there makes a live three in a line other than d.
bool tryCrossThree(Game& g, Cell c, int d) {
    ComputerThreeAt(g, c.x, c.y, d, ComputerThreeMode::Play);
    return g.CompMoved;
}

// A player stone on c would make no four in a line other than d.
bool safe(Game& g, Cell c, int d) {
    return !MakesPlayerFour(g, c, d);
}

// Stage 1 from Difficulty 1 on: a side is tried only while the first empty cell of the
// other side is safe.
bool extendGuarded(Game& g, const lines::GroupLine& line, int d) {
    const lines::GroupHalf& back = line.back;
    const lines::GroupHalf& forward = line.forward;
    if (forward.inner > 0 && safe(g, line.slot(1), d)) {
        if (tryCrossThree(g, line.slot(3), d)) return true;
        if (forward.inner > 1 && tryCrossThree(g, line.slot(4), d)) return true;
    }
    if (back.inner > 0 && safe(g, line.slot(3), d)) {
        if (tryCrossThree(g, line.slot(1), d)) return true;
        if (back.inner > 1 && tryCrossThree(g, line.slot(2), d)) return true;
    }
    if (line.inner() != 0) return false;
    if (safe(g, line.slot(3), d)) {
        if (tryCrossThree(g, line.slot(1), d)) return true;
        if (back.gaps > 1 && tryCrossThree(g, line.slot(2), d)) return true;
    }
    if (safe(g, line.slot(1), d)) {
        if (tryCrossThree(g, line.slot(3), d)) return true;
        if (forward.gaps > 1 && tryCrossThree(g, line.slot(4), d)) return true;
    }
    return false;
}

// Stage 1: a group cell that makes a live three across.
bool extendIntoCrossThree(Game& g, const lines::GroupLine& line, int d) {
    if (g.Difficulty != 0) return extendGuarded(g, line, d);
    for (Cell c : line.crossOrder())
        if (tryCrossThree(g, c, d)) return true;
    return false;
}

// Stages 2 and 3: a group cell that develops, or heads for a three, in another line.
bool developAcross(Game& g, const lines::GroupLine& line, int d, DevelopMode mode) {
    for (Cell c : line.backFirstOrder()) {
        PatternMoveAt(g, c.x, c.y, d, mode);
        if (g.CompMoved) return true;
    }
    return false;
}

bool runStage(Game& g, int stage, const lines::GroupLine& line, int d) {
    if (stage == 1) return extendIntoCrossThree(g, line, d);
    return developAcross(g, line, d,
                         stage == 2 ? DevelopMode::Play : DevelopMode::PlayIfCrossThree);
}

} // namespace

void EnginePatternMove(Game& g, int stage) {
    if (stage < 1 || stage > 3) return;
    guarded(g, [&] {
        if (g.CompMoveNo <= 3) return;
        forEachStoneLine(g, kComputer, [&](Cell s, const Direction& d) {
            lines::GroupLine line = lines::ScanGroupLine(g, s.x, s.y, d);
            return line.qualifies() && runStage(g, stage, line, d.number);
        });
    });
}

} // namespace wuzi
