#include "engines/Lattice.h"

#include "rules/Fault.h"
#include "rules/Placement.h"

#include <array>

namespace wuzi {

namespace {

bool latticeMode(int mode) {
    return mode == 8 || mode == 9;
}

// The two lattices of each of modes 8 and 9. Every run of five cells on a line holds
// exactly one cell of each, since each formula steps by a unit mod 5 along every line.
bool onLatticeOf(int mode, bool flip, int x, int y) {
    int value = 0;
    if (mode == 8)
        value = flip ? 2 * y - x : 2 * x - y - 2;
    else
        value = flip ? 2 * y - x - 3 : 2 * x - y - 3;
    return value % 5 == 0;
}

// The neighbours of the player's stone, in the order they are tried.
constexpr std::array<Cell, 8> kNeighbourSteps{
    {{1, 0}, {-1, 0}, {0, 1}, {0, -1}, {-1, -1}, {1, 1}, {1, -1}, {-1, 1}}};

// At the computer's second stone the first neighbour on either lattice is played and
// fixes the game's lattice; later, only the current lattice counts.
bool replyOn(EngineGame& g, int x, int y) {
    if (g.CompMoveNo != 2) return onLatticeOf(g.GameMode, g.LatticeFlip, x, y) && PlayMove(g, x, y);
    for (bool flip : {true, false}) {
        if (!onLatticeOf(g.GameMode, flip, x, y)) continue;
        if (!PlayMove(g, x, y)) return false;
        g.LatticeFlip = flip;
        return true;
    }
    return false;
}

} // namespace

bool OnLattice(const EngineGame& g, int x, int y) {
    if (g.CompMoveNo <= 2 || !latticeMode(g.GameMode)) return false;
    return (onLatticeOf(g.GameMode, g.LatticeFlip, x, y));
}

void LatticeReply(EngineGame& g, int x, int y) {
    guarded(g, [&] {
        if (!latticeMode(g.GameMode)) return;
        for (Cell step : kNeighbourSteps) {
            int nx = x + step.x, ny = y + step.y;
            if (g.isEmpty(nx, ny) && replyOn(g, nx, ny)) return;
        }
    });
}

} // namespace wuzi
