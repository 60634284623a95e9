#pragma once

#include "session/Review.h"

#include <vector>

namespace wuzi {

// Every kAccuracyHalvingLoss points of winning chance a move gives away halve its
// accuracy.
inline constexpr double kAccuracyHalvingLoss = 12.0;

// A move's accuracy, 0–100: 100 for a move that keeps the mover's chance (or betters it),
// 100 · 2^(−loss / kAccuracyHalvingLoss) for one that loses `loss` points; a move that
// throws away a sure win scores almost nothing.
double MoveAccuracy(double chanceLoss);

// The accuracy of one side over a game: the mean of its moves' accuracies. Moves made in a
// position already proven lost are left out, as no move there could lose anything.
struct SideAccuracy {
    double black = 100;
    double white = 100;
};
SideAccuracy GameAccuracy(const std::vector<ReviewedMove>& moves);

} // namespace wuzi
