#pragma once

#include "core/Platform.h"
#include "core/SearchState.h"

#include <atomic>
#include <cstdint>

namespace wuzi {

// The score of a five: positive when the player has it, negative for the computer.
inline constexpr std::int32_t kFiveScore = 1000000000;

// What a search needs besides the board: the game's random generator (the tie rule
// draws from it), a flag that ends the search at once when the game ends, and a count
// of the trial stones it has played.
struct SearchContext {
    RandomSource& random;
    const std::atomic<bool>* cancelled = nullptr;
    long long nodes = 0;

    bool stopped() const { return cancelled && cancelled->load(std::memory_order_relaxed); }
};

// Minimax over `depth` plies from the engine's board for `side` (kEnginePlayer
// maximises, kEngineComputer minimises), cut off one-sidedly against `bound` (a score
// between the two fives' scores: the parent's best, or that of a computer five at the
// top). Returns the score and writes into bestIndex the EngineCells position of the
// chosen move (-1 when no candidate is free). Among equal scores each later move
// replaces the chosen one when a random draw falls below 0.3. The state is read, never
// changed; the search keeps its trial stones on a board of its own and allocates
// nothing.
std::int32_t EngineSearch(const SearchState& s, int depth, std::int32_t bound, int side,
                          int& bestIndex, SearchContext& context);

} // namespace wuzi
