#pragma once

#include "Samples.h"

#include "vesk/EvalWeights.h"

#include <string>
#include <vector>

// The evaluation's weights by logistic regression: the chance that the side to move
// wins is read as the logistic function of the evaluation over a fixed scale, and the
// weights that best predict the games' results (with a penalty on large weights, most
// on the shapes, which are many) are found by gradient descent from the weights in use.
// A tenth of the games is held out to measure the fit. The scale of the win probability
// is fitted the same way to the searches' scores.
namespace tune {

struct FitSettings {
    int steps = 2000;
    double scale = 400.0;       // evaluation points per unit of log-odds
    double penalty = 2e-8;      // the share of a weight's square added to the loss
    double shapePenalty = 1e-7; // the same for the shapes, which are many and most rare
};

struct FitReport {
    vesk::EvalWeights weights{};
    double scorePerLogOdds = 400.0;
    int positions = 0;
    int games = 0;
    double lossBefore = 0, lossAfter = 0;       // on the games fitted
    double heldOutBefore = 0, heldOutAfter = 0; // on the games held out
};

FitReport fit(const std::vector<Sample>& samples, const FitSettings& settings);

// The weights as the source file the engine compiles (FittedWeights.cpp).
std::string weightsSource(const FitReport& report, const std::string& how);

} // namespace tune
