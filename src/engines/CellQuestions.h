#pragma once

#include "core/Frame.h"
#include "engines/AIEasy2.h"
#include "engines/AIHard.h"
#include "engines/PlayerLineScan.h"
#include "engines/PointTests.h"

namespace wuzi {

// The questions the line engines ask of a candidate cell c, each leaving out the line
// under examination (`skip`): clear the flag read, run the point test in its flag-only
// mode, read the answer.
template <class Test> bool Answers(Game& g, int flag, Test test) {
    g.ResultFlags[flag] = kFalse;
    test();
    return g.ResultFlags[flag] == kTrue;
}

// Would a computer stone on c make a four in another line?
inline bool MakesComputerFour(Game& g, Cell c, int skip) {
    return Answers(g, 0, [&] { ComputerFourAt(g, c.x, c.y, skip, 1, FourMode::Flag); });
}
// ... a live three in another line?
inline bool MakesComputerThree(Game& g, Cell c, int skip) {
    return Answers(g, 0, [&] { ComputerThreeAt(g, c.x, c.y, skip, ComputerThreeMode::Flag); });
}
// Would a player stone on c make a four with an open end in another line?
inline bool MakesPlayerFour(Game& g, Cell c, int skip) {
    return Answers(g, 1, [&] { PlayerFourAt(g, c.x, c.y, skip, PlayerFourMode::Flag); });
}
// ... start a line with room in another direction?
inline bool StartsPlayerLine(Game& g, Cell c, int skip) {
    return Answers(g, 0, [&] { TestPlayerCell(g, c.x, c.y, skip, PlayerCellMode::Flag); });
}
// Would a stone on c give its side four stones with a free cell in another line?
inline bool MakesComputerFourHard(Game& g, Cell c, int skip) {
    return Answers(g, 0, [&] { TestOwnCell(g, c.x, c.y, skip); });
}
inline bool MakesPlayerFourHard(Game& g, Cell c, int skip) {
    return Answers(g, 0, [&] { TestPlayerCellHard(g, c.x, c.y, skip); });
}

inline bool Moved(const Game& g) {
    return g.CompMoved == kTrue;
}

// Plays the first cell of `cells` that `answers`; false when none is played.
template <class Question>
bool PlayFirstAnswered(Game& g, const CellOrder& cells, Question answers) {
    for (Cell c : cells)
        if (answers(c) && PlayMove(g, c)) return true;
    return false;
}

// Runs `tryCell` (a test that may play by itself) on each cell until a stone is placed.
template <class Try> bool TryEachUntilMoved(Game& g, const CellOrder& cells, Try tryCell) {
    for (Cell c : cells) {
        tryCell(c);
        if (Moved(g)) return true;
    }
    return false;
}

} // namespace wuzi
