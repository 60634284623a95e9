#include "session/Session.h"
#include "session/SearchWorker.h"
#include "support/ReplayableVesk.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

namespace wuzi::test {
namespace {

// Every event of a session, in order, as a line of text.
class EventLog : public RecordingMessages {
  public:
    void information(const std::string& title, const std::string& text) override {
        lines.push_back(title + ": " + text);
    }
    void critical(const std::string& title, const std::string& text) override {
        lines.push_back(title + ": " + text);
    }
    void stonePlaced(Cell c, int side) override {
        lines.push_back((side == kPlayer ? "player " : "computer ") + cellText(c));
    }
    void gameOver() override { lines.push_back("game over"); }
    void thinkingStarted() override { lines.push_back("thinking"); }
    void thinkingFinished() override { lines.push_back("done thinking"); }
    void hintFound(std::optional<Cell> c, bool) override {
        lines.push_back("hint " + (c ? cellText(*c) : std::string("none")));
    }
    void analysisFound(const Analysis& a) override {
        lines.push_back("analysis of " + std::to_string(a.position.size()) +
                        " stones: " + cellText(a.result.move));
    }
    std::vector<std::string> take() { return std::exchange(lines, {}); }
    std::vector<std::string> lines;
};

// The game's generator, counting its draws so that a test can stop a search that has
// drawn.
class CountingRandom : public RandomSource {
  public:
    double next() override {
        ++drawn;
        return inner_.next();
    }
    std::atomic<int> drawn{0};

