#include "engines/AIHard.h"
#include "engines/CellQuestions.h"
#include "engines/PlayerLineGuard.h"
#include "rules/Fault.h"

namespace wuzi {

// The player-line guard from the player's third stone on, whose first stage looks for a
// player's four (not only an open-ended run) through a candidate; it has no stage 5.
void HardPlayerLine(Game& g, int stage) {
    guarded(g, [&] {
        if (g.PlayerMoveNo < 4 || stage < 1 || stage > 4) return;
        ForEachPassedTest(g, kPlayer, [&](const LineScan& s, LineTest t) {
            CellOrder cells = GuardCandidates(s, t);
            if (stage != 1) return GuardStage(g, stage, s, t, cells);
            PlayFirstAnswered(g, cells,
                              [&](Cell c) { return MakesPlayerFourHard(g, c, s.dir.number); });
        });
    });
}

} // namespace wuzi
