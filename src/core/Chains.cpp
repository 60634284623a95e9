#include "core/Frame.h"

namespace wuzi {

// Until the engines arrive every opponent answers with its last resort.
void RunChain(Game& g, int x, int y) {
    if (g.GameMode == 2)
        PlaceNearAlt(g, x, y);
    else if (g.GameMode >= 0 && g.GameMode <= 9)
        PlaceNear(g, x, y);
}

} // namespace wuzi
