#pragma once

#include "engines/SearchState.h"

#include <cstdint>
#include <string>
#include <vector>

namespace wuzi::test {

// The engine's state for a board picture ('X' computer, 'O' player, '.' empty, spaces
// ignored) whose top-left cell is (row, column) = `top`, `left` (0-based); cells outside
// the picture stay empty. Every stone is recorded and scored, in reading order.
SearchState EngineStateOf(const std::vector<std::string>& picture, int top = 0, int left = 0);

// The engine's board as a picture in the same notation.
std::vector<std::string> EnginePicture(const SearchState& s);

// Positions of games played out from the centre with `seed`: each side plays near the
// stones already down, mostly the move a shallow search prefers, sometimes another, and
// neither side ever completes a five. One position is kept every `every` moves, until
// `stones` stones are down or no move is left.
std::vector<SearchState> PlayedOutPositions(std::uint32_t seed, int stones, int every);

// A board filled at random without a five, leaving `free` cells empty.
SearchState CrowdedPosition(std::uint32_t seed, int free);

} // namespace wuzi::test
