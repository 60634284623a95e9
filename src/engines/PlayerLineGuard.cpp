#include "engines/PlayerLineGuard.h"

#include "engines/CellQuestions.h"

namespace wuzi {

namespace {

// A player's live-three point, tried first where a computer stone would also make a live
// three (Difficulty 2, one-sided runs only) or a four (Difficulty 1 and 2).
void guardThreePoint(Game& g, int d, LineTest test, const CellOrder& cells) {
    auto blockThree = [&](Cell c) { PlayerThreeAt(g, c.x, c.y, d, PlayerThreeMode::Play); };
    auto blockThreeIf = [&](auto helpsComputer) {
        return TryEachUntilMoved(g, cells, [&](Cell c) {
            if (helpsComputer(c)) blockThree(c);
        });
    };
    if (g.Difficulty == 2 && test != LineTest::C &&
        blockThreeIf([&](Cell c) { return MakesComputerThree(g, c, d); }))
        return;
    if ((g.Difficulty == 1 || g.Difficulty == 2) &&
        blockThreeIf([&](Cell c) { return MakesComputerFour(g, c, d); }))
        return;
    TryEachUntilMoved(g, cells, blockThree);
}

} // namespace

void GuardStage(Game& g, int stage, const LineScan& s, LineTest test, const CellOrder& cells) {
    int d = s.dir.number;
    switch (stage) {
    case 1:
        PlayFirstAnswered(g, cells, [&](Cell c) { return MakesPlayerFour(g, c, d); });
        break;
    case 2:
        guardThreePoint(g, d, test, cells);
        break;
    case 3:
        TryEachUntilMoved(g, cells,
                          [&](Cell c) { PlayerFourAt(g, c.x, c.y, d, PlayerFourMode::Block); });
        break;
    case 4:
        TryEachUntilMoved(g, cells,
                          [&](Cell c) { TestPlayerCell(g, c.x, c.y, d, PlayerCellMode::Play); });
        break;
    case 5:
        PlayFirstAnswered(g, cells, [&](Cell c) { return StartsPlayerLine(g, c, d); });
        break;
    default:
        break;
    }
}

} // namespace wuzi
