// Opponent 3's search engine: its board and score, the search's edge cases, and its
// turns inside a game.
#include "engines/SearchEngine.h"
#include "engines/LastResort.h"
#include "engines/SearchEngineFast.h"
#include "opponents/ChainSteps.h"
#include "opponents/Turns.h"
#include "rules/Placement.h"
#include "session/GameFlow.h"
#include "support/SearchPositions.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <set>
#include <utility>
#include <vector>

namespace wuzi::test {
namespace {

int cellOf(int row, int column) {
    return row * 15 + column;
}

int positionOfCell(const SearchState& s, int row, int column) {
    return s.positionOf(cellOf(row, column));
}

TEST(EngineInit, CentreFirstThenNeighboursByKeyInRowOrder) {
    SearchState s;
    EngineInit(s);
    // (row, column): key 1, then keys 2, 3 and 4, equal keys in row-major order.
    const std::vector<std::pair<int, int>> first = {
        {7, 7},                                                           // key 1
        {6, 7}, {7, 6}, {7, 8}, {8, 7},                                   // key 2
        {5, 7}, {7, 5}, {7, 9}, {9, 7},                                   // key 3
        {4, 7}, {6, 6}, {6, 8}, {7, 4}, {7, 10}, {8, 6}, {8, 8}, {10, 7}, // key 4
    };
    for (std::size_t k = 0; k < first.size(); ++k)
        EXPECT_EQ(s.EngineCells[k].cell, cellOf(first[k].first, first[k].second)) << "entry " << k;
    // The four corners have the largest key, 64.
    EXPECT_EQ(s.EngineCells[221].cell, cellOf(0, 0));
    EXPECT_EQ(s.EngineCells[224].cell, cellOf(14, 14));
    for (const EngineCell& e : s.EngineCells)
        EXPECT_EQ(e.state, 0);
    EXPECT_EQ(s.WindowScore, (std::array<std::int32_t, 6>{0, 1, 11, 111, 1111, 11111}));
}

struct EvalCase {
    const char* name;
    std::string row; // '*' is the new stone's cell
    int top, left;   // where the row lies
    char side;       // 'O' or 'X'
    std::int32_t change;
};

TEST(EngineEvalUpdate, CountsEveryWindowThroughTheStone) {
    const std::vector<EvalCase> cases = {
        // 20 empty windows each gain their first stone.
        {"lone centre stone", "*", 7, 7, 'O', 20},
        {"computer stone scores against the player", "*", 7, 7, 'X', -20},
        // Corner: one window along the row, the column and the diagonal.
        {"corner", "*", 0, 0, 'X', -3},
        // Top edge: five along the row, one down, one on each diagonal.
        {"edge", "*", 0, 7, 'O', 8},
        // Four windows grow from one stone to two (+10 each), eleven others start.
        {"next to its own stone", "O*", 7, 7, 'O', 4 * 10 + 1 + 15},
        // Three windows lose two computer stones (+11 each), one loses one (+1).
        {"closes off two computer stones", "XX*", 7, 6, 'O', 3 * 11 + 1 + 1 + 15},
        // Windows holding both sides are dead already: only the three rightmost count.
        {"dead windows change nothing", "OX.*", 7, 5, 'O', 3 + 15},
        {"player completes five", "OOOO*", 7, 4, 'O', kFiveScore},
        {"computer completes five", "XXXX*", 7, 3, 'X', -kFiveScore},
    };
    for (const EvalCase& c : cases) {
        std::string before = c.row;
        int column = c.left + static_cast<int>(before.find('*'));
        before[before.find('*')] = '.';
        SearchState s = EngineStateOf({before}, c.top, c.left);
        std::int32_t eval = s.EngineEval;
        s.EngineBoard[c.top][column] = c.side == 'O' ? kEnginePlayer : kEngineComputer;
        EngineEvalUpdate(s, c.top, column);
        bool five = c.change == kFiveScore || c.change == -kFiveScore;
        EXPECT_EQ(five ? s.EngineEval : s.EngineEval - eval, c.change) << c.name;
    }
}

// A reply searched with a fresh generator, as after program start.
std::pair<int, std::int32_t> search(const SearchState& s, int depth) {
    SeededRandom random;
    SearchContext context(random);
    int best = -1;
    std::int32_t value = EngineSearch(s, depth, -kFiveScore, kEngineComputer, best, context);
    return {best, value};
}

TEST(EngineSearch, ComputerFiveIsFoundAtTheFirstLevel) {
    // The player has four too; a five ends the line of play at once.
    SearchState s = EngineStateOf(
        {
            "OXXXX..",
            ".......",
            ".OOOO..",
            ".......",
        },
        3, 2);
    for (int depth : {2, 3}) {
        auto [best, value] = search(s, depth);
        EXPECT_EQ(value, -kFiveScore) << "depth " << depth;
        EXPECT_EQ(best, positionOfCell(s, 3, 7)) << "depth " << depth;
    }
}

TEST(EngineSearch, BlocksThePlayersFourAtDepthTwo) {
    SearchState s = EngineStateOf(
        {
            "XOOOO...",
            ".....X..",
            "....X...",
        },
        4, 3);
    auto [best, value] = search(s, 2);
    EXPECT_EQ(best, positionOfCell(s, 4, 8));
    EXPECT_LT(value, kFiveScore);
}

// A full board without five: runs of two in every direction.
SearchState fullBoard() {
    SearchState s;
    EngineInit(s);
    for (int row = 0; row < 15; ++row)
        for (int column = 0; column < 15; ++column)
            s.record(row, column, ((column + 2 * row) / 2) % 2 ? kEngineComputer : kEnginePlayer);
    return s;
}

TEST(EngineSearch, FullBoardGivesNoMove) {
    for (int depth : {1, 2, 4}) {
        auto [best, value] = search(fullBoard(), depth);
        EXPECT_EQ(best, -1) << "depth " << depth;
        EXPECT_EQ(value, kFiveScore) << "depth " << depth;
    }
}

TEST(EngineSearch, SameNumbersAfterProgramStartDifferentRepliesWithinARun) {
    // The centre opening: many replies score alike, so the tie rule decides.
    SearchState s = EngineStateOf({"O"}, 7, 7);
    auto replies = [&](RandomSource& random) {
        std::vector<int> out;
        for (int game = 0; game < 12; ++game)
            out.push_back(FindEngineReply(s, 2, random));
        return out;
    };
    SeededRandom firstRun, secondRun;
    std::vector<int> first = replies(firstRun);
    EXPECT_EQ(first, replies(secondRun));
    EXPECT_GT(std::set<int>(first.begin(), first.end()).size(), 1u);
}

// A clock whose time jumps far ahead at its n-th reading.
class ClockJumpingAt : public MonotonicClock {
  public:
    explicit ClockJumpingAt(int reading) : reading_(reading) {}
    std::int64_t milliseconds() override { return ++readings_ >= reading_ ? 1000000 : 0; }

