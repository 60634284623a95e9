#pragma once

#include "vesk/Board.h"
#include "vesk/EvalWeights.h"

#include <vector>

// The static evaluation, seen from the side to move: what every empty cell is worth to
// either side (the board keeps the sums), and the strongest threat each side holds.
// Linear in its features, so the weights can be fitted to the results of self-play.
namespace vesk {

Score evaluate(const Board& b);

// The strongest threat colour c could make with one stone.
ThreatLevel threatLevel(const Board& b, Color c);

// How often each weight counts in the evaluation of `b` (weights that do not count are
// left out), for fitting the weights: the evaluation is the sum of weight times count.
struct Feature {
    int index;
    int count;
};
std::vector<Feature> features(const Board& b);

// The chance the side to move wins, read from the score: a logistic map fitted to the
// results of self-play games.
double winProbability(Score score);

} // namespace vesk
