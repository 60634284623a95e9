#include "vesk/Defence.h"

#include <algorithm>
#include <array>

namespace vesk {

Pos findPoint(const Board& b, Color c, Pattern4 least) {
    CellSet points = b.points(c, kFivePoint);
    if (least <= kFlex4Any) points |= b.points(c, kFlex4Point);
    if (least <= kBlock4One) points |= b.points(c, kFourPoint);
    if (least <= kFlex3One) points |= b.points(c, kThreePoint);
    return points.first();
}

int countFivePoints(const Board& b, Color c) {
    return b.pattern4Count(c, kFiveAny);
}

Pos fivePointAround(const Board& b, Pos p, Color c) {
    for (int d = 0; d < kDirections; ++d)
        for (int i = -4; i <= 4; ++i) {
            Pos q = static_cast<Pos>(p + i * kStep[d]);
            if (i != 0 && b.isEmpty(q) && b.pattern4(q, c) == kFiveAny) return q;
        }
    return kNoPos;
}

void addDefences(Board& b, std::vector<Pos>& out) {
    Color attacker = opposite(b.sideToMove());
    std::array<bool, kArea> seen{};
    std::vector<Pos> tries;
    for (Pos t : Board::cells()) {
        if (!b.isEmpty(t) || b.pattern4(t, attacker) < kFlex4Any) continue;
        // Only a stone on t itself or on one of its four lines within reach changes the
        // line that makes the threat.
        for (int d = 0; d < kDirections; ++d) {
            if (b.pattern(t, attacker, d) < kBlock4) continue;
            for (int i = -4; i <= 4; ++i) {
                Pos q = static_cast<Pos>(t + i * kStep[d]);
                if (!b.isEmpty(q) || seen[q]) continue;
                seen[q] = true;
                tries.push_back(q);
            }
        }
    }
    for (Pos q : tries) {
        TrialStone stone(b, q);
        if (!b.hasFivePoint(attacker) && !b.hasFlex4Point(attacker)) out.push_back(q);
    }
}

void addFours(const Board& b, Color c, std::vector<Pos>& out) {
    b.points(c, kFourPoint).forEach([&](Pos p) { out.push_back(p); });
}

} // namespace vesk
