#pragma once

#include "opponents/ChainSteps.h"
#include "opponents/Roster.h"

namespace wuzi {

// Answers the player's stone (x, y) from an opening book while one is in force; false
// when none is, and the chain answers instead.
using BookEntry = bool (*)(BookGame& g, int x, int y);

// How an opponent plays one side: its chain of routines (none where the search answers)
// and its opening book (none for a side without one).
struct OpponentSide {
    const Chain* chain = nullptr;
    BookEntry book = nullptr;
};

// Who chooses an opponent's moves: its chains of routines (and books), opponent 3's
// look-ahead search, or Vesk's engine. The last two think apart from the game, on the
// session's worker, and place their reply when it is found.
enum class Chooser { Routines, LookAhead, Vesk };

// One of the 棋手 menu's computer opponents.
struct Opponent {
    const char* name;
    Chooser chooser;
    OpponentSide playerFirst;
    OpponentSide computerFirst;

    const OpponentSide& side(bool playerMovesFirst) const {
        return playerMovesFirst ? playerFirst : computerFirst;
    }
};

// Corbie, Quillon, Marrowick, Peddrin, Corvane and Vesk, by their menu index.
const Opponent& OpponentAt(int index);

// The opponent of a GameMode (2 x index, + 1 when the computer moves first); null for a
// mode outside 0 .. 2 x kOpponentCount - 1.
const Opponent* OpponentOf(int gameMode);
const OpponentSide* SideOf(int gameMode);

// Whether the look-ahead search, or Vesk, plays the current game's opponent.
bool SearchPlays(const GameState& g);
bool VeskPlays(const GameState& g);
// Either: the opponent thinks apart from the game.
bool ThinksApart(const GameState& g);

} // namespace wuzi
