#pragma once

#include "rules/Types.h"

#include <vector>

namespace wuzi {

inline constexpr int kDemoGameCount = 51;

// One move of a demonstration game: its colour and its point.
struct DemoMove {
    bool black = true;
    Cell at;
    friend bool operator==(const DemoMove&, const DemoMove&) = default;
};

// The moves of demonstration game n (1..51) in order; empty for any other n.
const std::vector<DemoMove>& DemoGame(int n);

} // namespace wuzi
