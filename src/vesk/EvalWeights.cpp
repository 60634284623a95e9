#include "vesk/EvalWeights.h"

namespace vesk {

int cellValue(const EvalWeights& w, Combo combo, int side) {
    int value = w[weight::combined(side, combine(combo))] + w[weight::shape(side, shapeOf(combo))];
    for (int d = 0; d < kDirections; ++d)
        value += w[weight::line(side, patternOf(combo, d))];
    return value;
}

} // namespace vesk