  private:
    SeededRandom inner_;
};

struct TestSession {
    explicit TestSession(int opponent, bool playerFirst = true, int difficulty = 0) {
        session.chooseOpponent(opponent);
        session.chooseDifficulty(difficulty);
        if (!playerFirst) session.chooseComputerFirst();
    }
    EventLog events;
    FixedDigitClock clock{1}; // opponent 3 opens with its search, not its book
    CountingRandom random;
    Session session{events, clock, random};
    const Game& g = session.state();
};

using Lines = std::vector<std::string>;

TEST(Session, TellsTheStonesOfEachTurnInTheOrderPlayed) {
    TestSession t(0, false); // Corbie opens on the centre
    t.session.newGame();
    EXPECT_EQ(t.events.take(), Lines{"computer (8, 8)"});
    EXPECT_EQ(t.session.play({7, 7}), PlayResult::Placed);
    EXPECT_EQ(t.events.take(), (Lines{"player (7, 7)", "computer " + cellText(t.g.compStone(2))}));
}

// The view tells where the game stands and why a stone would be refused, and play()
// answers as the view said.
TEST(SessionView, TellsThePhaseAndWhyAStoneWouldBeRefused) {
    TestSession t(3); // Peddrin, whose search thinks apart from the game
    const GameView& view = t.session.view();
    auto expectAnswer = [&](Cell c, PlayResult answer) {
        EXPECT_EQ(view.canPlay(c), answer) << cellText(c);
        EXPECT_EQ(t.session.play(c), answer) << cellText(c);
    };
    EXPECT_EQ(view.phase(), Phase::NoGame);
    expectAnswer({8, 8}, PlayResult::NoGame);
    t.session.newGame();
    EXPECT_EQ(view.phase(), Phase::PlayerToMove);
    EXPECT_EQ(view.match(), (Match{3, true, 0}));
    expectAnswer({3, 3}, PlayResult::CentreFirst);
    EXPECT_EQ(t.events.take(), Lines{"提示: 第一步请走在天元!"});
    expectAnswer({8, 8}, PlayResult::Placed);
    EXPECT_EQ(view.phase(), Phase::ComputerThinking);
    expectAnswer({3, 3}, PlayResult::Thinking);
    t.session.waitForReply();
    EXPECT_EQ(view.phase(), Phase::PlayerToMove);
    expectAnswer({8, 8}, PlayResult::Taken);
    expectAnswer({16, 3}, PlayResult::OffBoard);
    EXPECT_EQ(view.moveCount(), 2u);
    t.session.endGame();
    EXPECT_EQ(view.phase(), Phase::GameOver);
    EXPECT_EQ(view.outcome(), Outcome::Ended);
    expectAnswer({2, 2}, PlayResult::NoGame);
    t.session.reviewGame();
    EXPECT_EQ(view.phase(), Phase::Review);
}

// Two people on one board: black first on the centre, then each in turn; a five ends the
// game with its side's message, and 悔棋 takes back one stone, also the five.
TEST(SessionTwoPlayers, TakeTurnsUntilAFive) {
    TestSession t(3);
    const GameView& view = t.session.view();
    t.session.newTwoPlayerGame();
    EXPECT_EQ(view.mode(), Mode::TwoPlayers);
    EXPECT_EQ(view.match().mode, Mode::TwoPlayers);
    EXPECT_EQ(t.session.play({3, 3}), PlayResult::CentreFirst);
    //   row 8:  X X X X X     black's five, white below on row 9
    for (int x = 8; x <= 11; ++x) {
        EXPECT_EQ(t.session.play({x, 8}), PlayResult::Placed);
        EXPECT_EQ(t.session.play({x, 9}), PlayResult::Placed);
    }
    EXPECT_EQ(t.session.play({8, 9}), PlayResult::Taken);
    EXPECT_EQ(view.phase(), Phase::PlayerToMove);
    t.events.take();
    EXPECT_EQ(t.session.play({12, 8}), PlayResult::Placed);
    EXPECT_EQ(t.events.take(), (Lines{"player (12, 8)", "game over", "提示: 黑胜!"}));
    EXPECT_EQ(view.outcome(), Outcome::BlackWon);
    EXPECT_EQ(view.scene().winningLine.size(), 5u);
    EXPECT_EQ(t.session.recordToSave().moves.size(), 9u);
    ASSERT_TRUE(t.session.undo());
    EXPECT_EQ(view.phase(), Phase::PlayerToMove);
    EXPECT_EQ(view.moveCount(), 8u);
    EXPECT_EQ(t.session.play({3, 3}), PlayResult::Placed);  // black plays elsewhere...
    EXPECT_EQ(t.session.play({12, 9}), PlayResult::Placed); // ...and white makes five
    EXPECT_EQ(view.outcome(), Outcome::WhiteWon);
    t.session.newGame(); // back to the computer
    EXPECT_EQ(view.mode(), Mode::VersusComputer);
}

TEST(Session, TheComputersFiveEndsTheGameOnce) {
    TestSession t(0);
    //   row 1:  X X X X . . .    the computer completes its five at (5, 1)
    std::vector<SetUpStone> stones;
    for (int x = 1; x <= 4; ++x)
        stones.push_back({{x, 1}, kComputer});
    for (Cell c : {Cell{8, 8}, Cell{10, 10}, Cell{12, 12}, Cell{14, 14}, Cell{6, 12}})
        stones.push_back({c, kPlayer});
    ASSERT_TRUE(t.session.playFromPosition(stones));
    // The box after the stone and the end: a front end shows the game over while it stands.
    EXPECT_EQ(t.events.take(), (Lines{"computer (5, 1)", "game over", "提示: 计算机胜!"}));
    t.session.endGame();
    EXPECT_TRUE(t.events.take().empty());
    EXPECT_EQ(t.session.view().outcome(), Outcome::ComputerWon);
    EXPECT_EQ(t.session.view().scene().winningLine.size(), 5u);
}

TEST(Session, OpponentThreeThinksOnItsOwnThreadAndRefusesStonesMeanwhile) {
    TestSession t(3);
    t.session.newGame();
    ASSERT_EQ(t.session.play({8, 8}), PlayResult::Placed);
    EXPECT_EQ(t.events.take(), (Lines{"player (8, 8)", "thinking"}));
    EXPECT_EQ(t.session.play({3, 3}), PlayResult::Thinking);
    EXPECT_FALSE(t.session.canUndo());
    t.session.waitForReply();
    EXPECT_EQ(t.events.take(), (Lines{"done thinking", "computer " + cellText(t.g.compStone(1))}));
    EXPECT_FALSE(t.session.thinking());
}

// A search stopped half-way gives its random draws back: the game goes on as if it had
// never run, whether it was stopped for a new game or paused for a lesson.
TEST(Session, AStoppedSearchLeavesTheRandomNumbersAsTheyWere) {
    auto replyAfterStop = [](bool newGame) {
        TestSession t(3, true, 2);
        t.session.newGame();
        t.session.play({8, 8});
        auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (t.random.drawn == 0 && std::chrono::steady_clock::now() < deadline)
            std::this_thread::yield();
        if (newGame) {
            t.session.newGame();
            t.session.play({8, 8});
        } else {
            ThinkingPause pause(t.session);
            EXPECT_FALSE(t.session.thinking());
        }
        t.session.waitForReply();
        return std::pair{t.g.compStone(1), t.random.next()};
    };
    TestSession unhurried(3, true, 2);
    unhurried.session.newGame();
    unhurried.session.play({8, 8});
    unhurried.session.waitForReply();
    auto expected = std::pair{unhurried.g.compStone(1), unhurried.random.next()};
    EXPECT_EQ(replyAfterStop(true), expected);
    EXPECT_EQ(replyAfterStop(false), expected);
}

TEST(Session, OpponentThreeDoesNotGiveUpALostPosition) {
    // The player's four on the second row is open at (13, 4), and whatever the computer
    // does the player wins within four plies: the four is blocked all the same.
    // clang-format off
    const std::vector<std::string> picture = {
        ".....X.XOXXXOX.",
        "......OXOOOO...",
        ".......OXO.....",
        ".......XOOOXO..",
        ".......X.O.....",
        ".........XX....",
    };
    // clang-format on
    std::vector<SetUpStone> stones;
    for (int row = 0; row < static_cast<int>(picture.size()); ++row)
        for (int column = 0; column < 15; ++column)
            if (char c = picture[row][column]; c != '.')
                stones.push_back({{column + 1, row + 3}, c == 'X' ? kComputer : kPlayer});
    // The player's newest stone: the last of the four.
    std::rotate(stones.begin() + 13, stones.begin() + 14, stones.end());
    ASSERT_EQ(stones.back().cell, (Cell{12, 4}));
    TestSession t(3, true, 2);
    ASSERT_TRUE(t.session.playFromPosition(stones));
    t.session.waitForReply();
    EXPECT_EQ(t.g.compStones.back(), (Cell{13, 4}));
}

TEST(SearchDraws, NumbersGivenBackComeAgainInTheOrderFirstDrawn) {
    SeededRandom reference, source;
    std::vector<double> stream;
    for (int i = 0; i < 5; ++i)
        stream.push_back(reference.next());
    SearchDraws draws(source);
    draws.next(), draws.next();
    draws.giveBack(); // a stopped search: 0 and 1 come again
    EXPECT_EQ(draws.next(), stream[0]);
    draws.giveBack(); // stopped again, having reused only 0
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(draws.next(), stream[i]) << i;
    draws.spend(); // a reply placed: its numbers are used up
    EXPECT_EQ(draws.next(), stream[4]);
}

TEST(Session, TheHintComesForThePositionItWasAskedFor) {
    TestSession t(0);
    t.session.newGame();
    t.session.hint();
    t.session.waitForHint();
    EXPECT_EQ(t.events.take(), Lines{"hint (8, 8)"}); // the centre comes first
    t.session.hint();
    t.session.play({8, 8}); // the player moves on while the hint is looked for
    t.events.take();
    t.session.waitForHint();
    EXPECT_EQ(t.events.take(), Lines{"hint none"});
    // Asked again on the new board while the stale one is looked for: looked for next.
    t.session.hint();
    ASSERT_EQ(t.session.play({3, 3}), PlayResult::Placed);
    t.session.hint();
    t.events.take();
    t.session.waitForHint();
    Lines told = t.events.take();
    ASSERT_EQ(told.size(), 1u);
    EXPECT_NE(told[0], "hint none");
}

// 提示 then 大师提示: the master's answer, told first, is not covered by the other's.
TEST(Session, AHintIsNotToldOverOneAskedAfterIt) {
    TestSession t(0);
    t.session.setVeskSettings(ReplayableVesk());
    t.session.newGame();
    ASSERT_EQ(t.session.play({8, 8}), PlayResult::Placed);
    t.session.hint();
    t.session.masterHint();
    t.session.analyse({{8, 8}, t.g.compStone(1)}); // joins the master's hint: told first
    t.events.take();
    t.session.waitForAnalysis();
    t.session.waitForHint();
    Lines told = t.events.take();
    ASSERT_EQ(told.size(), 3u);
    EXPECT_NE(told[1], "hint none");
    EXPECT_EQ(told[2], "hint none");
}

TEST(Session, VeskThinksOnItsOwnThreadAndRefusesStonesMeanwhile) {
    TestSession t(5);
    t.session.setVeskSettings(ReplayableVesk());
    t.session.newGame();
    ASSERT_EQ(t.session.play({8, 8}), PlayResult::Placed);
    EXPECT_EQ(t.events.take(), (Lines{"player (8, 8)", "thinking"}));
    EXPECT_EQ(t.session.play({3, 3}), PlayResult::Thinking);
    t.session.waitForReply();
    Cell reply = t.g.compStone(1);
    EXPECT_EQ(t.events.take(), (Lines{"done thinking", "computer " + cellText(reply)}));
    EXPECT_LE(std::max(std::abs(reply.x - 8), std::abs(reply.y - 8)), 2);
}

// 大师分析 and 大师提示 of the same position are one search; each gets its answer.
TEST(Session, TheMastersHintJoinsTheAnalysisOfTheSamePosition) {
    TestSession t(0);
    t.session.setVeskSettings(ReplayableVesk());
    t.session.newGame();
    ASSERT_EQ(t.session.play({8, 8}), PlayResult::Placed);
    t.events.take();
    std::vector<Cell> position{{8, 8}, t.g.compStone(1)};
    t.session.analyse(position);
    t.session.masterHint();
    EXPECT_TRUE(t.session.hintPending());
    t.session.waitForHint();
    Lines told = t.events.take();
    ASSERT_EQ(told.size(), 2u);
    EXPECT_EQ(told[0].rfind("analysis of 2 stones: ", 0), 0u);
    EXPECT_EQ(told[1], "hint " + told[0].substr(told[0].find(": ") + 2));
    EXPECT_FALSE(t.session.analysing());

    t.session.masterHint(); // then the analysis of another position replaces it
    t.session.analyse({{8, 8}});
    t.session.waitForAnalysis();
    told = t.events.take();
    ASSERT_EQ(told.size(), 2u);
    EXPECT_EQ(told[0], "hint none");
    EXPECT_EQ(told[1].rfind("analysis of 1 stones: ", 0), 0u);

    t.session.analyse({{8, 8}, {9, 9}}); // dropped before it is told
    t.session.dropAnalysis();
    EXPECT_FALSE(t.session.analysing());
    t.session.waitForAnalysis();
    EXPECT_TRUE(t.events.take().empty());
}

} // namespace
} // namespace wuzi::test
