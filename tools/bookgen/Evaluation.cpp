#include "Evaluation.h"

#include "Shapes.h"

#include <algorithm>

namespace bookgen {

namespace {

constexpr int kShapeWorth[] = {
    0,     // kDead
    1,     // kOne
    3,     // kTwo
    10,    // kOpenTwo
    9,     // kClosedThree
    40,    // kThree
    50,    // kFour
    500,   // kOpenFour
    10000, // kFive
};

constexpr int kDoubleThreat = 400; // two threes or fours from one stone
constexpr int kThreatAndTwo = 20;  // a threat that also builds an open two

} // namespace

int cellWorth(const Board& b, int i, Stone s) {
    MoveShapes m = shapesAt(b, i, s);
    int worth = 0;
    for (Shape a : m.along)
        worth += kShapeWorth[a];
    int threats = m.atLeast(kThree);
    if (threats >= 2)
        worth += kDoubleThreat;
    else if (threats == 1 && m.atLeast(kOpenTwo) >= 2)
        worth += kThreatAndTwo;
    return worth;
}

int moveWorth(const Board& b, int i, Stone s) {
    return cellWorth(b, i, s) + cellWorth(b, i, opponent(s)) * 4 / 5;
}

int evaluate(const Board& b, Stone me, Stone toMove) {
    Stone them = opponent(me);
    int sum = 0, bestMine = 0, bestTheirs = 0;
    for (int i : boardIndices()) {
        if (!b.empty(i) || !b.nearAny(i)) continue;
        int mine = cellWorth(b, i, me), theirs = cellWorth(b, i, them);
        sum += mine - theirs;
        bestMine = std::max(bestMine, mine);
        bestTheirs = std::max(bestTheirs, theirs);
    }
    return sum + (toMove == me ? bestMine : -bestTheirs);
}

std::vector<int> candidates(const Board& b, Stone s) {
    std::vector<std::pair<int, int>> scored;
    for (int i : boardIndices())
        if (b.empty(i) && b.nearAny(i)) scored.push_back({-moveWorth(b, i, s), i});
    if (scored.empty() && b.empty(indexOf(8, 8))) return {indexOf(8, 8)};
    std::sort(scored.begin(), scored.end());
    std::vector<int> out;
    for (auto [worth, i] : scored)
        out.push_back(i);
    return out;
}

} // namespace bookgen
