#pragma once

#include "engines/SearchState.h"
#include "rules/Game.h"

namespace wuzi {

// The engines' own part of a game, kept beside the rules' GameState.
struct EngineState {
    // The search engine of opponent 3 keeps a board of its own.
    SearchState engine;
    // Which of its mode's two lattices Corvane's lattice play keeps to (chosen by the
    // computer's second stone, or by a book that hands the game to the lattice).
    bool LatticeFlip = false;
};

// The game as the engines play it: the rules' game with the engines' part. The routines
// that read only the board take the rules' Game; the lattice and the search take this.
struct EngineGame : Game, EngineState {
    using Game::Game;
};

} // namespace wuzi
