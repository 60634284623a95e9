#include "opponents/VeskPlay.h"

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
    return g.GameActive && g.VeskReplyOwed;
}

void PlaceVeskReply(Game& g, Cell reply) {
    guarded(g, [&] {
        bool due = VeskReplyDue(g);
        g.VeskReplyOwed = false;
        if (!due) return;
        if (isNoCell(reply)) {
            g.messages.information(kHintTitle, kDrawText);
            EndGame(g);
            return;
        }
        PlayMove(g, reply);
    });
}

} // namespace wuzi