  private:
    int reading_;
    std::atomic<int> readings_{0};
};

TEST(EngineSearch, EndingTheGameOrRunningOutOfTimeStopsTheSearchAtOnce) {
    // A sharp middle game: the full depth-4 search values thousands of positions.
    SearchState s = PlayedOutPositions(3, 80, 5).at(2);
    SeededRandom random;
    SearchContext full(random);
    int best = -1;
    EngineSearch(s, 4, -kFiveScore, kEngineComputer, best, full);
    ASSERT_GE(best, 0);
    EXPECT_FALSE(full.interrupted());

    ClockJumpingAt clock(3);
    Deadline deadline{&clock, 1};
    SearchContext timed(random, nullptr, &deadline);
    EngineSearch(s, 4, -kFiveScore, kEngineComputer, best, timed);
    EXPECT_TRUE(timed.interrupted());
    EXPECT_EQ(best, -1);
    EXPECT_LT(timed.nodes * 20, full.nodes);

    std::atomic<bool> alreadyEnded{true};
    EXPECT_EQ(FindEngineReply(s, 4, random, &alreadyEnded), -1);
}

struct LostCase {
    const char* name;
    std::vector<std::string> picture; // '*': the cell the reply must take (empty)
    int top;
};

// Positions where every move of the computer loses within four plies: the reply blocks
// the player all the same, from the deepest search in which not every move loses, or,
// when even two plies lose everywhere, on one of the player's fives (the first in the
// visiting order).
TEST(FindEngineReply, ALostRootIsNotGivenUp) {
    // clang-format off
    const std::vector<LostCase> cases = {
        // As a game showed it: the four is open at (3, 12) and the player wins within four
        // plies whatever happens; three plies see the block hold.
        {"four", {
            ".....X.XOXXXOX.",
            "......OXOOOO*..",
            ".......OXO.....",
            ".......XOOOXO..",
            ".......X.O.....",
            ".........XX....",
        }, 2},
        // The bench's lost positions: open fours.
        {"bench lost1", {
            "...X...........",
            "...............",
            "....O..........",
            ".....X.........",
            "......X........",
            ".......X.......",
            "........X.O....",
            "....X..OXOO....",
            "........O......",
            "......OO.......",
            "......*........",
        }, 0},
        {"bench lost2", {
            "............X..",
            "...............",
            "..........X....",
            ".....X...*.....",
            "......X.O......",
            "......XOO......",
            "......O........",
            ".....O.........",
        }, 2},
        {"bench lost3", {
            ".........O.....",
            "........OX.....",
            "......XOXXX....",
            "....XOOOOX.....",
            ".....*OXOX.....",
            "......XO.O.....",
            ".......OX.X....",
            "...........O...",
        }, 1},
        // An open four beside the computer's three, whose four a bare score prefers.
        {"open four", {
            ".....OOOO*.....",
            "...............",
            ".....XXX.......",
        }, 7},
    };
    // clang-format on
    for (const LostCase& c : cases) {
        std::vector<std::string> picture = c.picture;
        int row = -1, column = -1;
        for (int r = 0; r < static_cast<int>(picture.size()); ++r)
            if (auto at = picture[r].find('*'); at != std::string::npos)
                row = c.top + r, column = static_cast<int>(at), picture[r][at] = '.';
        SearchState s = EngineStateOf(picture, c.top, 0);
        for (int depth : {2, 3, 4}) {
            SeededRandom random;
            if (depth == 4) {
                EXPECT_EQ(search(s, depth).second, kFiveScore) << c.name; // every move loses
            }
            EXPECT_EQ(FindEngineReply(s, depth, random), positionOfCell(s, row, column))
                << c.name << ", depth " << depth;
        }
    }
}

TEST(FindEngineReply, WhereSomeMoveHoldsOutTheRootSearchAloneDecides) {
    // The same move and the same random draws as the search itself.
    for (const SearchState& s : PlayedOutPositions(5, 60, 4)) {
        SeededRandom plain, reply;
        SearchContext context(plain);
        int searched = -1;
        if (EngineSearch(s, 3, -kFiveScore, kEngineComputer, searched, context) == kFiveScore)
            continue;
        EXPECT_EQ(FindEngineReply(s, 3, reply), searched);
        EXPECT_EQ(reply.next(), plain.next());
    }
}

// A game against Peddrin with the clock's seconds ending in `digit`.
struct PeddrinGame : TestGame {
    explicit PeddrinGame(int digit, bool playerFirst = true, int difficulty = 0) : TestGame(digit) {
        OnDifficulty(g, difficulty);
        menu = {playerFirst, 3};
        NewGame(g, menu);
    }
    void click(int x, int y) { OnBoardClick(g, Cell{x, y}); }
    int computerStones() const { return static_cast<int>(g.compStones.size()); }
};

// The engine's board must hold the game's stones, in its own numbering.
::testing::AssertionResult EngineBoardMatches(const EngineGame& g) {
    for (int y = 1; y <= 15; ++y)
        for (int x = 1; x <= 15; ++x) {
            int code = g.cell(x, y);
            std::uint8_t expected = code == kPlayer     ? kEnginePlayer
                                    : code == kComputer ? kEngineComputer
                                                        : kEngineEmpty;
            if (g.engine.EngineBoard[y - 1][x - 1] != expected)
                return ::testing::AssertionFailure() << "engine board differs at " << Cell{x, y};
        }
    return ::testing::AssertionSuccess();
}

TEST(PeddrinTurn, ReplyComesFromTheEngineAfterTheHandOver) {
    PeddrinGame t(1);
    t.click(8, 8);
    // The chain only hands the stone over; the engine answers on its own turn.
    EXPECT_EQ(t.computerStones(), 0);
    EXPECT_TRUE(EngineReplyOwed(t.g));
    EXPECT_EQ(t.g.engine.EngineEval, 20);
    EXPECT_TRUE(t.g.PlayerTurn);
    EngineTurn(t.g);
    EXPECT_EQ(t.computerStones(), 1);
    EXPECT_FALSE(EngineReplyOwed(t.g));
    EXPECT_TRUE(EngineBoardMatches(t.g));
    EXPECT_TRUE(BoardMatchesHistories(t.g));
    EXPECT_TRUE(t.g.GameActive);
    EXPECT_EQ(t.messages.count("critical"), 0);
}

TEST(PeddrinTurn, BookReplyBelowTheCentreOnlyOnSecondsDigitsDivisibleByThree) {
    for (int digit = 0; digit <= 9; ++digit) {
        PeddrinGame t(digit);
        t.click(8, 8);
        bool book = digit % 3 == 0;
        EXPECT_EQ(t.computerStones(), book ? 1 : 0) << "digit " << digit;
        EXPECT_EQ(t.g.cell(8, 9), book ? kComputer : kEmpty) << "digit " << digit;
        EXPECT_EQ(EngineReplyOwed(t.g), !book) << "digit " << digit;
        EXPECT_FALSE(t.g.BookActive) << "digit " << digit;
        EXPECT_TRUE(EngineBoardMatches(t.g)) << "digit " << digit;
    }
}

TEST(PeddrinTurn, TheDifficultySetsHowFarTheEngineLooksAhead) {
    // The computer has two open threes; the player's click on (8, 10) makes a third.
    // Two plies see only the score: the stone on (6, 10) closes the player's three and
    // makes a broken four. Three plies and more see that an open four wins.
    // clang-format off
    const std::vector<std::string> picture = {
        "...............",
        "...............",
        "...............",
        "...............",
        "...............",
        ".....X.........",
        ".....X.........",
        ".....X.........",
        "...............",
        "......O.O......",
        "...............",
        "..XXX..........",
    };
    // clang-format on
    const std::vector<Cell> openFours = {{6, 5}, {6, 9}, {2, 12}, {6, 12}};
    for (int difficulty : {0, 1, 2}) {
        PeddrinGame t(1, true, difficulty);
        SetPosition(t.g, picture);
        t.g.engine = EngineStateOf(picture);
        t.g.CentreRule = false;
        t.g.PlayerTurn = true;
        t.click(8, 10);
        ASSERT_TRUE(EngineReplyOwed(t.g));
        EngineTurn(t.g);
        Cell reply = t.g.compStone(t.computerStones());
        if (difficulty == 0)
            EXPECT_EQ(reply, (Cell{6, 10}));
        else
            EXPECT_NE(std::find(openFours.begin(), openFours.end(), reply), openFours.end())
                << "difficulty " << difficulty << ": " << reply;
    }
}

TEST(PeddrinTurn, ComputerFirstOpensOnTheCentreOfBothBoards) {
    PeddrinGame t(3, false);
    EXPECT_EQ(t.g.GameMode, 7);
    EXPECT_EQ(t.g.cell(8, 8), kComputer);
    EXPECT_TRUE(EngineBoardMatches(t.g));
    t.click(10, 9);
    EngineTurn(t.g);
    EXPECT_EQ(t.computerStones(), 2);
    EXPECT_TRUE(EngineBoardMatches(t.g));
}

TEST(PeddrinTurn, AWholeGameKeepsBothBoardsInStep) {
    PeddrinGame t(1);
    t.click(8, 8);
    EngineTurn(t.g);
    // The player walks down the board; every reply lands on an empty cell.
    for (int y = 1; y <= 15 && t.g.GameActive; ++y)
        for (int x = 1; x <= 15 && t.g.GameActive; x += 4) {
            if (t.g.cell(x, y) != kEmpty) continue;
            int before = t.computerStones();
            t.click(x, y);
            EngineTurn(t.g);
            // A five made by the chain's own-five step ends the game off the engine's board.
            if (t.g.GameActive) {
                ASSERT_EQ(t.computerStones(), before + 1);
                ASSERT_TRUE(EngineBoardMatches(t.g));
            }
        }
    // The computer wins long before the walk ends.
    EXPECT_TRUE(t.messages.shown("计算机胜!"));
    EXPECT_GE(t.computerStones(), 5);
    EXPECT_TRUE(BoardMatchesHistories(t.g));
    EXPECT_EQ(t.messages.count("critical"), 0);
}

TEST(PeddrinTurn, NoReplyOnceTheGameHasEnded) {
    PeddrinGame t(1);
    t.click(8, 8);
    EndGame(t.g);
    EngineTurn(t.g);
    EXPECT_EQ(t.computerStones(), 0);
    PlaceEngineReply(t.g, 0);
    EXPECT_EQ(t.computerStones(), 0);
}

TEST(PeddrinTurn, HandOverOfATakenEngineCellChangesNothing) {
    PeddrinGame t(1);
    t.click(8, 8);
    EngineTurn(t.g);
    std::int32_t eval = t.g.engine.EngineEval;
    CompBoardClick(t.g, 7, 7);
    EXPECT_FALSE(EngineReplyOwed(t.g));
    EXPECT_EQ(t.g.engine.EngineEval, eval);
}

TEST(PeddrinTurn, EngineStonesMissingOnTheGameBoardAreDrawn) {
    PeddrinGame t(1);
    t.g.engine.record(2, 4, kEngineComputer);
    SyncEngineStones(t.g);
    EXPECT_EQ(t.g.cell(5, 3), kComputer);
    EXPECT_TRUE(t.g.CompMoved);
    EXPECT_TRUE(BoardMatchesHistories(t.g));
}

// Stones of a picture for SetUpPosition, in reading order, then the player's `last`.
std::vector<SetUpStone> stonesOf(const std::vector<std::string>& picture, Cell last) {
    std::vector<SetUpStone> stones;
    for (int y = 1; y <= static_cast<int>(picture.size()); ++y)
        for (int x = 1; x <= static_cast<int>(picture[y - 1].size()); ++x) {
            char ch = picture[y - 1][x - 1];
            if (ch == '.' || Cell{x, y} == last) continue;
            stones.push_back({{x, y}, ch == 'X' ? kComputer : kPlayer});
        }
    stones.push_back({last, kPlayer});
    return stones;
}

TEST(PeddrinTurn, SetUpPositionIsTheEnginesBoardAndTheEngineAnswersItsLastStone) {
    // clang-format off
    const std::vector<std::string> picture = {
        ".............",
        "..XOOOO......",
        ".............",
        ".............",
        ".........X...",
        "...........X.",
    };
    // clang-format on
    PeddrinGame t(1);
    ASSERT_TRUE(SetUpPosition(t.g, t.menu, stonesOf(picture, {7, 2})));
    std::vector<std::string> withoutLast = picture;
    withoutLast[1] = "..XOOO.......";
    EXPECT_EQ(t.g.engine.EngineEval, EngineStateOf(withoutLast).EngineEval);
    EXPECT_EQ(t.g.engine.EngineBoard[1][6], kEngineEmpty);
    AnswerSetUpPosition(t.g, {7, 2});
    EXPECT_TRUE(EngineReplyOwed(t.g));
    EngineTurn(t.g);
    EXPECT_EQ(t.g.cell(8, 2), kComputer); // the player's four is closed
    EXPECT_TRUE(EngineBoardMatches(t.g));
    EXPECT_TRUE(t.g.GameActive);
}

TEST(PeddrinTurn, ComputersOwnFiveComesBeforeTheEngine) {
    // clang-format off
    const std::vector<std::string> picture = {
        ".............",
        "..OXXXX......",
        "...O.........",
        "....O........",
        ".....O.......",
        "..........O..",
    };
    // clang-format on
    PeddrinGame t(1);
    ASSERT_TRUE(SetUpPosition(t.g, t.menu, stonesOf(picture, {11, 6})));
    AnswerSetUpPosition(t.g, {11, 6});
    EXPECT_FALSE(EngineReplyOwed(t.g));
    EXPECT_EQ(t.computerStones(), 5);
    EXPECT_TRUE(t.messages.shown("计算机胜!"));
    EXPECT_FALSE(t.g.GameActive);
}

// A board without five in any line, runs of two at most; (15, 15) is still empty.
// 112 stones a side.
std::vector<std::string> boardButTheLastCell() {
    // clang-format off
    return {
        "XOOXXOOXXOOXXOO",
        "OXXOOXXOOXXOOXX",
        "XOOXXOOXXOOXXOO",
        "OXXOOXXOOXXOOXX",
        "XOOXXOOXXOOXXOO",
        "OXXOOXXOOXXOOXX",
        "XOOXXOOXXOOXXOO",
        "OXXOOXXOOXXOOXX",
        "XOOXXOOXXOOXXOO",
        "OXXOOXXOOXXOOXX",
        "XOOXXOOXXOOXXOO",
        "OXXOOXXOOXXOOXX",
        "XOOXXOOXXOOXXOO",
        "OXXOOXXOOXXOOXX",
        "XOOXXOOXXOOXXO.",
    };
    // clang-format on
}

TEST(PeddrinTurn, PlayersFiveOnTheLastCellIsAWinNotAlsoADraw) {
    std::vector<std::string> picture = boardButTheLastCell();
    picture[14] = "XOOXXOOXXXOOOO.";
    PeddrinGame t(1);
    SetPosition(t.g, picture);
    t.g.CentreRule = false;
    t.g.PlayerTurn = true;
    t.click(15, 15); // the last empty cell
    EXPECT_TRUE(t.messages.shown("玩家胜!"));
    EXPECT_FALSE(t.messages.shown("此局为和局!"));
    EXPECT_FALSE(t.g.GameActive);
    EXPECT_FALSE(t.g.engine.MoveSignal);
}

TEST(PeddrinTurn, EnginesStoneFillingTheBoardIsADraw) {
    // The computer moved first: after the player's stone on (2, 1) one cell is left.
    PeddrinGame t(1, false);
    ASSERT_TRUE(SetUpPosition(t.g, t.menu, stonesOf(boardButTheLastCell(), {2, 1})));
    ASSERT_EQ(t.g.GameMode, 7);
    AnswerSetUpPosition(t.g, {2, 1});
    ASSERT_TRUE(EngineReplyOwed(t.g));
    EngineTurn(t.g);
    EXPECT_EQ(t.g.cell(15, 15), kComputer);
    EXPECT_TRUE(t.messages.shown("此局为和局!"));
    EXPECT_FALSE(t.g.GameActive);
    EXPECT_TRUE(EngineBoardMatches(t.g));
}

} // namespace
} // namespace wuzi::test
