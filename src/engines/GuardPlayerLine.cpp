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

void TestPlayerCell(Game& g, int x, int y, int skip, PlayerCellMode mode) {
    guarded(g, [&] {
        if (isNoCell({x, y})) return;
        lines::forEachDirection(skip, [&](const Direction& d) {
            LineScan s = ScanLine(g, {x, y}, d, kPlayer, kRoomFrameFree);
            if (!HasRoom(s)) return false;
            if (mode == PlayerCellMode::Flag) {
                g.ResultFlags[0] = true;
                return true;
            }
            for (Cell c : RoomCandidates(s))
                if (MakesPlayerFour(g, c, d.number) && PlayMove(g, x, y)) return true;
            return false;
        });
    });
}

} // namespace wuzi
