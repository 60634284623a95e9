#include "vesk/Evaluation.h"

#include <algorithm>
#include <cmath>
#include <map>

namespace vesk {

namespace {

constexpr Score kEvalLimit = 20000;

} // namespace

ThreatLevel threatLevel(const Board& b, Color c) {
    if (b.pattern4Count(c, kFlex4Any) > 0) return kOpenFourThreat;
    if (b.pattern4Count(c, kBlock4Flex3) > 0) return kFourThreeThreat;
    if (b.pattern4Count(c, kFlex3Double) > 0) return kDoubleThreeThreat;
    if (b.hasFourPoint(c)) return kFourThreat;
    if (!b.points(c, kThreePoint).empty()) return kThreeThreat;
    return kNoThreat;
}

Score evaluate(const Board& b) {
    Color me = b.sideToMove();
    Color them = opposite(me);
    Score s = b.valueSum(me, 0) + b.valueSum(them, 1) +
              fittedWeights()[weight::threat(threatLevel(b, me), threatLevel(b, them))];
    return std::clamp(s, -kEvalLimit, kEvalLimit);
}

std::vector<Feature> features(const Board& b) {
    std::map<int, int> counts;
    Color me = b.sideToMove();
    for (Pos p : Board::cells()) {
        if (!b.isEmpty(p)) continue;
        for (int side = 0; side < 2; ++side) {
            Color c = side == 0 ? me : opposite(me);
            Combo combo = b.combo(p, c);
            for (int d = 0; d < kDirections; ++d)
                ++counts[weight::line(side, patternOf(combo, d))];
            ++counts[weight::combined(side, combine(combo))];
            ++counts[weight::shape(side, shapeOf(combo))];
        }
    }
    ++counts[weight::threat(threatLevel(b, me), threatLevel(b, opposite(me)))];
    std::vector<Feature> list;
    for (auto [index, count] : counts)
        list.push_back({index, count});
    return list;
}

double winProbability(Score score) {
    if (score >= kMateBound) return 1.0;
    if (score <= -kMateBound) return 0.0;
    return 1.0 / (1.0 + std::exp(-score / fittedScorePerLogOdds()));
}

} // namespace vesk
