#include "core/Frame.h"

namespace wuzi {

void RunChain(Game& g, int x, int y) {
    if (g.GameMode == 6 || g.GameMode == 7)
        RunSearchChain(g, x, y);
    else if (g.GameMode >= 0 && g.GameMode <= 9)
        RunRoutineChain(g, x, y);
}

// Until the engines arrive every opponent answers with its last resort.
void RunRoutineChain(Game& g, int x, int y) {
    if (g.GameMode == 2)
        PlaceNearAlt(g, x, y);
    else
        PlaceNear(g, x, y);
}

// Until the search engine arrives opponent 3 also answers with the last resort.
void RunSearchChain(Game& g, int x, int y) { PlaceNear(g, x, y); }

} // namespace wuzi
