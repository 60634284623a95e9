#pragma once

#include "vesk/Engine.h"

namespace wuzi {

// Black's chance to win, in points from 0 to 100, read from Vesk's verdict on a position.
// A forced five is certain (100 or 0); any other score is read through a logistic curve.
// The review uses this one function for every position, so that a better-fitted map
// replaces it here alone.
double BlackWinChance(const vesk::ThinkResult& verdict, bool blackToMove);

// A chance that no proof stands behind, a forced five the search saw included: never
// certain, kept within kMostUnprovenChance of either end.
double UnprovenChance(double blackChance);
inline constexpr double kMostUnprovenChance = 99.0;

// The score at which the side to move's chance is 1 : e, measured on the review's own
// self-play games (tools/review-calibrate fits it).
inline constexpr double kWinChanceScale = 1400.0;

} // namespace wuzi
