#include "opponents/VeskPlay.h"

#include "opponents/Opponent.h"
#include "rules/Fault.h"
#include "rules/GameRecord.h"
#include "rules/Placement.h"
#include "vesk/Levels.h"

namespace wuzi {

vesk::ThinkLimits VeskLimits(int difficulty) {
    return vesk::limitsForDifficulty(difficulty);
}

std::vector<Cell> VeskPosition(const GameState& g) {
    return RecordOf(g).moves;
}

bool VeskReplyDue(const GameState& g) {
    if (!VeskPlays(g) || !g.GameActive) return false;
    // Answered, the first mover's stones lead by one or the two sides are even.
    std::size_t players = g.playerStones.size(), computers = g.compStones.size();
    return g.PlayerFirst ? players > computers : players > 0 && players >= computers;
}

bool ReplyOwed(const EngineGame& g) {
    return g.GameActive && (g.engine.MoveSignal || VeskReplyDue(g));
}

void PlaceVeskReply(Game& g, Cell reply) {
    guarded(g, [&] {
        if (!VeskReplyDue(g)) return;
        if (isNoCell(reply)) {
            g.messages.information(kHintTitle, kDrawText);
            EndGame(g);
            return;
        }
        PlayMove(g, reply);
    });
}

} // namespace wuzi
