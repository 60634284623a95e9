#pragma once

#include "engines/AIEasy2.h"
#include "engines/AIHard.h"
#include "engines/PatternMove.h"
#include "engines/PlayerLineScan.h"
#include "engines/PointQuestions.h"
#include "rules/Placement.h"

namespace wuzi {

// The line engines' own cell questions, asked as the point questions are, each leaving out
// the line under examination (`skip`).

// Would a player stone on c start a line with room in another direction?
inline bool StartsPlayerLine(Game& g, Cell c, int skip) {
    return TestPlayerCell(g, c.x, c.y, skip, PlayerCellMode::Answer);
}
// Would a stone on c give its side four stones with a free cell in another line?
inline bool MakesComputerFourHard(Game& g, Cell c, int skip) {
    return TestOwnCell(g, c.x, c.y, skip);
}
inline bool MakesPlayerFourHard(Game& g, Cell c, int skip) {
    return TestPlayerCellHard(g, c.x, c.y, skip);
}
// Does another line through c hold a computer group with room to develop?
inline bool LiesOnGroupWithRoom(Game& g, Cell c, int skip) {
    return PatternMoveAt(g, c.x, c.y, skip, DevelopMode::Answer);
}

inline bool Moved(const Game& g) {
    return g.CompMoved;
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
