#include "core/Hint.h"

#include "core/Frame.h"

#include <utility>

namespace wuzi {

namespace {

std::vector<StonePicture> picturesOf(const std::vector<StonePicture>& stones, bool player) {
    std::vector<StonePicture> pictures;
    for (const auto& s : stones) {
        Cell c = s.cell();
        pictures.push_back({compStoneLeft(c.x), player ? playerStoneTop(c.y) : compStoneTop(c.y)});
    }
    return pictures;
}

// The computer takes the player's place and the player the computer's; the books stay
// shut, so the general selection answers.
void exchangeSides(GameState& s) {
    for (auto& c : s.BoardCells)
        if (c != kEmpty) c = static_cast<std::int16_t>(otherSide(c));
    auto player = picturesOf(s.imgComputer, true);
    s.imgComputer = picturesOf(s.imgPlayer, false);
    s.imgPlayer = std::move(player);
    std::swap(s.PlayerMoveNo, s.CompMoveNo);
    s.PlayerFirst = toFlag(s.PlayerFirst != kTrue);
    s.GameMode ^= 1;
    s.BookActive = s.DiagonalBookActive = kFalse;
    s.CentreRule = kFalse;
}

} // namespace

std::optional<Cell> Hint(const Game& g) {
    if (g.GameActive != kTrue || g.PlayerTurn != kTrue || g.engine.MoveSignal) return {};
    if (g.CentreRule == kTrue) return Cell{8, 8};
    if (g.imgComputer.empty()) return {};
    SilentMessages silent;
    FixedDigitClock clock(0);
    SeededRandom random;
    Game copy(silent, clock, random);
    static_cast<GameState&>(copy) = g;
    exchangeSides(copy);
    Cell answered = g.imgComputer.back().cell();
    std::size_t before = copy.imgComputer.size();
    CompMove(copy, answered.x, answered.y);
    if (copy.imgComputer.size() == before) return {};
    return copy.imgComputer.back().cell();
}

} // namespace wuzi
