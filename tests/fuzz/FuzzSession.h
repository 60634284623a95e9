#pragma once

#include "opponents/Opponent.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace wuzi::fuzz {

// What the sessions did, added up.
struct Stats {
    long events = 0;
    long clicks = 0;
    long playerMoves = 0;
    long computerMoves = 0;
    static constexpr int kModes = 2 * kOpponentCount;
    std::array<std::array<long, 3>, kModes> gamesByModeAndLevel{}; // new games
    std::array<long, 10> gamesByDigit{};
    long playerFives = 0;
    long computerFives = 0;
    long draws = 0;
    long endedFromMenu = 0;
    long replacedByNewGame = 0;
    long takeBacks = 0;
    long hints = 0;
    long lateReplies = 0;
    long twoPlayerGames = 0; // episodes of the other modes
    long setUps = 0;
    long puzzles = 0;
    // Every event and what it did, hashed: the same bytes must always play the same.
    std::uint64_t fingerprint = 0;

    long games() const;
    Stats& operator+=(const Stats& other);
    std::string Summary() const;
};

// A broken rule: what broke, and the events and board that led to it.
struct Violation {
    std::string what;
    std::string report;
};

// Plays one session: a fresh program state driven by the events the bytes encode, every
// rule checked after every event. Stops at the first broken rule. With `trace`, every
// event is printed to stderr as it is played.
std::optional<Violation> RunSession(std::span<const std::uint8_t> bytes, Stats& stats,
                                    bool trace = false);

} // namespace wuzi::fuzz
