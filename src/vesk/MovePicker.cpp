#include "vesk/MovePicker.h"

#include "vesk/Defence.h"

namespace vesk {

namespace {

constexpr int kTableMoveBonus = 1 << 24;
constexpr int kHistoryCap = 1 << 14;
constexpr int kHistoryShare = 32; // history points per ordering point

// The empty cells where either side makes a four or an open three.
CellSet threatCells(const Board& b) {
    CellSet cells;
    for (Color c : {kBlack, kWhite})
        cells |= b.points(c, kFourPoint) | b.points(c, kThreePoint);
    return cells;
}

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

void OrderingMemory::rememberFailure(Color c, Pos move, int depth) {
    int& h = history[c][move];
    h = std::max(h - depth, -kHistoryCap);
}

void OrderingMemory::clear() {
    for (auto& k : killers)
        k.fill(kNoPos);
    for (auto& side : history)
        side.fill(0);
}

MovePicker::MovePicker(const Board& b, Pos ttMove, int ply, const OrderingMemory& memory)
    : board_(b), memory_(memory), ttMove_(ttMove), ply_(ply) {
    Color them = opposite(b.sideToMove());
    if (b.hasFivePoint(them)) {
        kind_ = NodeKind::Forced;
        stage_ = kThreatStage;
        add(b.points(them, kFivePoint).first(), 0);
    } else if (b.hasFlex4Point(them)) {
        kind_ = NodeKind::Defence;
        stage_ = kThreatStage;
        MoveList answers;
        addDefences(b, answers);
        addFours(b, b.sideToMove(), answers);
        for (Pos p : answers)
            if (!handedOut_.contains(p)) {
                handedOut_.insert(p);
                add(p, p == ttMove ? kTableMoveBonus : 0);
            }
        if (count_ == 0) stage_ = kDone;
    } else {
        kind_ = NodeKind::Free;
    }
}

void MovePicker::add(Pos p, int bonus) {
    moves_[count_++] = {p, board_.orderScore(p) +
                               memory_.history[board_.sideToMove()][p] / kHistoryShare + bonus};
}

Pos MovePicker::pickBest() {
    if (picked_ == count_) return kNoPos;
    int best = picked_;
    for (int i = picked_ + 1; i < count_; ++i)
        if (moves_[i].score > moves_[best].score) best = i;
    std::swap(moves_[best], moves_[picked_]);
    return moves_[picked_++].move;
}

void MovePicker::generateThreats() {
    threats_ = threatCells(board_);
    threats_.forEach([&](Pos p) {
        if (!handedOut_.contains(p)) add(p, 0);
    });
}

void MovePicker::generateQuiet() {
    count_ = picked_ = 0;
    CellSet candidates = board_.nearEmpty();
    if (candidates.empty()) {
        // The first stone goes to the centre; a crowded board falls back on every cell.
        Pos centre = toPos(kSize / 2, kSize / 2);
        if (board_.moveCount() == 0)
            candidates.insert(centre);
        else
            for (Pos p : Board::cells())
                if (board_.isEmpty(p)) candidates.insert(p);
    }
    candidates.forEach([&](Pos p) {
        if (!handedOut_.contains(p) && !threats_.contains(p)) add(p, 0);
    });
}

Pos MovePicker::next() {
    switch (stage_) {
    case kTableStage:
        stage_ = kThreatStage;
        if (ttMove_ != kNoPos && board_.isEmpty(ttMove_)) {
            handedOut_.insert(ttMove_);
            generateThreats();
            return ttMove_;
        }
        generateThreats();
        [[fallthrough]];
    case kThreatStage:
        if (Pos p = pickBest(); p != kNoPos) return p;
        if (kind_ != NodeKind::Free) {
            stage_ = kDone;
            return kNoPos;
        }
        stage_ = kKillerStage;
        [[fallthrough]];
    case kKillerStage:
        while (killerIndex_ < 2) {
            Pos k = memory_.killers[ply_][killerIndex_++];
            if (k != kNoPos && board_.isEmpty(k) && board_.nearStones(k) &&
                !handedOut_.contains(k) && !threats_.contains(k)) {
                handedOut_.insert(k);
                return k;
            }
        }
        stage_ = kQuietStage;
        generateQuiet();
        [[fallthrough]];
    case kQuietStage:
        if (Pos p = pickBest(); p != kNoPos) return p;
        stage_ = kDone;
        [[fallthrough]];
    case kDone:
        break;
    }
    return kNoPos;
}

NodeKind pickMoves(const Board& b, Pos ttMove, int ply, const OrderingMemory& memory,
                   std::vector<ScoredMove>& out) {
    out.clear();
    MovePicker picker(b, ttMove, ply, memory);
    int rank = 0;
    for (Pos p = picker.next(); p != kNoPos; p = picker.next())
        out.push_back({p, --rank});
    return picker.kind();
}

} // namespace vesk
