#include "PuzzleJudge.h"

#include "ShortestWin.h"

#include <algorithm>

namespace {

using Space = ShortestWin::Space;
using Answer = ShortestWin::Answer;

// Every empty cell could hold an attacker stone: no win by fours is longer.
constexpr int kEveryStone = LineGrid::kCells;

// The level of a win of `moves` stones of its kind, or -1.
int levelOf(bool byFours, int moves) {
    const auto& levels = puzzleLevels();
    for (std::size_t i = 0; i < levels.size(); ++i)
        if (levels[i].byFours == byFours && moves >= levels[i].leastMoves &&
            moves <= levels[i].mostMoves)
            return static_cast<int>(i);
    return -1;
}

int mostMoves(bool byFours) {
    int most = 0;
    for (const PuzzleLevel& level : puzzleLevels())
        if (level.byFours == byFours) most = std::max(most, level.mostMoves);
    return most;
}

// The shortest win of the space in moves: 0 for none within the levels' range, -1 for
// unknown.
int shortestMoves(ShortestWin& search, Space space) {
    int plies = search.shortestPlies(space, 3, mostMoves(space == Space::kFours));
    return plies > 0 ? (plies + 1) / 2 : plies;
}

bool wantsThreats(const std::array<bool, 4>& wanted) {
    for (std::size_t i = 0; i < wanted.size(); ++i)
        if (wanted[i] && !puzzleLevels()[i].byFours) return true;
    return false;
}

// The level and length of the side to move's win, or nothing.
std::optional<JudgedPuzzle> judgeWin(ShortestWin& search, const std::array<bool, 4>& wanted) {
    int fours = shortestMoves(search, Space::kFours);
    if (fours < 0) return std::nullopt;
    if (fours > 0) {
        int level = levelOf(true, fours);
        if (level < 0 || !wanted[level] ||
            search.winsWithin(Space::kThreats, fours - 1) != Answer::kNoWin)
            return std::nullopt;
        return JudgedPuzzle{level, fours, {}};
    }
    if (!wantsThreats(wanted) || search.winsWithin(Space::kFours, kEveryStone) != Answer::kNoWin)
        return std::nullopt;
    int threats = shortestMoves(search, Space::kThreats);
    int level = threats > 0 ? levelOf(false, threats) : -1;
    if (level < 0 || !wanted[level]) return std::nullopt;
    return JudgedPuzzle{level, threats, {}};
}

} // namespace

std::optional<JudgedPuzzle> judgePuzzle(const LineGrid& position, long budget,
                                        const std::array<bool, 4>& wanted) {
    if (position.hasFiveCell(0) || position.hasFiveCell(1)) return std::nullopt;
    ShortestWin search(position, budget);
    if (search.winsWithin(Space::kThreats, 2) != Answer::kNoWin) return std::nullopt;
    std::optional<JudgedPuzzle> judged = judgeWin(search, wanted);
    if (!judged) return std::nullopt;
    Space space = puzzleLevels()[judged->level].byFours ? Space::kFours : Space::kThreats;
    judged->line = search.line(space, judged->moves);
    if (static_cast<int>(judged->line.size()) != 2 * judged->moves - 1) return std::nullopt;
    return judged;
}
