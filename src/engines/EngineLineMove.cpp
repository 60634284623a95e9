#include "engines/AIEasy.h"
#include "engines/LineScan.h"
#include "engines/PatternMove.h"
#include "engines/PointQuestions.h"
#include "rules/Fault.h"
#include "rules/Placement.h"
#include "rules/StoneWalk.h"

namespace wuzi {

namespace {

// Offers A to `tryCell`, then B when A brought no move.
template <class TryCell> void tryBoth(Game& g, Cell a, Cell b, TryCell&& tryCell) {
    tryCell(a);
    if (!g.CompMoved) tryCell(b);
}

// The stage's action on the line's two empty cells A and B; d is the line's direction,
// which the point tests leave out.
void runStage(Game& g, int stage, int d, Cell a, Cell b) {
    switch (stage) {
    case 1: // a cell that also makes a four in another line
        return tryBoth(g, a, b, [&](Cell c) { ComputerFourAt(g, c.x, c.y, d, 1, FourMode::Play); });
    case 2:
        PlayMove(g, a);
        return;
    case 3:
        lines::CrossThreeMove(g, a, b, d, a, b);
        return;
    case 4:
    case 7:
        return tryBoth(g, a, b, [&](Cell c) { ThreatReplyAt(g, c.x, c.y, d); });
    case 5:
        return tryBoth(
            g, a, b, [&](Cell c) { PatternMoveAt(g, c.x, c.y, d, DevelopMode::OfferGroupCells); });
    case 6:
        return tryBoth(g, a, b, [&](Cell c) { PatternMoveAt(g, c.x, c.y, d, DevelopMode::Play); });
    case 8: // all four lines, but the diagonal one is left out as in stages 4 and 7
        return tryBoth(g, a, b, [&](Cell c) { ThreatReplyAt(g, c.x, c.y, d == 3 ? 3 : 0); });
    default:
        return;
    }
}

// Plays the developing cell of a group through the stone; answers whether it did.
bool developedFrom(Game& g, Cell stone) {
    return PatternMoveAt(g, stone.x, stone.y, 0, DevelopMode::PlayGroupCell);
}

} // namespace

void EngineLineMove(Game& g, int stage) {
    guarded(g, [&] {
        if (g.CompMoveNo <= 3) return;
        forEachStoneLine(g, kComputer, [&](Cell s, const Direction& d) {
            lines::EmptiesLine line = lines::ScanEmptiesLine(g, s.x, s.y, d);
            if (line.stones < 3 || line.empties != 2) return false;
            runStage(g, stage, d.number, line.cells[0], line.cells[1]);
            return g.CompMoved;
        });
    });
}

void EngineProbePatterns(Game& g) {
    guarded(g, [&] {
        if (g.CompMoveNo <= 2) return;
        forEachStone(g, kComputer, [&](Cell s) { return developedFrom(g, s); });
    });
}

} // namespace wuzi
