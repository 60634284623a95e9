#include "session/WatchMatch.h"

#include "rules/Psq.h"
#include "rules/WinningLine.h"

#include <gtest/gtest.h>

#include <string>

namespace wuzi::test {
namespace {

struct Pairing {
    const char* name;
    int black, white; // opponents, at 初级
};

class WatchMatchTest : public ::testing::TestWithParam<Pairing> {};

// Two opponents play a whole game, each stone one step; a thinking one's reply comes
// later. The game ends as its record says, and the record reads back as a game.
TEST_P(WatchMatchTest, PlaysAWholeGameThatCanBeReviewed) {
    FixedDigitClock clock(1);
    WatchMatch match({GetParam().black, true, 0}, {GetParam().white, true, 0}, clock);
    ASSERT_EQ(match.record().moves, (std::vector<Cell>{kCentre})); // black opens on the centre
    for (int step = 0; step < kCellCount && !match.over(); ++step) {
        std::size_t before = match.record().moves.size();
        match.step();
        match.waitForReply();
        // One stone a step; none only from a side that found no move and so ended it.
        std::size_t added = match.record().moves.size() - before;
        ASSERT_TRUE(added == 1 || (added == 0 && match.over())) << step;
    }
    ASSERT_TRUE(match.over());
    const GameRecord& record = match.record();
    PsqResult read = ParsePsq(WritePsq(record));
    ASSERT_TRUE(read.ok()) << read.error;
    EXPECT_EQ(read.record, record);
    ColourBoard board = BoardAfter(record, record.moves.size());
    bool five = !WinningLine(board, record.moves.back()).empty();
    bool blackLast = isBlackMove(record.moves.size() - 1);
    Outcome expected = !five ? Outcome::Draw : blackLast ? Outcome::BlackWon : Outcome::WhiteWon;
    EXPECT_EQ(match.outcome(), expected);
}

INSTANTIATE_TEST_SUITE_P(Pairings, WatchMatchTest,
                         ::testing::Values(Pairing{"Corbie_against_Corvane", 0, 4},
                                           Pairing{"Marrowick_against_Quillon", 2, 1},
                                           Pairing{"Peddrin_thinking_against_Corbie", 3, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace wuzi::test
