#include "vesk/RootThreats.h"

#include <algorithm>

namespace vesk {

namespace {

// The search for a win by fours ends by this share of the move's time.
constexpr std::int64_t kFoursShare = 20;
// The long win's first look takes this share of its time or of its nodes; later slices
// keep its time to this share of what the move has spent.
constexpr std::int64_t kFirstLookShare = 10;
constexpr long kFirstLookNodesShare = 4;
constexpr std::int64_t kThreatsShare = 4;

} // namespace

RootThreats::RootThreats(ProofSearch& proof, Board& position, const ThinkLimits& limits,
                         const TimeManager& time, const std::atomic<bool>& stop)
    : proof_(proof), board_(position), limits_(limits), time_(time), stop_(stop),
      threatNodesLeft_(limits.vctNodes) {}

bool RootThreats::ask(bool foursOnly, long nodes, std::int64_t untilMs) {
    ProofSearch::Limits limits;
    limits.foursOnly = foursOnly;
    limits.nodes = nodes;
    limits.stop = &stop_;
    if (time_.limited()) limits.time = &time_, limits.untilMs = untilMs;
    long before = proof_.nodes();
    plies_ = proof_.solve(board_, limits, &line_);
    nodes_ += proof_.nodes() - before;
    if (!foursOnly) threatNodesLeft_ -= proof_.nodes() - before;
    return won();
}

bool RootThreats::lookFirst() {
    if (limits_.vcfNodes > 0 && ask(true, limits_.vcfNodes, time_.hardMs() / kFoursShare))
        return true;
    if (limits_.vctNodes <= 0) return false;
    std::int64_t start = time_.elapsedMs();
    bool found = ask(false, limits_.vctNodes / kFirstLookNodesShare,
                     start + time_.hardMs() / kFirstLookShare);
    threatMs_ += time_.elapsedMs() - start;
    threatsSettled_ = proof_.disproved();
    return found;
}

bool RootThreats::goOn() {
    if (threatsSettled_ || threatNodesLeft_ <= 0 || limits_.vctNodes <= 0) return false;
    std::int64_t start = time_.elapsedMs();
    std::int64_t slice = time_.limited() ? start / kThreatsShare - threatMs_ : 0;
    if (time_.limited() && slice <= 0) return false;
    long nodes = std::min(threatNodesLeft_, limits_.vctNodes / kFirstLookNodesShare);
    bool found = ask(false, nodes, std::min(start + slice, time_.hardMs()));
    threatMs_ += time_.elapsedMs() - start;
    threatsSettled_ = proof_.disproved();
    return found;
}

} // namespace vesk
