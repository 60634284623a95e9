#include "engines/AIEasy2.h"
#include "engines/CellQuestions.h"
#include "engines/PlayerLineGuard.h"
#include "rules/Fault.h"

namespace wuzi {

void GuardPlayerLine(Game& g, int stage) {
    guarded(g, [&] {
        if (g.PlayerMoveNo < 6 || stage < 1 || stage > 5) return;
        ForEachPassedTest(g, kPlayer, [&](const LineScan& s, LineTest t) {
            GuardStage(g, stage, s, t, GuardCandidates(s, t));
        });
    });
}

bool TestPlayerCell(Game& g, int x, int y, int skip, PlayerCellMode mode) {
    return guardedAnswer(g, [&] {
        if (isNoCell({x, y})) return false;
        return lines::forEachDirection(skip, [&](const Direction& d) {
            LineScan s = ScanLine(g, {x, y}, d, kPlayer, kRoomFrameFree);
            if (!HasRoom(s)) return false;
            if (mode == PlayerCellMode::Answer) return true;
            for (Cell c : RoomCandidates(s))
                if (MakesPlayerFour(g, c, d.number) && PlayMove(g, x, y)) return true;
            return false;
        });
    });
}

} // namespace wuzi
