#include "opponents/TakeBack.h"
#include "engines/SearchEngine.h"
#include "opponents/Opponent.h"
#include "rules/Placement.h"
#include "session/GameFlow.h"
#include "session/Hint.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace wuzi::test {
namespace {

// The player's click; opponent 3's search engine answers right after it.
void click(TakeBack& takeBack, BookGame& g, Cell c) {
    takeBack.playerClick(g, [&] { OnBoardClick(g, c); });
    EngineTurn(g);
}

Cell lastComputerStone(const BookGame& g) {
    return g.compStones.back();
}

// Everything that makes up the position, compared field by field.
::testing::AssertionResult SamePosition(const GameSnapshot& a, const GameSnapshot& b) {
    auto sameMarker = [](const Marker& m, const Marker& n) {
        return m.visible == n.visible && (!m.visible || m.cell == n.cell);
    };
    if (a.BoardCells != b.BoardCells) return ::testing::AssertionFailure() << "board differs";
    if (a.playerStones != b.playerStones || a.compStones != b.compStones)
        return ::testing::AssertionFailure() << "histories differ";
    if (a.PlayerMoveNo != b.PlayerMoveNo || a.CompMoveNo != b.CompMoveNo)
        return ::testing::AssertionFailure() << "counters differ";
    if (!sameMarker(a.imgW, b.imgW) || !sameMarker(a.imgB, b.imgB))
        return ::testing::AssertionFailure() << "markers differ";
    if (a.engine.EngineBoard != b.engine.EngineBoard || a.engine.EngineEval != b.engine.EngineEval)
        return ::testing::AssertionFailure() << "the search engine's board differs";
    if (a.GameMode != b.GameMode || a.PlayerTurn != b.PlayerTurn || a.CentreRule != b.CentreRule ||
        a.GameActive != b.GameActive || a.LatticeFlip != b.LatticeFlip)
        return ::testing::AssertionFailure() << "game flags differ";
    return ::testing::AssertionSuccess();
}

// The player opens on the centre (when moving first), then steps far away so that every
// book hands over, then plays what the opponent's own selection advises.
Cell NextPlayerStone(const BookGame& g, int stonesPlayed) {
    if (g.CentreRule) return {8, 8};
    if (stonesPlayed < 2) return {2, 2};
    return Hint(g).value();
}

constexpr int kStones = 8;
constexpr int kTakenBack = 3;

// Would the player's next stone be answered by an opening book?
bool bookInForce(const GameSnapshot& s) {
    switch (s.GameMode) {
    case 2:
        return (!s.BookCoin && s.BookActive) || s.DiagonalBookActive;
    case 3:
    case 4:
    case 5:
    case 6:
        return s.BookActive;
    default:
        return false;
    }
}

struct Opponent {
    int index;
    bool playerFirst;
};
std::ostream& operator<<(std::ostream& out, const Opponent& o) {
    return out << OpponentAt(o.index).name << (o.playerFirst ? " second" : " first");
}

class UndoThenReplay : public ::testing::TestWithParam<Opponent> {};

// Opponent 3 breaks ties between equal moves by chance; with this source it never does,
// so its answers are as deterministic as the chains'.
class NoTieBreaks : public RandomSource {
  public:
    double next() override { return 0.5; }
};

// Play the stones, take back the last three moves, play them again: the computer gives
// the same answers, and the board is the one it was.
TEST_P(UndoThenReplay, GivesTheSameComputerAnswers) {
    TestGame t;
    NoTieBreaks noTieBreaks;
    BookGame g(t.messages, t.clock, noTieBreaks);
    NewGame(g, {GetParam().playerFirst, GetParam().index});
    TakeBack takeBack;
    std::vector<Cell> stones, answers;
    std::vector<GameSnapshot> positions;
    for (int i = 0; i < kStones; ++i) {
        positions.push_back(g);
        stones.push_back(NextPlayerStone(g, i));
        click(takeBack, g, stones.back());
        ASSERT_TRUE(g.GameActive) << Picture(g);
        answers.push_back(lastComputerStone(g));
    }
    GameSnapshot end = g;
    const int back = kStones - kTakenBack;
    // The books had handed over before the stones taken back.
    ASSERT_FALSE(bookInForce(positions[back]));
    for (int k = 0; k < kTakenBack; ++k)
        ASSERT_TRUE(takeBack.Undo(g));
    EXPECT_TRUE(SamePosition(g, positions[back]));
    EXPECT_TRUE(BoardMatchesHistories(g));
    for (int i = back; i < kStones; ++i) {
        click(takeBack, g, stones[i]);
        EXPECT_EQ(lastComputerStone(g), answers[i]) << "answer to " << stones[i];
    }
    EXPECT_TRUE(SamePosition(g, end)) << Picture(g);
    EXPECT_TRUE(t.messages.boxes.empty());
}

INSTANTIATE_TEST_SUITE_P(Opponents, UndoThenReplay,
                         ::testing::Values(Opponent{0, true}, Opponent{0, false}, Opponent{1, true},
                                           Opponent{1, false}, Opponent{2, true},
                                           Opponent{2, false}, Opponent{3, true},
                                           Opponent{3, false}, Opponent{4, true},
                                           Opponent{4, false}));

TEST(TakeBack, GoesBackToTheStartOfTheGameAndNoFurther) {
    for (bool playerFirst : {true, false}) {
        TestGame t;
        NewGame(t.g, {playerFirst, 0});
        GameSnapshot start = t.g;
        TakeBack takeBack;
        for (Cell c : {Cell{8, 8}, Cell{2, 2}, Cell{14, 3}, Cell{3, 13}, Cell{12, 12}})
            click(takeBack, t.g, c); // the centre is the computer's when it moves first
        EXPECT_EQ(takeBack.depth(), playerFirst ? 5u : 4u);
        int undone = 0;
        while (takeBack.Undo(t.g))
            ++undone;
        EXPECT_EQ(undone, static_cast<int>(playerFirst ? 5 : 4));
        EXPECT_TRUE(SamePosition(t.g, start));
        EXPECT_EQ(t.g.CentreRule, playerFirst); // the centre rule is back
    }
}

TEST(TakeBack, IsOnlyForAStoneOfThePlayersInARunningGameOnTheirTurn) {
    TestGame t;
    BookGame& g = t.g;
    TakeBack takeBack;
    EXPECT_FALSE(takeBack.CanUndo(g)); // no game yet
    NewGame(g, {true, 0});
    click(takeBack, g, {8, 9}); // refused: the first stone goes on the centre
    EXPECT_EQ(takeBack.depth(), 0u);
    EXPECT_FALSE(takeBack.CanUndo(g));
    click(takeBack, g, {8, 8});
    EXPECT_TRUE(takeBack.CanUndo(g));
    click(takeBack, g, {8, 8}); // a taken cell places nothing
    EXPECT_EQ(takeBack.depth(), 1u);

    g.engine.MoveSignal = true; // the search engine owes its answer
    EXPECT_FALSE(takeBack.CanUndo(g));
    g.engine.MoveSignal = false;

    EndGame(g);
    GameSnapshot ended = g;
    EXPECT_FALSE(takeBack.Undo(g));
    EXPECT_TRUE(SamePosition(g, ended));
}

// A game against Corbie, the player first, its centre stone played and answered.
void StartWithTheCentre(BookGame& g, TakeBack& takeBack) {
    NewGame(g, {true, 0});
    click(takeBack, g, {8, 8});
}

// A game that ended on five goes on from the position before the player's last stone,
// with its own opponent and difficulty, whatever the options menu chose since.
void ExpectTheGameGoesOn(BookGame& g, TakeBack& takeBack, const GameSnapshot& before) {
    ASSERT_FALSE(g.GameActive);
    OnDifficulty(g, 2);
    ASSERT_TRUE(takeBack.CanUndo(g));
    ASSERT_TRUE(takeBack.Undo(g));
    EXPECT_TRUE(SamePosition(g, before)) << Picture(g);
    EXPECT_TRUE(g.GameActive);
    EXPECT_EQ(g.Difficulty, before.Difficulty);
    EXPECT_EQ(g.SearchLevel, before.SearchLevel);
    EXPECT_TRUE(BoardMatchesHistories(g));
}

TEST(TakeBack, APlayersFiveIsTakenBack) {
    TestGame t;
    BookGame& g = t.g;
    TakeBack takeBack;
    StartWithTheCentre(g, takeBack);
    // clang-format off
    SetPosition(g, {"O O O O . X X X",
                    "X X X . . . . ."}, {5, 8});
    // clang-format on
    GameSnapshot before = g;
    click(takeBack, g, {9, 8}); // five: the player wins
    ExpectTheGameGoesOn(g, takeBack, before);
    click(takeBack, g, {3, 3}); // another stone, and Corbie answers it
    EXPECT_TRUE(g.GameActive);
    EXPECT_EQ(g.compStones.size(), before.compStones.size() + 1);
}

TEST(TakeBack, AComputersFiveIsTakenBack) {
    TestGame t;
    BookGame& g = t.g;
    TakeBack takeBack;
    StartWithTheCentre(g, takeBack);
    // clang-format off
    SetPosition(g, {"O X X X X . O O",
                    "O O . . . . . ."}, {4, 8});
    // clang-format on
    GameSnapshot before = g;
    click(takeBack, g, {2, 2}); // the player looks away; Corbie makes five
    ASSERT_FALSE(t.messages.boxes.empty());
    ASSERT_EQ(t.messages.boxes.back().text, kComputerWins);
    ExpectTheGameGoesOn(g, takeBack, before);
    click(takeBack, g, {9, 8});
    EXPECT_TRUE(g.GameActive) << Picture(g);
}

TEST(TakeBack, LeavesABookItTakesBackPast) {
    // Peddrin, player first, a seconds digit divisible by 3: the book answers the centre.
    TestGame t(3);
    BookGame& g = t.g;
    NewGame(g, {true, 3});
    ASSERT_TRUE(g.BookActive);
    TakeBack takeBack;
    click(takeBack, g, {8, 8});
    ASSERT_EQ(lastComputerStone(g), (Cell{8, 9}));
    ASSERT_TRUE(takeBack.Undo(g));
    EXPECT_FALSE(g.BookActive);
    EXPECT_FALSE(g.DiagonalBookActive);
    click(takeBack, g, {8, 8});

    // The answer is the general selection's, as in a game that opened without the book.
    TestGame ref(1);
    NewGame(ref.g, {true, 3});
    ASSERT_FALSE(ref.g.BookActive);
    OnBoardClick(ref.g, Cell{8, 8});
    EngineTurn(ref.g);
    EXPECT_EQ(lastComputerStone(g), lastComputerStone(ref.g));
    EXPECT_TRUE(BoardMatchesHistories(g));
}

TEST(TakeBack, LeavesABookThatWouldHaveGoneOn) {
    // Marrowick, player first: the book answers the centre and stays in force.
    TestGame t;
    BookGame& g = t.g;
    NewGame(g, {});
    ASSERT_EQ(g.GameMode, 4);
    TakeBack takeBack;
    click(takeBack, g, {8, 8});
    Cell bookReply = lastComputerStone(g);
    ASSERT_TRUE(g.BookActive);
    ASSERT_TRUE(takeBack.Undo(g));
    EXPECT_FALSE(g.BookActive);
    click(takeBack, g, {8, 8});
    EXPECT_FALSE(g.BookActive);

    // The general selection answers, as in a game whose book is shut from the start.
    TestGame ref;
    NewGame(ref.g, {});
    ref.g.BookActive = false;
    OnBoardClick(ref.g, Cell{8, 8});
    EXPECT_EQ(lastComputerStone(g), lastComputerStone(ref.g)) << "the book played " << bookReply;
    EXPECT_TRUE(BoardMatchesHistories(g));
}

} // namespace
} // namespace wuzi::test
