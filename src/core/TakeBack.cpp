#include "core/TakeBack.h"

namespace wuzi {

bool TakeBack::CanUndo(const GameState& g) const {
    return !positions_.empty() && g.GameActive == kTrue && g.PlayerTurn == kTrue &&
           !g.engine.MoveSignal && positions_.back().PlayerMoveNo < g.PlayerMoveNo;
}

bool TakeBack::Undo(Game& g) {
    if (!CanUndo(g)) return false;
    GameState earlier = std::move(positions_.back());
    positions_.pop_back();
    // The settings of the run are not part of the position.
    earlier.Difficulty = g.Difficulty;
    earlier.SearchLevel = g.SearchLevel;
    earlier.menu = g.menu;
    earlier.OptionsEnabled = g.OptionsEnabled;
    earlier.LessonNo = g.LessonNo;
    // The book's answer was taken back with the player's stone: its line is gone.
    earlier.BookActive = kFalse;
    earlier.DiagonalBookActive = kFalse;
    static_cast<GameState&>(g) = std::move(earlier);
    return true;
}

} // namespace wuzi
