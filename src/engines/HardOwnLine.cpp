#include "engines/AIHard.h"
#include "engines/CellQuestions.h"
#include "engines/PatternMove.h"
#include "rules/Fault.h"

namespace wuzi {

namespace {

// Plays c when a computer stone there makes a live three in another line and, by
// Difficulty, a player stone on the guard cell would make neither an open four (1 and 2)
// nor a four (2).
bool playGuardedThree(Game& g, Cell c, Cell guard, int d) {
    return MakesComputerThree(g, c, d) && !MakesFearedPlayerFour(g, guard, d) && PlayMove(g, c);
}

bool playIfThree(Game& g, Cell c, int d) {
    return MakesComputerThree(g, c, d) && PlayMove(g, c);
}

// Stage 2 across the stone: the gaps first, guarded, then the plain threes.
void attackThreeAcross(Game& g, const LineScan& s) {
    int d = s.dir.number, gapA = s.a.gap, gapB = s.b.gap;
    Cell slot0 = s.slot(0), slot1 = s.slot(1), slot2 = s.slot(2), slot3 = s.slot(3);
    if (gapA == 2 && playGuardedThree(g, slot0, slot1, d)) return;
    if (gapB == 2 && playGuardedThree(g, slot2, slot3, d)) return;
    if (gapA == 1 && gapB == 1 &&
        (playGuardedThree(g, slot0, slot2, d) || playGuardedThree(g, slot2, slot0, d)))
        return;
    if (gapA + gapB == 0 && PlayFirstAnswered(g, GuardCandidates(s, LineTest::C),
                                              [&](Cell c) { return MakesComputerThree(g, c, d); }))
        return;
    if (gapA == 1 && (playIfThree(g, slot0, d) || playIfThree(g, s.a.free < 2 ? slot2 : slot1, d)))
        return;
    if (gapB == 1 && !playIfThree(g, slot2, d)) playIfThree(g, s.b.free < 2 ? slot0 : slot3, d);
}

void attackLine(Game& g, int stage, const LineScan& s, LineTest t) {
    int d = s.dir.number;
    CellOrder cells = GuardCandidates(s, t);
    switch (stage) {
    case 1:
        PlayFirstAnswered(g, cells, [&](Cell c) { return MakesComputerFourHard(g, c, d); });
        break;
    case 2:
        if (t == LineTest::C) {
            attackThreeAcross(g, s);
        } else {
            const HalfLine& h = t == LineTest::A ? s.a : s.b;
            if (MakesComputerThree(g, h.near, d))
                playGuardedThree(g, h.near, h.far, d);
            else
                playGuardedThree(g, h.far, h.near, d);
        }
        break;
    case 3:
        TryEachUntilMoved(g, cells, [&](Cell c) { ThreatReplyAt(g, c.x, c.y, d); });
        break;
    case 4:
        TryEachUntilMoved(
            g, cells, [&](Cell c) { PatternMoveAt(g, c.x, c.y, d, DevelopMode::OfferGroupCells); });
        break;
    default:
        break;
    }
}

// Four or more stones of `side` through (x, y) in another line, over a stretch with at most
// one inner gap and at least one free cell: each half takes in one free cell at most.
bool testFourCell(Game& g, int x, int y, int skip, int side) {
    return guardedAnswer(g, [&] {
        if (isNoCell({x, y})) return false;
        return lines::forEachDirection(skip, [&](const Direction& d) {
            LineScan s = ScanLine(g, {x, y}, d, side, kFourFrameFree);
            bool fourOnA = s.a.free >= 1 && s.a.run >= 4;
            bool fourOnB = s.b.free >= 1 && s.b.run >= 4;
            bool fourAcross =
                s.a.run + s.b.run - 1 >= 4 && s.a.free + s.b.free >= 1 && s.gaps() <= 1;
            return fourOnA || fourOnB || fourAcross;
        });
    });
}

} // namespace

void HardOwnLine(Game& g, int stage) {
    guarded(g, [&] {
        if (g.CompMoveNo < 4 || stage < 1 || stage > 4) return;
        ForEachPassedTest(g, kComputer,
                          [&](const LineScan& s, LineTest t) { attackLine(g, stage, s, t); });
    });
}

bool TestOwnCell(Game& g, int x, int y, int skip) {
    return testFourCell(g, x, y, skip, kComputer);
}

bool TestPlayerCellHard(Game& g, int x, int y, int skip) {
    return testFourCell(g, x, y, skip, kPlayer);
}

} // namespace wuzi
