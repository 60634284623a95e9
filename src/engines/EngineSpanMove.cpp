#include "engines/AIEasy.h"
#include "engines/Lattice.h"
#include "engines/LineScan.h"
#include "engines/PointQuestions.h"
#include "rules/Fault.h"
#include "rules/Placement.h"
#include "rules/StoneWalk.h"

namespace wuzi {

namespace {

// The ends of a player's live three in the order they are preferred: a split three in
// its gap first, then the side with more room. E0 is the back end, E1 the forward one.
lines::CellOrder preferredEnds(const lines::ThreeLine& three) {
    lines::CellOrder order;
    if (three.back.inner > 0) order.add(three.back.firstEmpty);
    if (three.forward.inner > 0) order.add(three.forward.firstEmpty);
    if (three.back.gaps > 1) order.add(three.back.firstEmpty);
    if (three.forward.gaps > 1) order.add(three.forward.firstEmpty);
    return order;
}

bool fourAt(Game& g, Cell c, int d) {
    ComputerFourAt(g, c.x, c.y, d, 1, FourMode::Play);
    return g.CompMoved;
}

bool playerThreeAt(Game& g, Cell c, int d) {
    PlayerThreeAt(g, c.x, c.y, d, PlayerThreeMode::Play);
    return g.CompMoved;
}

// Difficulty 1: an end that gives the computer a four, or the player a second three,
// before the preferred end.
bool blockWithCounterThreats(Game& g, const lines::ThreeLine& three, int d, Cell preferred) {
    Cell e0 = three.back.firstEmpty, e1 = three.forward.firstEmpty;
    return fourAt(g, e0, d) || fourAt(g, e1, d) || playerThreeAt(g, e0, d) ||
           playerThreeAt(g, e1, d) || PlayMove(g, preferred);
}

// Difficulty 2: counter-threats, then the end facing the side where fewer of the
// player's stones lie.
bool blockTowardTheCrowd(Game& g, const lines::ThreeLine& three, int d) {
    Cell e0 = three.back.firstEmpty, e1 = three.forward.firstEmpty;
    if ((three.back.inner > 0 && fourAt(g, e0, d)) || (three.forward.inner > 0 && fourAt(g, e1, d)))
        return true;
    if (playerThreeAt(g, e0, d) || playerThreeAt(g, e1, d)) return true;
    Cell favoured = FirstRegionHoldsMorePlayerStones(g, e0, e1, d) ? e0 : e1;
    return fourAt(g, favoured, d) || fourAt(g, e0, d) || fourAt(g, e1, d) || PlayMove(g, favoured);
}

// Stage 2: the first preferred end on the lattice, else the first preferred end.
bool blockOnTheLattice(EngineGame& g, const lines::CellOrder& ends) {
    for (Cell c : ends)
        if (OnLattice(g, c.x, c.y) && PlayMove(g, c)) return true;
    return PlayMove(g, ends.front());
}

bool blockThree(EngineGame& g, int stage, const lines::ThreeLine& three, int d) {
    lines::CellOrder ends = preferredEnds(three);
    if (ends.empty()) return false;
    if (stage == 2) return blockOnTheLattice(g, ends);
    if (g.Difficulty == 0) return PlayMove(g, ends.front());
    if (g.Difficulty == 1) return blockWithCounterThreats(g, three, d, ends.front());
    return blockTowardTheCrowd(g, three, d);
}

} // namespace

void EngineSpanMove(EngineGame& g, int stage) {
    if (stage != 1 && stage != 2) return;
    guarded(g, [&] {
        if (g.PlayerMoveNo < 4) return;
        forEachStoneLine(g, kPlayer, [&](Cell s, const Direction& d) {
            lines::ThreeLine three = lines::ScanThreeLine(g, s.x, s.y, d, kPlayer);
            return three.live() && blockThree(g, stage, three, d.number);
        });
    });
}

} // namespace wuzi
