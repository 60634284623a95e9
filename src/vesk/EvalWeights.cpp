#include "vesk/EvalWeights.h"

namespace vesk {

namespace {

// clang-format off
// Fitted by tools/vesk-tune to 2493 positions of 150 self-play games (the open-four
// weights never occur in the quiet positions it fits, and keep their hand-set values).
constexpr EvalWeights kFitted = {
    {{
        //Dead B1  F1  B2  F2  B3   F3   B4    F4 Five
        {{0,   6,  -2,  9,  3, 19, 132, 101,  200, 0}},
        {{0,  -4,   2, -13, 2, -13, -16, -73, -300, 0}},
    }},
    {{
        //None F3One F3Plus F3Double B4One B4Plus B4Flex3 F4Any Five
        {{0,  -113,    91,     495,  -21,    41,   1156, 1000,   0}},
        {{0,   -29,   -62,     113,  -31,   -86,   -316, -500,   0}},
    }},
};
// clang-format on

} // namespace

const EvalWeights& fittedWeights() {
    return kFitted;
}

int cellValue(const EvalWeights& w, Combo combo, int side) {
    int value = w.combined[side][combine(combo)];
    for (int d = 0; d < kDirections; ++d)
        value += w.line[side][patternOf(combo, d)];
    return value;
}

} // namespace vesk
