#include "session/Accuracy.h"

#include <algorithm>
#include <cmath>

namespace wuzi {

double MoveAccuracy(double chanceLoss) {
    double accuracy = 100.0 * std::exp2(-std::max(0.0, chanceLoss) / kAccuracyHalvingLoss);
    return std::clamp(accuracy, 0.0, 100.0);
}

SideAccuracy GameAccuracy(const std::vector<ReviewedMove>& moves) {
    double sum[2] = {0, 0};
    int count[2] = {0, 0};
    for (const ReviewedMove& m : moves) {
        if (m.provenBefore == Proven::Lost) continue;
        int side = m.black() ? 0 : 1;
        sum[side] += MoveAccuracy(m.moverLoss());
        ++count[side];
    }
    auto mean = [&](int side) { return count[side] ? sum[side] / count[side] : 100.0; };
    return {mean(0), mean(1)};
}

} // namespace wuzi
