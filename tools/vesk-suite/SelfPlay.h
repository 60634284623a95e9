#pragma once

#include "LineGrid.h"

#include "vesk/Engine.h"

#include <random>
#include <vector>

// Vesk's games against itself, the long-win suite's source of positions. Cells are
// LineGrid's (x + 15 y, 0-based).

// One game from a random two-stone opening near the centre, its first moves chosen at
// random among near-equal ones, up to the five or `most` stones.
std::vector<int> playGame(vesk::Engine& player, std::mt19937& random, int most);

// The likeliest other stones of the side to move, at most `most`: the empty cells with
// the most roads to five of either side through them, the fuller roads weighing more.
std::vector<int> otherMoves(const LineGrid& grid, int most);
