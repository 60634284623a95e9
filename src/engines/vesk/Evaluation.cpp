#include "engines/vesk/Evaluation.h"

#include <algorithm>

namespace vesk {

namespace {

// clang-format off
// Per side: B1 F1 B2 F2 B3 F3 B4 F4 | F3One F3Plus F3Double B4One B4Plus B4Flex3 F4Any
constexpr Weights kWeights = {
      1,   3,   5,  14,  16,  50,  40, 200,     0,  30,  80,   0,  40, 300, 1000,
     -1,  -3,  -4, -12, -14, -40, -30, -300,    0, -20, -100,  0, -30, -200, -500,
};
// clang-format on

constexpr Score kEvalLimit = 20000;

void addSide(const Board& b, Color c, int* out) {
    for (int p = kBlock1; p <= kFlex4; ++p)
        *out++ = b.patternCount(c, static_cast<Pattern>(p));
    for (int p = kFlex3One; p <= kFlex4Any; ++p)
        *out++ = b.pattern4Count(c, static_cast<Pattern4>(p));
}

} // namespace

Features features(const Board& b) {
    Features f{};
    addSide(b, b.sideToMove(), f.data());
    addSide(b, opposite(b.sideToMove()), f.data() + kSideFeatures);
    return f;
}

const Weights& defaultWeights() {
    return kWeights;
}

Score evaluate(const Board& b, const Weights& w) {
    Features f = features(b);
    Score s = 0;
    for (int i = 0; i < kFeatureCount; ++i)
        s += w[i] * f[i];
    return std::clamp(s, -kEvalLimit, kEvalLimit);
}

} // namespace vesk
