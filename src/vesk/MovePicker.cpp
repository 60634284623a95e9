#include "vesk/MovePicker.h"

#include "vesk/Defence.h"

#include <algorithm>

namespace vesk {

namespace {

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
    return b.orderScore(p);
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
        b.nearEmpty().forEach([&](Pos p) { moves.push_back(p); });
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
