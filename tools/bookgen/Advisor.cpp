#include "Advisor.h"

#include "Evaluation.h"
#include "Shapes.h"

#include <algorithm>
#include <climits>

namespace bookgen {

namespace {

constexpr std::size_t kVcfDefenceTries = 24;
constexpr std::size_t kVctDefenceTries = 16;
constexpr std::size_t kLookaheadMoves = 10;
constexpr std::size_t kLookaheadAnswers = 8;
constexpr std::size_t kAttacksListed = 2;

std::vector<int> firstOf(const std::vector<int>& v, std::size_t n) {
    return {v.begin(), v.begin() + static_cast<long>(std::min(n, v.size()))};
}

// `front` in its order, then the rest of `order`.
std::vector<int> joined(const std::vector<int>& front, const std::vector<int>& order) {
    std::vector<int> out = front;
    for (int i : order)
        if (std::find(out.begin(), out.end(), i) == out.end()) out.push_back(i);
    return out;
}

} // namespace

std::vector<int> Advisor::replies(Board& b, Stone me) {
    Stone them = opponent(me);
    std::vector<int> order = candidates(b, me);
    if (int win = solver_.vcf(b, me); win >= 0) return joined({win}, order);
    if (solver_.vcf(b, them) >= 0) {
        std::vector<int> stop = defences(b, me, order, true);
        if (!stop.empty()) return joined(stop, order);
    }
    if (int win = solver_.vct(b, me); win >= 0) return joined({win}, order);
    if (solver_.vct(b, them) >= 0) {
        std::vector<int> stop = defences(b, me, order, false);
        if (!stop.empty()) return joined(stop, order);
    }
    return byLookahead(b, me, order);
}

// The moves of `me` that leave the opponent no forced win, best first.
std::vector<int> Advisor::defences(Board& b, Stone me, const std::vector<int>& order,
                                   bool foursOnly) {
    std::vector<int> tries = firstOf(order, foursOnly ? kVcfDefenceTries : kVctDefenceTries);
    for (int i : order)
        if (shapesAt(b, i, me).four() && std::find(tries.begin(), tries.end(), i) == tries.end())
            tries.push_back(i);
    std::vector<int> stop = solver_.refutations(b, opponent(me), tries, foursOnly);
    return firstOf(byLookahead(b, me, stop), stop.size());
}

// The first moves of `order` by the worst position the opponent's best answers leave.
std::vector<int> Advisor::byLookahead(Board& b, Stone me, const std::vector<int>& order) {
    Stone them = opponent(me);
    std::vector<std::pair<int, std::size_t>> scored; // (-score, place in order)
    std::vector<int> top = firstOf(order, kLookaheadMoves);
    for (std::size_t k = 0; k < top.size(); ++k) {
        TrialStone move(b, top[k], me);
        int worst = INT_MAX;
        for (int answer : firstOf(candidates(b, them), kLookaheadAnswers)) {
            TrialStone reply(b, answer, them);
            worst = std::min(worst, evaluate(b, me, me));
        }
        if (worst == INT_MAX) worst = evaluate(b, me, them);
        scored.push_back({-worst, k});
    }
    std::sort(scored.begin(), scored.end());
    std::vector<int> best;
    for (auto [score, k] : scored)
        best.push_back(top[k]);
    return joined(best, order);
}

bool Advisor::leavesNoWin(Board& b, int move, Stone me) {
    TrialStone stone(b, move, me);
    Stone them = opponent(me);
    return solver_.vcf(b, them) < 0 && solver_.vct(b, them) < 0;
}

std::vector<int> Advisor::stones(Board& b, Stone me, int count) {
    Stone them = opponent(me);
    std::vector<int> forced = fivePoints(b, them);
    if (!forced.empty()) return forced.size() == 1 ? forced : std::vector<int>{};
    std::vector<int> order;
    for (int i : candidates(b, me))
        if (!shapesAt(b, i, me).four()) order.push_back(i);
    std::vector<int> list;
    if (solver_.vcf(b, them) >= 0)
        list = solver_.refutations(b, them, firstOf(order, kVcfDefenceTries), true);
    else if (solver_.vct(b, them) >= 0)
        list = solver_.refutations(b, them, firstOf(order, kVctDefenceTries), false);
    std::size_t attacks = 0;
    for (int i : order)
        if (attacks < kAttacksListed && shapesAt(b, i, me).three() &&
            std::find(list.begin(), list.end(), i) == list.end()) {
            list.push_back(i);
            ++attacks;
        }
    return firstOf(joined(list, order), static_cast<std::size_t>(count));
}

} // namespace bookgen
