#include "ThreatSolver.h"

#include "Shapes.h"

#include <algorithm>

namespace bookgen {

namespace {

constexpr std::size_t kMaxThreats = 10;

template <class F> void forEachNear(const Board& b, Stone s, F f) {
    for (int i : boardIndices())
        if (b.empty(i) && b.near(i, s)) f(i);
}

bool hasFive(const Board& b, Stone s) {
    for (int i : boardIndices())
        if (b.empty(i) && b.near(i, s) && shapesAt(b, i, s).five()) return true;
    return false;
}

// The cells where `s` makes five on the four lines through i.
std::vector<int> fivePointsAround(const Board& b, int i, Stone s) {
    std::vector<int> out;
    for (int d = 0; d < 4; ++d)
        for (int k = -4; k <= 4; ++k) {
            int e = i + k * kSteps[d];
            if (k != 0 && b.empty(e) && shapeAt(b, e, s, d) == kFive) out.push_back(e);
        }
    std::sort(out.begin(), out.end());
    out.erase(std::unique(out.begin(), out.end()), out.end());
    return out;
}

// The attacker's fours and threes, strongest first, at most kMaxThreats of them.
std::vector<int> threatsOf(const Board& b, Stone att) {
    std::vector<std::pair<int, int>> ranked; // (-strength, cell)
    forEachNear(b, att, [&](int i) {
        MoveShapes m = shapesAt(b, i, att);
        int fours = m.atLeast(kFour), threes = m.count(kThree);
        if (fours + threes == 0) return;
        int strength = fours * 3 + threes * 2 + (fours + threes >= 2 ? 10 : 0);
        ranked.push_back({-strength, i});
    });
    std::sort(ranked.begin(), ranked.end());
    std::vector<int> out;
    for (std::size_t k = 0; k < ranked.size() && k < kMaxThreats; ++k)
        out.push_back(ranked[k].second);
    return out;
}

} // namespace

std::vector<int> fivePoints(const Board& b, Stone s) {
    std::vector<int> out;
    forEachNear(b, s, [&](int i) {
        if (shapesAt(b, i, s).five()) out.push_back(i);
    });
    return out;
}

void ThreatSolver::startQuestion() {
    nodes_ = 0;
    spent_ = false;
}

bool ThreatSolver::budgetLeft() {
    if (++nodes_ <= limits_.nodes) return true;
    spent_ = true;
    return false;
}

std::uint64_t ThreatSolver::key(const Board& b, int kind, Stone att, int depth) const {
    std::uint64_t salt = static_cast<std::uint64_t>(kind * 64 + att * 16 + depth + 1);
    return (b.hash() ^ (salt * 0xD6E8FEB86659FD93ULL)) | 1; // 0 marks an empty slot
}

bool ThreatSolver::cached(std::uint64_t k, int& result) const {
    const Slot& slot = cache_[(k >> 1) & (cache_.size() - 1)];
    if (slot.key != k) return false;
    result = slot.result;
    return true;
}

void ThreatSolver::remember(std::uint64_t k, int result) {
    if (result >= 0 || !spent_) cache_[(k >> 1) & (cache_.size() - 1)] = {k, result};
}

int ThreatSolver::vcf(Board& b, Stone attacker) {
    startQuestion();
    int five = -1;
    forEachNear(b, attacker, [&](int i) {
        if (five < 0 && shapesAt(b, i, attacker).five()) five = i;
    });
    if (five >= 0) return five;
    if (hasFive(b, opponent(attacker))) return -1;
    return vcfAttack(b, attacker, limits_.vcfDepth);
}

// Attacker to move; neither side can make five at once.
int ThreatSolver::vcfAttack(Board& b, Stone att, int depth) {
    if (depth == 0 || !budgetLeft()) return -1;
    std::uint64_t k = key(b, 0, att, depth);
    int result = -1;
    if (cached(k, result)) return result;
    Stone def = opponent(att);
    std::vector<int> fours;
    forEachNear(b, att, [&](int i) {
        if (shapesAt(b, i, att).four()) fours.push_back(i);
    });
    for (int i : fours) {
        if (shapesAt(b, i, att).winning()) {
            result = i;
            break;
        }
        TrialStone four(b, i, att);
        std::vector<int> block = fivePointsAround(b, i, att);
        if (block.size() != 1) continue;
        TrialStone answer(b, block[0], def);
        // A block that makes a four of its own would turn the tables: not followed.
        if (!fivePointsAround(b, block[0], def).empty()) continue;
        if (vcfAttack(b, att, depth - 1) >= 0) {
            result = i;
            break;
        }
    }
    remember(k, result);
    return result;
}

int ThreatSolver::vct(Board& b, Stone attacker) {
    startQuestion();
    return vctAttack(b, attacker, limits_.vctDepth);
}

// Attacker to move.
int ThreatSolver::vctAttack(Board& b, Stone att, int depth) {
    if (!budgetLeft()) return -1;
    std::uint64_t k = key(b, 1, att, depth);
    int result = -1;
    if (cached(k, result)) return result;
    Stone def = opponent(att);
    forEachNear(b, att, [&](int i) {
        if (result < 0 && shapesAt(b, i, att).five()) result = i;
    });
    if (result >= 0) return result;
    std::vector<int> defenderFives = fivePoints(b, def);
    if (defenderFives.size() == 1) {
        // The attacker must block; its threats made so far may still stand.
        TrialStone block(b, defenderFives[0], att);
        if (vctDefend(b, att, depth)) result = defenderFives[0];
    } else if (defenderFives.empty()) {
        result = vcfAttack(b, att, limits_.vcfDepth);
        if (result < 0 && depth > 0)
            for (int i : threatsOf(b, att)) {
                TrialStone threat(b, i, att);
                if (vctDefend(b, att, depth - 1)) {
                    result = i;
                    break;
                }
            }
    }
    remember(k, result);
    return result;
}

// Defender to move after an attacker's threat: true when every answer loses.
bool ThreatSolver::vctDefend(Board& b, Stone att, int depth) {
    if (!budgetLeft()) return false;
    Stone def = opponent(att);
    if (hasFive(b, def)) return false;
    std::vector<int> fives = fivePoints(b, att);
    if (fives.size() >= 2) return true;
    if (fives.size() == 1) {
        TrialStone block(b, fives[0], def);
        return vctAttack(b, att, depth) >= 0;
    }
    std::uint64_t k = key(b, 2, att, depth);
    int result = 0;
    if (cached(k, result)) return result > 0;
    std::vector<int> wins; // the attacker's open fours (or double fours) to come
    forEachNear(b, att, [&](int i) {
        if (shapesAt(b, i, att).winning()) wins.push_back(i);
    });
    if (wins.empty()) return false;
    std::vector<int> answers;
    for (int f : wins)
        for (int d = 0; d < 4; ++d)
            for (int j = -4; j <= 4; ++j) {
                int c = f + j * kSteps[d];
                if (b.empty(c)) answers.push_back(c);
            }
    forEachNear(b, def, [&](int i) {
        if (shapesAt(b, i, def).four()) answers.push_back(i);
    });
    std::sort(answers.begin(), answers.end());
    answers.erase(std::unique(answers.begin(), answers.end()), answers.end());
    bool attackerWins = true;
    for (int c : answers) {
        TrialStone answer(b, c, def);
        bool counterFour = !fivePointsAround(b, c, def).empty();
        bool stillWins = std::any_of(wins.begin(), wins.end(), [&](int f) {
            return b.empty(f) && shapesAt(b, f, att).winning();
        });
        if (stillWins && !counterFour) continue;
        if (vctAttack(b, att, depth) < 0) {
            attackerWins = false;
            break;
        }
    }
    remember(k, attackerWins ? 1 : -1);
    return attackerWins;
}

std::vector<int> ThreatSolver::refutations(Board& b, Stone attacker, const std::vector<int>& tries,
                                           bool foursOnly) {
    std::vector<int> out;
    for (int t : tries) {
        if (!b.empty(t)) continue;
        TrialStone answer(b, t, opponent(attacker));
        int win = foursOnly ? vcf(b, attacker) : vct(b, attacker);
        if (win < 0 && !spent_) out.push_back(t);
    }
    return out;
}

} // namespace bookgen
