#pragma once

#include "vesk/Pattern.h"

#include <array>

// The evaluation's weights, fitted to the results of self-play games by tools/vesk-tune.
// An empty cell is worth, to each colour, a weight for each of its four line patterns,
// one for their combination and one for their shape (the patterns as a set). The board
// as a whole adds a weight for the strongest threat each side holds. Side 0 is the side
// to move, side 1 the other.
namespace vesk {

// The strongest threat a side could make with one stone.
enum ThreatLevel : std::uint8_t {
    kNoThreat,
    kThreeThreat,       // an open three
    kFourThreat,        // a four
    kDoubleThreeThreat, // two open threes at once
    kFourThreeThreat,   // a four and an open three at once
    kOpenFourThreat,    // an open four or two fours: the other side must answer it now
    kThreatLevels
};

// Where each weight sits in the one array of them all.
namespace weight {
constexpr int kLines = kPatternCount;
constexpr int kCombinations = kPattern4Count;
constexpr int line(int side, int pattern) {
    return side * kLines + pattern;
}
constexpr int combined(int side, int p4) {
    return 2 * kLines + side * kCombinations + p4;
}
constexpr int shape(int side, int shape) {
    return 2 * (kLines + kCombinations) + side * kShapeCount + shape;
}
constexpr int threat(int mover, int other) {
    return 2 * (kLines + kCombinations + kShapeCount) + mover * kThreatLevels + other;
}
constexpr int kCount = threat(kThreatLevels, 0);
} // namespace weight

using EvalWeights = std::array<int, weight::kCount>;

// The weights in use (FittedWeights.cpp, written by tools/vesk-tune).
const EvalWeights& fittedWeights();
// The score that counts as one unit of log-odds in the win probability, fitted to the
// searches' scores of self-play positions and the games' results.
double fittedScorePerLogOdds();

// What an empty cell whose line patterns of one colour are `combo` is worth to that
// colour, as the side to move (side 0) or the other (side 1).
int cellValue(const EvalWeights& w, Combo combo, int side);

} // namespace vesk
