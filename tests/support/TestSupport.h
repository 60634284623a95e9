#pragma once

#include "rules/Game.h"
#include "session/GameFlow.h"
#include "support/RecordingMessages.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace wuzi {
inline std::ostream& operator<<(std::ostream& out, Cell c) {
    return out << "(" << c.x << ", " << c.y << ")";
}
} // namespace wuzi

namespace wuzi::test {

// A game with injected messages, clock and random numbers.
struct TestGame {
    explicit TestGame(int secondsDigit = 1) : clock(secondsDigit) {}
    RecordingMessages messages;
    FixedDigitClock clock;
    SeededRandom random;
    BookGame g{messages, clock, random};
    MenuChecks menu; // the options menu's checks, kept beside the game as the session keeps them
};

// Board pictures: one text row per board row, cells separated by spaces or not.
//   '.' empty   'X' a computer stone   'O' a player stone
// The picture's top-left cell is `topLeft` (default (1, 1)); cells outside stay empty.
// Stones enter each side's history in reading order (row by row, left to right),
// then the cells listed in `newestLast` are moved to the end of their side's history
// in the order given, so the last of them is the newest stone.
void SetPosition(Game& g, const std::vector<std::string>& picture, Cell topLeft = {1, 1},
                 const std::vector<Cell>& newestLast = {});

// The board as a 15-row picture in the same notation, for readable failures.
std::string Picture(const Game& g);

// Checks that BoardCells agrees with both histories and the move counters.
::testing::AssertionResult BoardMatchesHistories(const Game& g);

} // namespace wuzi::test
