// The brain keeps to the time the managers give: the budget INFO sets, and opponent 3's
// replies under it, measured by fake clocks.
#include "brain/BrainProtocol.h"
#include "brain/TurnTime.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace wuzi::test {
namespace {

struct BudgetCase {
    const char* name;
    std::vector<std::pair<std::string, std::int64_t>> info;
    std::optional<std::int64_t> budget;
};

TEST(TurnTime, TheBudgetKeepsAMarginWithinEveryLimitGiven) {
    const std::vector<BudgetCase> cases = {
        {"no limit known", {}, std::nullopt},
        {"a fifth of the turn kept aside", {{"timeout_turn", 1000}}, 800},
        {"at most a quarter second kept aside", {{"timeout_turn", 5000}}, 4750},
        {"as fast as possible", {{"timeout_turn", 0}}, 0},
        {"a tenth of the match's time left",
         {{"timeout_turn", 5000}, {"timeout_match", 180000}, {"time_left", 20000}},
         1750},
        {"the turn when the match has time enough",
         {{"timeout_turn", 1000}, {"timeout_match", 180000}, {"time_left", 170000}},
         800},
        {"no match limit", {{"timeout_turn", 1000}, {"timeout_match", 0}, {"time_left", 3}}, 800},
        {"the match alone", {{"timeout_match", 60000}, {"time_left", 6000}}, 480},
        {"no time left", {{"timeout_turn", 1000}, {"time_left", 0}}, 0},
    };
    for (const BudgetCase& c : cases) {
        TurnTime time;
        for (const auto& [key, value] : c.info)
            EXPECT_TRUE(time.inform(key, value)) << c.name;
        EXPECT_EQ(time.budget(), c.budget) << c.name;
    }
    TurnTime other;
    EXPECT_FALSE(other.inform("max_memory", 83886080));
    EXPECT_EQ(other.budget(), std::nullopt);
}

// Time stands still: every search ends in time.
class FrozenClock : public MonotonicClock {
  public:
    std::int64_t milliseconds() override { return 0; }
};

// A second passes at every reading: every deadline has passed at the first look.
class RacingClock : public MonotonicClock {
  public:
    std::int64_t milliseconds() override { return 1000 * readings_++; }

  private:
    std::atomic<std::int64_t> readings_{0};
};

// A brain fed line by line; opponent 3 unless told otherwise.
struct Brain {
    Brain(int difficulty, MonotonicClock& clock, std::vector<std::string> setUp, int opponent = 3)
        : brain({opponent, difficulty, 1}, out, clock) {
        for (const std::string& line : setUp)
            say(line);
    }
    std::string say(const std::string& line) {
        out.str("");
        brain.handleLine(line);
        return out.str();
    }
    std::ostringstream out;
    BrainProtocol brain;
};

// A move "x,y" alone on its line; empty for anything else (a message, the game's end).
std::string moveOf(const std::string& answer) {
    int x = 0, y = 0;
    char end = 0;
    bool move = std::sscanf(answer.c_str(), "%d,%d%c", &x, &y, &end) == 3 && end == '\n';
    return move ? answer.substr(0, answer.size() - 1) : "";
}

// Corvane opens and plays against both brains; they must answer alike move for move,
// which takes every random draw of their searches alike.
void expectSameGame(Brain& a, Brain& b) {
    FrozenClock frozen;
    Brain player(2, frozen, {"START 15"}, 4);
    std::string move = moveOf(player.say("BEGIN"));
    int moves = 0;
    for (; !move.empty() && moves < 30; ++moves) {
        std::string answer = a.say("TURN " + move);
        ASSERT_EQ(answer, b.say("TURN " + move)) << "move " << moves;
        if (moveOf(answer).empty()) break;
        move = moveOf(player.say("TURN " + moveOf(answer)));
    }
    EXPECT_GE(moves, 12);
}

TEST(BrainTime, WithTimeEnoughOpponentThreeAnswersAsWithoutALimit) {
    FrozenClock frozen;
    Brain limited(2, frozen, {"INFO timeout_turn 1000", "START 15"});
    Brain unlimited(2, frozen, {"START 15"});
    expectSameGame(limited, unlimited);
}

TEST(BrainTime, OutOfTimeOpponentThreeAnswersFromItsSearchOfTwoPlies) {
    // Difficulty 0 searches two plies and nothing else.
    RacingClock racing;
    FrozenClock frozen;
    Brain hurried(2, racing, {"INFO timeout_turn 1000", "START 15"});
    Brain shallow(0, frozen, {"START 15"});
    expectSameGame(hurried, shallow);
}

TEST(BrainTime, OnlyCountsOfMillisecondsSetALimit) {
    RacingClock racing;
    FrozenClock frozen;
    // Not limits: a word, a sign, too many digits, another key.
    std::vector<std::string> notLimits = {"INFO timeout_turn soon", "INFO timeout_turn -5",
                                          "INFO timeout_turn 12345678901", "INFO max_memory 100",
                                          "INFO timeout_turn"};
    notLimits.push_back("START 15");
    Brain unhurried(2, racing, notLimits);
    Brain reference(2, frozen, {"START 15"});
    expectSameGame(unhurried, reference);
}

} // namespace
} // namespace wuzi::test
