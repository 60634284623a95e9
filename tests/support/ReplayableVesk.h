#pragma once

#include "opponents/VeskPlay.h"
#include "session/Session.h"

#include <algorithm>

namespace wuzi::test {

// Vesk held to a count of nodes instead of milliseconds, with a small table: a game plays
// the same every time it is played, and quickly.
inline VeskSettings ReplayableVesk() {
    auto play = [](int difficulty) {
        vesk::ThinkLimits limits = VeskLimits(difficulty);
        limits.turnMs = 0;
        limits.nodes = 1000;
        limits.vcfNodes = std::min(limits.vcfNodes, 600L);
        limits.vctNodes = std::min(limits.vctNodes, 600L);
        return limits;
    };
    return {play, play(1), 1, 1, 1};
}

} // namespace wuzi::test
