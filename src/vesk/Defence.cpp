#include "vesk/Defence.h"

#include <cstdlib>

namespace vesk {

namespace {

// The direction and signed steps from a to b when both lie within four steps on one
// line; false otherwise.
bool lineBetween(Pos a, Pos b, int& dir, int& steps) {
    int dx = posX(b) - posX(a), dy = posY(b) - posY(a);
    if (dy == 0)
        dir = 0, steps = dx;
    else if (dx == 0)
        dir = 1, steps = dy;
    else if (dx == dy)
        dir = 2, steps = dy;
    else if (dx == -dy)
        dir = 3, steps = dy;
    else
        return false;
    return std::abs(steps) <= kPad;
}

// The combination colour c would have on the empty cell t once the other side's stone
// stands on q.
Pattern4 pattern4After(const Board& b, Pos t, Pos q, Color c) {
    int dir, steps;
    if (!lineBetween(t, q, dir, steps)) return b.pattern4(t, c);
    LineKey key =
        static_cast<LineKey>(b.lineKey(t, dir) | stoneOf(opposite(c)) << (2 * keySlot(steps)));
    int change = linePattern(key, c) - b.pattern(t, c, dir);
    return cellTable()[b.combo(t, c) + change * kComboPlace[dir]].p4;
}

// A stone on q leaves colour c no cell of `threats` for five or an open four.
bool stopsAll(const Board& b, Pos q, const CellSet& threats, Color c) {
    bool stopped = true;
    threats.forEach(
        [&](Pos t) { stopped = stopped && (t == q || pattern4After(b, t, q, c) < kFlex4Any); });
    return stopped;
}

} // namespace

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
        for (int i = -kPad; i <= kPad; ++i) {
            Pos q = static_cast<Pos>(p + i * kStep[d]);
            if (i != 0 && b.isEmpty(q) && b.pattern4(q, c) == kFiveAny) return q;
        }
    return kNoPos;
}

void addDefences(const Board& b, MoveList& out) {
    Color attacker = opposite(b.sideToMove());
    const CellSet& threats = b.points(attacker, kFlex4Point);
    CellSet seen;
    auto consider = [&](Pos q) {
        if (seen.contains(q)) return;
        seen.insert(q);
        if (stopsAll(b, q, threats, attacker)) out.push_back(q);
    };
    // Only a stone on a threat's cell, or on one of its lines that holds a four or an
    // open four, can take the threat away.
    threats.forEach([&](Pos t) {
        consider(t);
        for (int d = 0; d < kDirections; ++d) {
            if (b.pattern(t, attacker, d) < kBlock4) continue;
            for (int i = -kPad; i <= kPad; ++i) {
                Pos q = static_cast<Pos>(t + i * kStep[d]);
                if (i != 0 && b.isEmpty(q)) consider(q);
            }
        }
    });
}

void addFours(const Board& b, Color c, MoveList& out) {
    b.points(c, kFourPoint).forEach([&](Pos p) { out.push_back(p); });
}

} // namespace vesk
