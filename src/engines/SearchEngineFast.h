#pragma once

#include "engines/SearchState.h"
#include "rules/Platform.h"

#include <atomic>
#include <cstdint>
#include <vector>

namespace wuzi {

// The score of a five: positive when the player has it, negative for the computer.
inline constexpr std::int32_t kFiveScore = 1000000000;

// The value the root of a search gave one of its candidates (an EngineCells position).
struct RootValue {
    int position = -1;
    std::int32_t value = 0;
    bool operator==(const RootValue&) const = default;
};

// What a search needs besides the board: the game's random generator (the root's tie
// rule draws from it), a flag that ends the search at once when the game ends, and
// optionally a deadline that ends it too.
class SearchContext {
  public:
    explicit SearchContext(RandomSource& random, const std::atomic<bool>* cancelled = nullptr,
                           const Deadline* deadline = nullptr)
        : random(random), cancelled(cancelled), deadline(deadline) {}

    RandomSource& random;
    const std::atomic<bool>* cancelled;
    const Deadline* deadline;
    // The positions the search has valued, a measure of its work.
    long long nodes = 0;
    // How many threads share the root's candidates (searches of three plies and more).
    int threads = 2;
    // When set, receives the value of every root candidate the root's loop takes, in order.
    std::vector<RootValue>* rootValues = nullptr;

    // True once the search must end; it then stays so. Any thread may ask.
    bool stopped() {
        if (interrupted_.load(std::memory_order_relaxed)) return true;
        bool stop = (cancelled && cancelled->load(std::memory_order_relaxed)) ||
                    (deadline && deadline->passed());
        if (stop) interrupted_.store(true, std::memory_order_relaxed);
        return stop;
    }
    // The search ended early: what it returned is not its answer.
    bool interrupted() const { return interrupted_.load(std::memory_order_relaxed); }

  private:
    std::atomic<bool> interrupted_{false};
};

// Minimax over `depth` plies from the engine's board for `side` (kEnginePlayer
// maximises, kEngineComputer minimises), cut off one-sidedly against `bound` (a score
// between the two fives' scores: the parent's best, or that of a computer five at the
// top). Returns the score and writes into bestIndex the EngineCells position of the
// chosen move (-1 when no candidate is free or the search was interrupted). Among equal
// scores at the root each later move replaces the chosen one when a random draw falls
// below 0.3; deeper levels draw nothing and stop once their best is their own five. The
// state is read, never changed.
std::int32_t EngineSearch(const SearchState& s, int depth, std::int32_t bound, int side,
                          int& bestIndex, SearchContext& context);

} // namespace wuzi
