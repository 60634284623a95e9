#include "session/Hint.h"

#include "engines/SearchEngine.h"
#include "opponents/Opponent.h"
#include "opponents/Turns.h"
#include "opponents/VeskPlay.h"

#include <utility>

namespace wuzi {

namespace {

// The computer takes the player's place and the player the computer's; the books stay
// shut, so the general selection answers.
void exchangeSides(BookGame& s) {
    for (auto& c : s.BoardCells)
        if (c != kEmpty) c = static_cast<std::int16_t>(otherSide(c));
    std::swap(s.playerStones, s.compStones);
    std::swap(s.PlayerMoveNo, s.CompMoveNo);
    s.PlayerFirst = (!s.PlayerFirst);
    s.GameMode ^= 1;
    s.BookActive = s.DiagonalBookActive = false;
    s.CentreRule = false;
}

// Opponent 3 searches on a board of its own: the exchanged position, scored, without the
// stone it is about to be handed as the player's move.
void layEngineBoard(EngineGame& s, Cell handedOver) {
    EngineInit(s.engine);
    for (int y = 1; y <= kBoardSize; ++y)
        for (int x = 1; x <= kBoardSize; ++x) {
            int code = s.cell(x, y);
            if (code == kEmpty || Cell{x, y} == handedOver) continue;
            RecordEngineStone(s.engine, y - 1, x - 1,
                              code == kPlayer ? kEnginePlayer : kEngineComputer);
        }
}

// Vesk thinks for whichever side is to move: the player's, here.
std::optional<Cell> veskMove(const GameState& g, const vesk::ThinkLimits& limits,
                             int hashMegabytes) {
    vesk::EngineOptions options;
    options.hashMegabytes = hashMegabytes;
    vesk::Engine engine(options);
    if (!engine.setPosition(VeskPosition(g))) return {};
    Cell move = engine.think(limits).move;
    return isNoCell(move) ? std::nullopt : std::optional<Cell>(move);
}

} // namespace

std::optional<Cell> Hint(const GameSnapshot& g, const std::optional<vesk::ThinkLimits>& veskLimits,
                         int veskHashMegabytes) {
    SilentMessages silent;
    FixedDigitClock clock(0);
    SeededRandom random;
    BookGame copy(silent, clock, random);
    Restore(copy, g);
    if (!g.GameActive || !g.PlayerTurn || ReplyOwed(copy)) return {};
    if (g.CentreRule) return kCentre;
    if (g.compStones.empty()) return {};
    if (VeskPlays(g))
        return veskMove(g, veskLimits.value_or(VeskLimits(g.Difficulty)), veskHashMegabytes);
    exchangeSides(copy);
    Cell answered = g.compStones.back();
    if (SearchPlays(copy)) layEngineBoard(copy, answered);
    std::size_t before = copy.compStones.size();
    CompChoose(copy, answered.x, answered.y);
    EngineTurn(copy);
    if (copy.compStones.size() == before) return {};
    return copy.compStones.back();
}

} // namespace wuzi
