#pragma once

#include "FuzzSession.h"

#include <string>
#include <vector>

namespace wuzi::fuzz {

// The length of a seed, and of the inputs the coverage-guided fuzzer makes: a few games.
inline constexpr std::size_t kSeedBytes = 256;

// What a run has not reached of what the seed corpus must: a game of every mode at every
// difficulty, every seconds digit, and every command of the menus (a game ended, a new
// game over a running one, a take-back, a hint, two players, a position set up, a
// puzzle). Empty when it reached them all.
std::vector<std::string> Unreached(const Stats& s);

// Writes to `dir` short seeded sessions, each kept only when it reaches something the
// ones before did not, until together they reach all of it. Returns the exit status.
int MakeSeedCorpus(const std::string& dir, unsigned long long seed);

// Plays every file of `dir` as a session: none may break a rule, and together they must
// reach all of it. Returns the exit status.
int CheckSeedCorpus(const std::string& dir);

} // namespace wuzi::fuzz
