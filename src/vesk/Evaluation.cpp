#include "vesk/Evaluation.h"

#include "vesk/EvalWeights.h"

#include <algorithm>

namespace vesk {

namespace {

constexpr Score kEvalLimit = 20000;

void addSide(const Board& b, Color c, int* out) {
    for (Pos p : Board::cells()) {
        if (!b.isEmpty(p)) continue;
        for (int d = 0; d < kDirections; ++d) {
            Pattern line = b.pattern(p, c, d);
            if (line >= kBlock1 && line <= kFlex4) ++out[line - kBlock1];
        }
        Pattern4 p4 = b.pattern4(p, c);
        if (p4 >= kFlex3One && p4 <= kFlex4Any) ++out[kFlex4 - kBlock1 + 1 + p4 - kFlex3One];
    }
}

Weights flatten(const EvalWeights& fitted) {
    Weights w{};
    for (int side = 0; side < 2; ++side) {
        int* out = w.data() + side * kSideFeatures;
        for (int p = kBlock1; p <= kFlex4; ++p)
            *out++ = fitted.line[side][p];
        for (int p = kFlex3One; p <= kFlex4Any; ++p)
            *out++ = fitted.combined[side][p];
    }
    return w;
}

} // namespace

Features features(const Board& b) {
    Features f{};
    addSide(b, b.sideToMove(), f.data());
    addSide(b, opposite(b.sideToMove()), f.data() + kSideFeatures);
    return f;
}

const Weights& defaultWeights() {
    static const Weights w = flatten(fittedWeights());
    return w;
}

Score evaluate(const Board& b) {
    Color me = b.sideToMove();
    return std::clamp(b.valueSum(me, 0) + b.valueSum(opposite(me), 1), -kEvalLimit, kEvalLimit);
}

} // namespace vesk
