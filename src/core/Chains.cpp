#include "core/ForcedMoves.h"
#include "core/Frame.h"

namespace wuzi {

void RunChain(Game& g, int x, int y) {
    if (g.GameMode == 6 || g.GameMode == 7)
        RunSearchChain(g, x, y);
    else if (g.GameMode >= 0 && g.GameMode <= 9)
        RunRoutineChain(g, x, y);
}

// Until the opponents' own chains arrive every opponent plays the forced moves, then
// its last resort. Each step runs only while no stone has been placed.
void RunRoutineChain(Game& g, int x, int y) {
    auto step = [&](auto&& routine) {
        if (g.CompMoved == kFalse) routine();
    };
    step([&] { CompFive(g); });
    step([&] { BlockFive(g); });
    step([&] { CompFour(g); });
    step([&] { CompDoubleFour(g); });
    if (g.GameMode == 2)
        step([&] { PlaceNearAlt(g, x, y); });
    else
        step([&] { PlaceNear(g, x, y); });
}

// Until the search engine arrives opponent 3 also answers with the last resort.
void RunSearchChain(Game& g, int x, int y) { PlaceNear(g, x, y); }

} // namespace wuzi
