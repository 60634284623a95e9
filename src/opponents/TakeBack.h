#pragma once

#include "opponents/GameSnapshot.h"

#include <vector>

namespace wuzi {

// 悔棋: takes back the player's last stone together with the computer's answer, as often
// as the player likes, back to the start of the game, also after a game has ended on
// five. It keeps the whole position before each of the player's stones, so the board,
// the histories, the counters, the markers and the search engine's board come back
// exactly.
class TakeBack {
  public:
    // Runs the player's click and, when it placed a stone, keeps the position before it.
    template <class Click> void playerClick(BookGame& g, Click&& click) {
        GameSnapshot before = g;
        click();
        if (g.PlayerMoveNo > before.PlayerMoveNo) positions_.push_back(std::move(before));
    }

    // With a stone of the player's to take back, in a running game on the player's turn
    // (not while the search engine owes its answer; Vesk's is the session's to say), or in
    // a game that ended on five.
    bool CanUndo(const BookGame& g) const;

    // Returns the game to the position before the player's last stone; a finished game
    // is running again, with its own opponent, difficulty and side. An opening book
    // that was still in force there is left: from then on the general move selection
    // answers. Returns false, changing nothing, when CanUndo is false.
    bool Undo(BookGame& g);

    // A new game forgets the old one's positions.
    void clear() { positions_.clear(); }
    std::size_t depth() const { return positions_.size(); }

  private:
    std::vector<GameSnapshot> positions_;
};

} // namespace wuzi
