#include "vesk/MovePicker.h"

#include "vesk/Defence.h"

#include <algorithm>

namespace vesk {

namespace {

// clang-format off
//                                  Dead B1  F1  B2  F2  B3  F3  B4  F4  Five
constexpr int kOwnLine[kPatternCount] = {0, 1,  2,  4, 12, 12, 30, 40, 60, 0};
constexpr int kTheirLine[kPatternCount] = {0, 1, 2,  3,  9, 10, 25, 30, 50, 0};
//                                  None F3 F3+ F3x2  B4  B4+ B4F3  F4  Five
constexpr int kOwnCombo[kPattern4Count] = {0, 400, 600, 3000, 300, 700, 5000, 20000, 30000};
constexpr int kTheirCombo[kPattern4Count] = {0, 300, 450, 2500, 200, 500, 4000, 9000, 25000};
// clang-format on

constexpr int kTableMoveBonus = 1 << 24;
constexpr int kKillerBonus[2] = {900, 800};
constexpr int kHistoryCap = 1 << 14;

} // namespace

void OrderingMemory::rememberCutoff(Color c, int ply, Pos move, int depth) {
    auto& k = killers[ply];
    if (k[0] != move) k[1] = k[0], k[0] = move;
    int& h = history[c][move];
    h += depth * depth;
    if (h > kHistoryCap)
        for (auto& side : history)
            for (int& v : side)
                v /= 2;
}

void OrderingMemory::clear() {
    for (auto& k : killers)
        k.fill(kNoPos);
    for (auto& side : history)
        side.fill(0);
}

int threatScore(const Board& b, Pos p) {
    Color me = b.sideToMove();
    Color them = opposite(me);
    int score = kOwnCombo[b.pattern4(p, me)] + kTheirCombo[b.pattern4(p, them)];
    for (int d = 0; d < kDirections; ++d)
        score += kOwnLine[b.pattern(p, me, d)] + kTheirLine[b.pattern(p, them, d)];
    return score;
}

NodeKind pickMoves(Board& b, Pos ttMove, int ply, const OrderingMemory& memory,
                   std::vector<ScoredMove>& out) {
    out.clear();
    Color me = b.sideToMove();
    Color them = opposite(me);
    if (b.hasFivePoint(them)) {
        out.push_back({findPoint(b, them, kFiveAny), 0});
        return NodeKind::Forced;
    }
    NodeKind kind = NodeKind::Free;
    std::vector<Pos> moves;
    if (b.hasFlex4Point(them)) {
        kind = NodeKind::Defence;
        addDefences(b, moves);
        addFours(b, me, moves);
        std::sort(moves.begin(), moves.end());
        moves.erase(std::unique(moves.begin(), moves.end()), moves.end());
    } else {
        for (Pos p : Board::cells())
            if (b.isEmpty(p) && b.nearStones(p)) moves.push_back(p);
        // The first stone goes to the centre; a crowded board falls back on every cell.
        Pos centre = toPos(kSize / 2, kSize / 2);
        if (moves.empty() && b.isEmpty(centre)) moves.push_back(centre);
        if (moves.empty())
            for (Pos p : Board::cells())
                if (b.isEmpty(p)) moves.push_back(p);
    }
    const auto& killers = memory.killers[ply];
    for (Pos p : moves) {
        int score = threatScore(b, p) + memory.history[me][p] / 32;
        if (p == ttMove)
            score += kTableMoveBonus;
        else if (p == killers[0])
            score += kKillerBonus[0];
        else if (p == killers[1])
            score += kKillerBonus[1];
        out.push_back({p, score});
    }
    std::stable_sort(out.begin(), out.end(),
                     [](const ScoredMove& x, const ScoredMove& y) { return x.score > y.score; });
    return kind;
}

} // namespace vesk
