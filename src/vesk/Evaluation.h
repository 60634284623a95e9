#pragma once

#include "vesk/Board.h"

#include <array>

// The static evaluation: a weighted count of what each empty cell offers either side,
// line by line and combined, seen from the side to move. Linear in its features, so the
// weights can be fitted to the results of self-play games.
namespace vesk {

// Features of one side: line patterns kBlock1..kFlex4, then combinations
// kFlex3One..kFlex4Any.
inline constexpr int kSideFeatures = (kFlex4 - kBlock1 + 1) + (kFlex4Any - kFlex3One + 1);
inline constexpr int kFeatureCount = 2 * kSideFeatures; // the mover's, then the other's

using Features = std::array<int, kFeatureCount>;
using Weights = std::array<int, kFeatureCount>;

Features features(const Board& b);

// The weights in use: fitted by tools/vesk-tune from self-play games.
const Weights& defaultWeights();

Score evaluate(const Board& b);

} // namespace vesk
