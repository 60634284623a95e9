#pragma once

#include "engines/EngineGame.h"

namespace wuzi {

// The opening books' own part of a game: which books are still in force and where each
// stands in its lines.
struct BookState {
    bool BookActive = false;
    bool DiagonalBookActive = false;
    bool BookCoin = false;
    int BookMoveNo = 0;
    int BookOrientation = 0;
    int BookLine = 0;    // not reset by a new game
    int BookSubLine = 0; // not reset by a new game
};

// The game as the books play it: the engines' game with the books' part. Nothing above
// adds a part of its own, so it is the whole game: the opponents play it and the session
// holds it.
struct BookGame : EngineGame, BookState {
    using EngineGame::EngineGame;
};

} // namespace wuzi
