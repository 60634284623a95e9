#pragma once

#include "vesk/Pattern.h"

#include <array>

// The evaluation's weights, fitted to the results of self-play games by tools/vesk-tune.
// An empty cell is worth, to each colour, a weight for each of its four line patterns
// plus one for their combination. Index 0 of each table holds the weights of the side to
// move, index 1 those of the other side.
namespace vesk {

struct EvalWeights {
    std::array<std::array<int, kPatternCount>, 2> line{};
    std::array<std::array<int, kPattern4Count>, 2> combined{};
};

const EvalWeights& fittedWeights();

// What an empty cell whose line patterns of one colour are `combo` is worth to that
// colour, as the side to move (side 0) or the other (side 1).
int cellValue(const EvalWeights& w, Combo combo, int side);

} // namespace vesk
