#include "lessons/Diagrams.h"

#include <algorithm>

namespace wuzi {

std::vector<DemoMove> DiagramMoves(DemoDiagram d) {
    const std::vector<DemoMove>& game = DemoGame(d.game);
    auto count = static_cast<std::size_t>(std::clamp(d.moves, 0, static_cast<int>(game.size())));
    return {game.begin(), game.begin() + static_cast<std::ptrdiff_t>(count)};
}

} // namespace wuzi
