#pragma once

#include "support/TestSupport.h"

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace wuzi::test {

// Draws a board picture like SetPosition, where one '*' marks the empty cell under
// test; returns that cell.
inline Cell SetMarkedPosition(Game& g, std::vector<std::string> picture, Cell topLeft = {1, 1},
                              const std::vector<Cell>& newestLast = {}) {
    Cell marked;
    for (std::size_t row = 0; row < picture.size(); ++row) {
        int column = 0;
        for (char& ch : picture[row]) {
            if (ch == ' ') continue;
            if (ch == '*') {
                marked = {topLeft.x + column, topLeft.y + static_cast<int>(row)};
                ch = '.';
            }
            ++column;
        }
    }
    if (isNoCell(marked)) throw std::invalid_argument("the picture marks no cell with '*'");
    SetPosition(g, picture, topLeft, newestLast);
    return marked;
}

// The newest computer stone, or (0, 0) when the computer has none.
inline Cell NewestComputerStone(const Game& g) {
    return g.compStones.empty() ? Cell{} : g.compStones.back();
}

// After one call of a move routine: it placed exactly one stone, on `expected`, and set
// CompMoved, or, when `expected` is (0, 0), it placed none and left CompMoved False; and
// it reported no fault. `stonesBefore` is the computer's stone count before the call.
inline ::testing::AssertionResult PlayedOnly(const TestGame& t, std::size_t stonesBefore,
                                             Cell expected) {
    if (t.messages.count("critical") != 0)
        return ::testing::AssertionFailure() << "a fault was reported";
    std::size_t placed = t.g.compStones.size() - stonesBefore;
    bool none = isNoCell(expected);
    if (placed == (none ? 0u : 1u) && (none || NewestComputerStone(t.g) == expected) &&
        t.g.CompMoved == (!none))
        return ::testing::AssertionSuccess();
    auto failure = ::testing::AssertionFailure();
    if (none)
        failure << "expected no stone";
    else
        failure << "expected a stone on " << expected;
    return failure << ", got " << placed << " stone(s), the newest on " << NewestComputerStone(t.g)
                   << ", CompMoved " << t.g.CompMoved << "\n"
                   << Picture(t.g);
}

// A position for an engine entry that takes a stage, and where its stone must go.
struct StageCase {
    const char* name;
    int stage;
    int difficulty;
    std::vector<std::string> picture;
    Cell topLeft;
    std::vector<Cell> newestLast; // the last one is the newest stone
    Cell expected;                // (0, 0): no stone
};

// Runs `entry(g, stage)` once on each case's position, under GameMode `mode` with
// LatticeFlip True.
inline void ExpectStageCases(const std::function<void(BookGame&, int)>& entry,
                             const std::vector<StageCase>& cases, int mode = 0) {
    for (const auto& c : cases) {
        TestGame t;
        SetPosition(t.g, c.picture, c.topLeft, c.newestLast);
        t.g.GameMode = mode;
        t.g.LatticeFlip = true;
        t.g.Difficulty = c.difficulty;
        std::size_t before = t.g.compStones.size();
        entry(t.g, c.stage);
        EXPECT_TRUE(PlayedOnly(t, before, c.expected)) << c.name;
    }
}

} // namespace wuzi::test
