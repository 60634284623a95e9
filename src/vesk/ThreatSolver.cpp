#include "vesk/ThreatSolver.h"

#include "vesk/Defence.h"

#include <algorithm>
#include <cstdlib>

namespace vesk {

namespace {

constexpr std::uint64_t kVcfSalt = 0x5A17C0FFEE000001ULL;
constexpr std::uint64_t kVctSalt = 0x7E57AB1E00000002ULL;

bool hasFour(const Board& b, Color c) {
    return b.hasFourPoint(c);
}

int distance(Pos a, Pos b) {
    return std::max(std::abs(posX(a) - posX(b)), std::abs(posY(a) - posY(b)));
}

// The attacker's moves from `least` to `most`, strongest first, then nearest its last
// stone.
std::vector<Pos> attacks(const Board& b, Color c, Pattern4 least, Pattern4 most) {
    std::vector<Pos> moves;
    CellSet points = b.points(c, kFourPoint);
    if (least <= kFlex3One) points |= b.points(c, kThreePoint);
    points.forEach([&](Pos p) {
        if (b.pattern4(p, c) >= least && b.pattern4(p, c) <= most) moves.push_back(p);
    });
    const auto& history = b.moves();
    Pos own = history.size() >= 2 ? history[history.size() - 2] : b.lastMove();
    std::stable_sort(moves.begin(), moves.end(), [&](Pos x, Pos y) {
        if (b.pattern4(x, c) != b.pattern4(y, c)) return b.pattern4(x, c) > b.pattern4(y, c);
        return own != kNoPos && distance(x, own) < distance(y, own);
    });
    return moves;
}

} // namespace

ThreatSolver::ThreatSolver(int cacheBits)
    : cache_(std::size_t{1} << cacheBits), mask_((std::uint64_t{1} << cacheBits) - 1) {}

void ThreatSolver::start(Limits limits) {
    limits_ = limits;
    nodes_ = 0;
    exhausted_ = false;
}

bool ThreatSolver::spend() {
    ++totalNodes_;
    if (++nodes_ > limits_.nodes) exhausted_ = true;
    if (limits_.time && nodes_ % 512 == 0 && limits_.time->elapsedMs() >= limits_.untilMs)
        exhausted_ = true;
    return !exhausted_;
}

ThreatSolver::Slot* ThreatSolver::probe(std::uint64_t key) {
    Slot& slot = cache_[key & mask_];
    return slot.key == key ? &slot : nullptr;
}

void ThreatSolver::store(std::uint64_t key, int depth, int plies) {
    // A "no" reached after the budget ran out is not exact.
    if (plies == 0 && exhausted_) return;
    Slot& slot = cache_[key & mask_];
    slot = {key, static_cast<std::int16_t>(depth), static_cast<std::int16_t>(plies)};
}

int ThreatSolver::vcf(Board& b, Limits limits, std::vector<Pos>* line) {
    start(limits);
    if (line) line->clear();
    return vcfAttack(b, limits.fours, line);
}

int ThreatSolver::vcfAttack(Board& b, int fours, std::vector<Pos>* line) {
    Color me = b.sideToMove();
    Color them = opposite(me);
    if (b.hasFivePoint(me)) {
        if (line) line->push_back(findPoint(b, me, kFiveAny));
        return 1;
    }
    if (!spend()) return 0;
    Pos forced = kNoPos;
    if (b.hasFivePoint(them)) {
        // Their four must be blocked, and the block must itself be a four.
        if (countFivePoints(b, them) > 1) return 0;
        forced = findPoint(b, them, kFiveAny);
        if (b.pattern4(forced, me) < kBlock4One) return 0;
    } else if (b.hasFlex4Point(me)) {
        if (line) line->push_back(findPoint(b, me, kFlex4Any));
        return 3;
    }
    if (fours <= 0 || (forced == kNoPos && !hasFour(b, me))) return 0;
    std::uint64_t key = b.hash() ^ kVcfSalt;
    if (Slot* s = probe(key)) {
        if (s->plies > 0 && !line) return s->plies;
        if (s->plies == 0 && s->depth >= fours) return 0;
    }
    std::vector<Pos> moves =
        forced != kNoPos ? std::vector<Pos>{forced} : attacks(b, me, kBlock4One, kBlock4Flex3);
    int result = 0;
    for (Pos move : moves) {
        if ((result = afterFour(b, move, fours, line))) break;
        if (exhausted_) break;
    }
    store(key, fours, result);
    return result;
}

// The attacker plays the four `move`, the defender its one reply.
int ThreatSolver::afterFour(Board& b, Pos move, int fours, std::vector<Pos>* line) {
    Color me = b.sideToMove();
    TrialStone attack(b, move);
    if (b.hasFivePoint(b.sideToMove())) return 0; // they would answer with five
    int points = countFivePoints(b, me);
    if (points == 0) return 0;
    if (line) line->push_back(move);
    if (points > 1) return 3;
    TrialStone block(b, fivePointAround(b, move, me));
    if (line) line->push_back(b.lastMove());
    if (int plies = vcfAttack(b, fours - 1, line)) return plies + 2;
    if (line) line->resize(line->size() - 2);
    return 0;
}

int ThreatSolver::vct(Board& b, Limits limits, std::vector<Pos>* line) {
    start(limits);
    Pos first = kNoPos;
    int plies = vctAttack(b, limits.threats, &first);
    if (line) *line = plies ? std::vector<Pos>{first} : std::vector<Pos>{};
    return plies;
}

int ThreatSolver::vctAttack(Board& b, int threats, Pos* first) {
    Color me = b.sideToMove();
    Color them = opposite(me);
    if (b.hasFivePoint(me)) {
        if (first) *first = findPoint(b, me, kFiveAny);
        return 1;
    }
    if (!spend()) return 0;
    if (b.hasFivePoint(them)) {
        if (countFivePoints(b, them) > 1) return 0;
        Pos block = findPoint(b, them, kFiveAny);
        if (first) *first = block;
        return afterAttack(b, block, threats);
    }
    if (b.hasFlex4Point(me)) {
        if (first) *first = findPoint(b, me, kFlex4Any);
        return 3;
    }
    std::uint64_t key = b.hash() ^ kVctSalt;
    if (Slot* s = probe(key)) {
        if (s->plies > 0 && !first) return s->plies;
        if (s->plies == 0 && s->depth >= threats) return 0;
    }
    std::vector<Pos> fours;
    int result = vcfAttack(b, limits_.fours, first ? &fours : nullptr);
    if (result && first) *first = fours.front();
    if (!result && threats > 0) {
        for (Pos move : attacks(b, me, kFlex3One, kBlock4Flex3)) {
            if ((result = afterAttack(b, move, threats - 1))) {
                if (first) *first = move;
                break;
            }
            if (exhausted_) break;
        }
    }
    store(key, threats, result);
    return result;
}

// The attacker plays `move`; the win holds if it holds against every answer.
int ThreatSolver::afterAttack(Board& b, Pos move, int threats) {
    TrialStone attack(b, move);
    int plies = vctDefend(b, threats);
    return plies ? plies + 1 : 0;
}

int ThreatSolver::vctDefend(Board& b, int threats) {
    Color me = b.sideToMove();
    Color them = opposite(me);
    if (b.hasFivePoint(me)) return 0;
    MoveList answers;
    if (b.hasFivePoint(them)) {
        if (countFivePoints(b, them) > 1) return 2;
        answers.push_back(findPoint(b, them, kFiveAny));
    } else if (b.hasFlex4Point(me)) {
        return 0; // an open four of ours beats their three
    } else if (b.hasFlex4Point(them)) {
        addDefences(b, answers);
        addFours(b, me, answers);
        if (answers.empty()) return 4;
    } else {
        return 0;
    }
    int worst = 0;
    for (Pos answer : answers) {
        TrialStone defend(b, answer);
        int plies = vctAttack(b, threats, nullptr);
        if (!plies) return 0;
        worst = std::max(worst, plies + 1);
    }
    return worst;
}

} // namespace vesk
