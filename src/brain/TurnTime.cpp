#include "brain/TurnTime.h"

#include <algorithm>

namespace wuzi {

namespace {

// A reply may take this share of the match's time left: a few slow moves must not eat it.
constexpr std::int64_t kShareOfMatch = 10;
// Kept aside for reading, writing and the manager's own measuring: a fifth of the limit,
// at most this much.
constexpr std::int64_t kMostReserve = 250;

} // namespace

bool TurnTime::inform(const std::string& key, std::int64_t milliseconds) {
    if (key == "timeout_turn")
        turn_ = milliseconds;
    else if (key == "timeout_match")
        match_ = milliseconds;
    else if (key == "time_left")
        left_ = milliseconds;
    else
        return false;
    return true;
}

std::optional<std::int64_t> TurnTime::budget() const {
    std::optional<std::int64_t> limit = turn_;
    bool matchLimited = left_ && (!match_ || *match_ > 0);
    if (matchLimited) {
        std::int64_t share = std::max<std::int64_t>(*left_, 0) / kShareOfMatch;
        limit = limit ? std::min(*limit, share) : share;
    }
    if (!limit) return std::nullopt;
    return *limit - std::min(*limit / 5, kMostReserve);
}

} // namespace wuzi
