#pragma once

#include <ostream>

// Vesk against itself for the evaluation's data: each game from a random opening, its
// first moves chosen at random among near-best ones, then searched to a fixed depth, so
// that the same seed plays the same games.
namespace tune {

struct SelfPlaySettings {
    int games = 100;
    int depth = 8;
    long nodes = 300000; // trial stones a move may spend at most
    unsigned seed = 1;
};

// Writes every position of every game where neither side can make five and the side to
// move has no open four to make, with the game's result and the search's score.
void playGames(const SelfPlaySettings& settings, std::ostream& out);

} // namespace tune
