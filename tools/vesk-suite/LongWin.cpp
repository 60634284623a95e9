#include "LongWin.h"

#include "ShortestWin.h"

namespace {

using Space = ShortestWin::Space;
using Answer = ShortestWin::Answer;

// Every empty cell could hold an attacker stone: no win by fours is longer.
constexpr int kEveryStone = LineGrid::kCells;

bool noShortWin(ShortestWin& search, Space space) {
    return search.winsWithin(space, LongWin::kLeastStones - 1) == Answer::kNoWin;
}

std::optional<LongWin> judged(ShortestWin& search, Space space) {
    int plies = search.shortestPlies(space, LongWin::kLeastStones, LongWin::kMostStones);
    if (plies <= 0) return std::nullopt;
    LongWin win{space == Space::kFours, plies, search.line(space, (plies + 1) / 2)};
    if (static_cast<int>(win.line.size()) != plies) return std::nullopt;
    return win;
}

} // namespace

std::optional<LongWin> findLongWin(const LineGrid& position, long budget, bool byThreats) {
    int me = position.sideToMove();
    if (position.hasFiveCell(me) || position.hasFiveCell(1 - me)) return std::nullopt;
    ShortestWin search(position, budget);
    if (!noShortWin(search, Space::kFours)) return std::nullopt;
    Answer fours = search.winsWithin(Space::kFours, LongWin::kMostStones);
    if (fours == Answer::kWin)
        return noShortWin(search, Space::kThreats) ? judged(search, Space::kFours) : std::nullopt;
    if (!byThreats || fours == Answer::kUnknown ||
        search.winsWithin(Space::kFours, kEveryStone) != Answer::kNoWin ||
        !noShortWin(search, Space::kThreats))
        return std::nullopt;
    return judged(search, Space::kThreats);
}
