#include "engines/AIEasy2.h"
#include "engines/CellQuestions.h"
#include "engines/Lattice.h"
#include "rules/Fault.h"

namespace wuzi {

namespace {

// Of the two free cells n (nearer the stone) and f of a side, the one that lies toward
// the larger group of player stones, as ComparePlayerRegions sees it.
Cell towardMoreStones(Game& g, Cell n, Cell f, int d) {
    return FirstRegionHoldsMorePlayerStones(g, n, f, d) ? n : f;
}

// Stage 3: the cell that blocks the line at once.
Cell blockingCell(Game& g, const LineScan& s) {
    int d = s.dir.number;
    if (g.Difficulty == 0) return s.a.gap >= 1 ? s.slot(0) : s.b.gap >= 1 ? s.slot(2) : s.slot(0);
    if (s.a.gap >= 1)
        return s.a.gap == 1 ? s.slot(0) : towardMoreStones(g, s.slot(0), s.slot(1), d);
    if (s.b.gap >= 1)
        return s.b.gap == 1 ? s.slot(2) : towardMoreStones(g, s.slot(2), s.slot(3), d);
    return s.a.free == 1 ? s.slot(0) : towardMoreStones(g, s.slot(0), s.slot(1), d);
}

// Stage 2: block when the stone itself also starts a line with room in another direction.
void blockCrossedLine(Game& g, Cell stone, const LineScan& s) {
    int d = s.dir.number;
    if (s.a.gap >= 1 && StartsPlayerLine(g, stone, d) && PlayMove(g, s.slot(0))) return;
    if (s.b.gap >= 1 && StartsPlayerLine(g, stone, d) && PlayMove(g, s.slot(2))) return;
    if (s.gaps() == 0 && StartsPlayerLine(g, stone, d)) PlayMove(g, s.slot(0));
}

// Stage 4: the near cell of a side with a gap, or of either side of an unbroken line,
// when it lies on the lattice.
void blockOnLattice(EngineGame& g, const LineScan& s) {
    bool unbroken = s.gaps() == 0;
    for (const HalfLine* side : {&s.a, &s.b})
        if ((unbroken || side->gap >= 1) && OnLattice(g, side->near.x, side->near.y) &&
            PlayMove(g, side->near))
            return;
}

void answerYoungLine(EngineGame& g, int stage, Cell stone, const LineScan& s) {
    int d = s.dir.number;
    switch (stage) {
    case 1:
        TryEachUntilMoved(g, RoomCandidates(s),
                          [&](Cell c) { PlayerThreeAt(g, c.x, c.y, d, PlayerThreeMode::Play); });
        break;
    case 2:
        blockCrossedLine(g, stone, s);
        break;
    case 3:
        PlayMove(g, blockingCell(g, s));
        break;
    case 4:
        blockOnLattice(g, s);
        break;
    default:
        break;
    }
}

} // namespace

void GuardBrokenLine(EngineGame& g, int stage) {
    guarded(g, [&] {
        if (g.PlayerMoveNo <= 2 || stage < 1 || stage > 4) return;
        ForEachLineScan(g, kPlayer, kRoomFrameFree, [&](Cell stone, const LineScan& s) {
            if (HasRoom(s)) answerYoungLine(g, stage, stone, s);
        });
    });
}

} // namespace wuzi
