#include "opponents/TakeBack.h"

#include "rules/WinningLine.h"

namespace wuzi {

namespace {

bool endedOnFive(const GameState& g) {
    auto fiveThrough = [&g](const std::vector<Cell>& stones) {
        return !stones.empty() && !WinningLine(g.BoardCells, stones.back()).empty();
    };
    return !g.GameActive && (fiveThrough(g.playerStones) || fiveThrough(g.compStones));
}

} // namespace

bool TakeBack::CanUndo(const BookGame& g) const {
    if (positions_.empty() || positions_.back().PlayerMoveNo >= g.PlayerMoveNo) return false;
    if (g.GameActive) return g.PlayerTurn && !g.engine.MoveSignal;
    return endedOnFive(g);
}

bool TakeBack::Undo(BookGame& g) {
    if (!CanUndo(g)) return false;
    GameSnapshot earlier = std::move(positions_.back());
    positions_.pop_back();
    // The book's answer was taken back with the player's stone: its line is gone.
    earlier.BookActive = false;
    earlier.DiagonalBookActive = false;
    if (g.GameActive) {
        // The settings of the run are not part of the position.
        earlier.Difficulty = g.Difficulty;
        earlier.SearchLevel = g.SearchLevel;
    }
    // Taken back past a five, the game goes on as it was played, with its own difficulty.
    Restore(g, std::move(earlier));
    return true;
}

} // namespace wuzi
