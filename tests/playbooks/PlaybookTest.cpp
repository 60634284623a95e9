#include "engines/LastResort.h"
#include "opponents/ChainSteps.h"
#include "opponents/Turns.h"
#include "playbooks/Book.h"
#include "playbooks/Playbooks.h"
#include "rules/Placement.h"
#include "session/GameFlow.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace wuzi::test {
namespace {

constexpr int kQuillon = 1, kMarrowick = 2, kPeddrin = 3;
constexpr int kCoinDigit = 5;   // a seconds digit that sets BookCoin
constexpr int kNoCoinDigit = 1; // one that clears it

// A game against one opponent, played click by click.
struct OpponentGame {
    OpponentGame(int opponent, bool playerFirst, int digit) : t(digit) {
        NewGame(t.g, {playerFirst, opponent});
    }
    // The player's stone; returns the computer's answer, or (0, 0) when it placed none.
    Cell play(Cell stone) {
        std::size_t before = t.g.compStones.size();
        PlayerPlace(t.g, Cell{stone.x, stone.y});
        return t.g.compStones.size() > before ? t.g.compStones.back() : Cell{};
    }
    TestGame t;
    BookGame& g = t.g;
};

struct Exchange {
    Cell stone;
    Cell reply;
};

// The book state a line leaves behind: the fields checked, with their values.
enum class Field { BookActive, DiagonalActive, Mode, Flip, MoveNo, Orientation, SubLine };
using After = std::vector<std::pair<Field, int>>;

int valueOf(const BookGame& g, Field f) {
    switch (f) {
    case Field::BookActive:
        return g.BookActive;
    case Field::DiagonalActive:
        return g.DiagonalBookActive;
    case Field::Mode:
        return g.GameMode;
    case Field::Flip:
        return g.LatticeFlip;
    case Field::MoveNo:
        return g.BookMoveNo;
    case Field::Orientation:
        return g.BookOrientation;
    case Field::SubLine:
        return g.BookSubLine;
    }
    return 0;
}

struct BookLine {
    std::string name;
    int opponent;
    bool playerFirst;
    int digit;
    std::vector<Exchange> moves;
    After after;
};

void PrintTo(const BookLine& c, std::ostream* out) {
    *out << c.name;
}

class BookLines : public ::testing::TestWithParam<BookLine> {};

TEST_P(BookLines, AnswersAsListed) {
    const BookLine& line = GetParam();
    OpponentGame game(line.opponent, line.playerFirst, line.digit);
    for (const Exchange& m : line.moves) {
        ASSERT_EQ(game.play(m.stone), m.reply) << "after the player's " << m.stone << "\n"
                                               << Picture(game.g);
    }
    for (auto [field, value] : line.after)
        EXPECT_EQ(valueOf(game.g, field), value) << "field " << static_cast<int>(field);
    EXPECT_EQ(game.t.messages.count("critical"), 0);
    EXPECT_TRUE(BoardMatchesHistories(game.g));
}

INSTANTIATE_TEST_SUITE_P(
    Openings, BookLines,
    ::testing::Values(
        BookLine{"QuillonMainBookAnswersTheCentreDiagonally",
                 kQuillon,
                 true,
                 kNoCoinDigit,
                 {{{8, 8}, {9, 9}}},
                 {{Field::BookActive, true}}},
        BookLine{"QuillonDiagonalBookAnswersTheCentreDiagonally",
                 kQuillon,
                 true,
                 kCoinDigit,
                 {{{8, 8}, {9, 9}}},
                 {{Field::DiagonalActive, true}}},
        BookLine{"UnlistedSecondStoneFallsToTheDiagonalBook",
                 kQuillon,
                 true,
                 kNoCoinDigit,
                 {{{8, 8}, {9, 9}}, {{10, 10}, {10, 8}}},
                 {{Field::BookActive, false}, {Field::DiagonalActive, true}, {Field::MoveNo, 3}}},
        BookLine{
            "ListedSecondStoneShutsTheDiagonalBookOut",
            kQuillon,
            true,
            kNoCoinDigit,
            {{{8, 8}, {9, 9}}, {{7, 7}, {7, 9}}, {{6, 6}, {9, 8}}},
            {{Field::BookActive, true}, {Field::DiagonalActive, false}, {Field::Orientation, 1}}},
        BookLine{"PendingOrientationEndsTheBookAtOnce",
                 kQuillon,
                 true,
                 kNoCoinDigit,
                 {{{8, 8}, {9, 9}}, {{8, 6}, {9, 7}}, {{7, 7}, {8, 9}}, {{9, 5}, {6, 8}}},
                 {{Field::BookActive, false}, {Field::MoveNo, 4}}},
        BookLine{"PendingOrientationJoinsTreeAOnItsSixthLine",
                 kQuillon,
                 true,
                 kNoCoinDigit,
                 {{{8, 8}, {9, 9}}, {{8, 6}, {9, 7}}, {{7, 7}, {8, 9}}, {{6, 6}, {10, 9}}},
                 {{Field::BookActive, true}, {Field::MoveNo, 5}, {Field::Orientation, 11}}},
        BookLine{"DiagonalLinesJoinInOnePosition",
                 kQuillon,
                 true,
                 kCoinDigit,
                 {{{8, 8}, {9, 9}}, {{8, 10}, {10, 8}}, {{10, 10}, {9, 10}}, {{9, 11}, {8, 12}}},
                 {{Field::DiagonalActive, true}, {Field::MoveNo, 5}}},
        BookLine{"DiagonalLineThreeIsReflectedInRowNine",
                 kQuillon,
                 true,
                 kCoinDigit,
                 {{{8, 8}, {9, 9}}, {{10, 8}, {10, 10}}, {{8, 10}, {9, 8}}, {{9, 7}, {8, 6}}},
                 {{Field::DiagonalActive, true}, {Field::Orientation, 2}}},
        BookLine{"QuillonBlackTurnsADiagonalFirstStone",
                 kQuillon,
                 false,
                 kNoCoinDigit,
                 {{{9, 9}, {8, 9}}, {{8, 10}, {10, 8}}},
                 {{Field::BookActive, true}, {Field::MoveNo, 3}, {Field::Orientation, 6}}},
        BookLine{"QuillonBlackEndsOnCanonicalEightFive",
                 kQuillon,
                 false,
                 kNoCoinDigit,
                 {{{7, 8}, {8, 7}}, {{8, 9}, {6, 7}}, {{7, 7}, {7, 6}}, {{8, 5}, {7, 10}}},
                 {{Field::BookActive, false}}},
        BookLine{"MarrowickBlackOrthogonalFirstStoneWithoutCoin",
                 kMarrowick,
                 false,
                 kNoCoinDigit,
                 {{{8, 9}, {9, 6}}},
                 {{Field::SubLine, 2}}},
        BookLine{"MarrowickBlackOrthogonalFirstStoneWithCoin",
                 kMarrowick,
                 false,
                 kCoinDigit,
                 {{{8, 9}, {9, 9}}},
                 {{Field::SubLine, 3}}},
        BookLine{"MarrowickBlackSwitchesToTheLatticeAfterTwoMoves",
                 kMarrowick,
                 false,
                 kNoCoinDigit,
                 {{{9, 9}, {9, 7}}, {{8, 7}, {7, 6}}},
                 {{Field::BookActive, false}, {Field::Mode, 9}, {Field::Flip, true}}},
        BookLine{"MarrowickWhiteSwitchesWithTheFalseLattice",
                 kMarrowick,
                 true,
                 kNoCoinDigit,
                 {{{8, 8}, {8, 9}}, {{7, 8}, {7, 7}}},
                 {{Field::BookActive, false}, {Field::Mode, 8}, {Field::Flip, false}}},
        BookLine{"MarrowickWhiteSwitchesWithTheTrueLattice",
                 kMarrowick,
                 true,
                 kCoinDigit,
                 {{{8, 8}, {8, 9}}, {{9, 8}, {9, 7}}},
                 {{Field::BookActive, false}, {Field::Mode, 8}, {Field::Flip, true}}},
        BookLine{"MarrowickWhiteLineElevenMirrored",
                 kMarrowick,
                 true,
                 kNoCoinDigit,
                 {{{8, 8}, {8, 9}}, {{7, 9}, {7, 8}}, {{6, 7}, {7, 7}}},
                 {{Field::BookActive, true},
                  {Field::MoveNo, 4},
                  {Field::Orientation, 2},
                  {Field::SubLine, 11}}},
        BookLine{"PeddrinAnswersJustBelowTheCentre",
                 kPeddrin,
                 true,
                 3,
                 {{{8, 8}, {8, 9}}},
                 {{Field::BookActive, false}}}),
    [](const auto& info) { return info.param.name; });

// A game in the middle of a book: the position drawn, the book's state set by hand.
struct BookPosition {
    BookPosition(int gameMode, int bookMoveNo) : mode(gameMode), moveNo(bookMoveNo) {}
    BookPosition onLine(int l) const { return with(&BookPosition::line, l); }
    BookPosition turned(int o) const { return with(&BookPosition::orientation, o); }
    BookPosition inSubLine(int s) const { return with(&BookPosition::subLine, s); }
    BookPosition withCoin() const { return with(&BookPosition::coin, 1); }

    int mode;
    int moveNo;
    int line = 1;
    int orientation = 1;
    int subLine = 1;
    int coin = 0;

  private:
    BookPosition with(int BookPosition::*field, int value) const {
        BookPosition s = *this;
        s.*field = value;
        return s;
    }
};

void enterBook(BookGame& g, const std::vector<std::string>& picture, const BookPosition& s) {
    SetPosition(g, picture);
    g.GameMode = s.mode;
    g.PlayerFirst = (s.mode % 2 == 0);
    g.GameActive = true;
    g.BookActive = g.DiagonalBookActive = true;
    g.BookCoin = s.coin != 0;
    g.BookMoveNo = s.moveNo;
    g.BookLine = s.line;
    g.BookOrientation = s.orientation;
    g.BookSubLine = s.subLine;
}

Cell playStone(BookGame& g, Cell stone) {
    std::size_t before = g.compStones.size();
    PlayerPlace(g, Cell{stone.x, stone.y});
    return g.compStones.size() > before ? g.compStones.back() : Cell{};
}

const std::vector<std::string> kEmptyBoard(15, std::string(15, '.'));

TEST(Playbook, AfterAHandOverTheBookIsNeverConsultedAgain) {
    OpponentGame game(kQuillon, false, kNoCoinDigit);
    Cell answer = game.play({6, 8}); // two points from the centre: not in the book
    EXPECT_NE(answer, Cell{});
    EXPECT_FALSE(game.g.BookActive);
    // A first stone the book lists, each with its own orientation.
    for (Cell listed : {Cell{9, 8}, Cell{8, 9}, Cell{8, 7}, Cell{7, 9}, Cell{9, 9}}) {
        if (!game.g.isEmpty(listed)) continue;
        EXPECT_NE(game.play(listed), Cell{});
        break;
    }
    EXPECT_EQ(game.g.BookMoveNo, 1);
    EXPECT_EQ(game.g.BookOrientation, 1);
    EXPECT_FALSE(game.g.BookActive);
}

TEST(Playbook, BlockingAFourKeepsTheBookOnItsNode) {
    TestGame t;
    // The diagonal book's canonical position after move 4, and a player's three on
    // row 2 whose four the book must block first.
    enterBook(t.g,
              {
                  ". . . . . . . . . .",
                  "X O O O . . . . . .",
                  ". . . . . . . . . .",
                  ". . . . . . . . . .",
                  ". . . . . . . . . .",
                  ". . . . . . . . . .",
                  ". . . . . . . . . .",
                  ". . . . . . . O . X",
                  ". . . . . . . . X .",
                  ". . . . . . . O X O",
                  ". . . . . . . . O .",
                  ". . . . . . . X . .",
              },
              BookPosition(2, 5).withCoin());
    EXPECT_EQ(playStone(t.g, {5, 2}), (Cell{6, 2}));
    EXPECT_EQ(t.g.BookMoveNo, 5);
    EXPECT_TRUE(t.g.DiagonalBookActive);
    EXPECT_EQ(playStone(t.g, {7, 9}), (Cell{6, 8})); // the same node answers
    EXPECT_EQ(t.g.BookMoveNo, 6);
}

struct TakenReply {
    std::string name;
    BookPosition state;
    Cell taken; // the listed reply, already on the board
    Cell stone;
};

void PrintTo(const TakenReply& c, std::ostream* out) {
    *out << c.name;
}

class TakenReplies : public ::testing::TestWithParam<TakenReply> {};

TEST_P(TakenReplies, HandOver) {
    const TakenReply& c = GetParam();
    TestGame t;
    enterBook(t.g, kEmptyBoard, c.state);
    t.g.setCell(c.taken.x, c.taken.y, kPlayer);
    t.g.playerStones.push_back(c.taken);
    ++t.g.PlayerMoveNo;
    Cell answer = playStone(t.g, c.stone);
    EXPECT_NE(answer, Cell{});
    EXPECT_NE(answer, c.taken);
    bool diagonal = c.state.mode == 2 && c.state.coin;
    EXPECT_FALSE(t.g.*(diagonal ? &BookGame::DiagonalBookActive : &BookGame::BookActive));
    EXPECT_EQ(t.messages.count("critical"), 0);
    EXPECT_TRUE(BoardMatchesHistories(t.g));
}

INSTANTIATE_TEST_SUITE_P(
    Books, TakenReplies,
    ::testing::Values(
        TakenReply{"ListedReply", BookPosition(3, 2), {6, 7}, {8, 9}},
        TakenReply{"DefaultReply", BookPosition(2, 12).onLine(4).withCoin(), {8, 15}, {5, 5}},
        TakenReply{"ReplyOfAPendingOrientation", BookPosition(2, 4).turned(13), {9, 10}, {6, 6}}),
    [](const auto& info) { return info.param.name; });

struct CellTest {
    std::string name;
    BookPosition state;
    std::vector<std::string> picture;
    Cell stone;
    Cell reply;
};

void PrintTo(const CellTest& c, std::ostream* out) {
    *out << c.name;
}

class CellTests : public ::testing::TestWithParam<CellTest> {};

TEST_P(CellTests, ReadTheCanonicalCellOnTheRealBoard) {
    const CellTest& c = GetParam();
    TestGame t;
    enterBook(t.g, c.picture, c.state);
    EXPECT_EQ(playStone(t.g, c.stone), c.reply) << Picture(t.g);
}

// The diagonal book at move 6 of line 1, reflected in row 9: canonical (10, 11) is real
// (10, 7), and its reply depends on canonical (10, 12), real (10, 6).
const BookPosition kDiagonalMove6 = BookPosition(2, 6).turned(2).withCoin();
// Marrowick's group 2 at move 11 of line 3, turned a quarter: canonical (6, 5) is real
// (5, 10); the reply depends on whether canonical (11, 8), real (8, 5), is the player's.
const BookPosition kGroup2Move11 = BookPosition(5, 11).onLine(3).turned(2).inSubLine(2);

// The upper left of the board, with the cell the reply depends on taken.
const std::vector<std::string> kPlayerOnTenSix = {
    ". . . . . . . . . .", ". . . . . . . . . .", ". . . . . . . . . .",
    ". . . . . . . . . .", ". . . . . . . . . .", ". . . . . . . . . O",
};
const std::vector<std::string> kPlayerOnEightFive = {
    ". . . . . . . .", ". . . . . . . .", ". . . . . . . .", ". . . . . . . .", ". . . . . . . O",
};
const std::vector<std::string> kComputerOnEightFive = {
    ". . . . . . . .", ". . . . . . . .", ". . . . . . . .", ". . . . . . . .", ". . . . . . . X",
};

INSTANTIATE_TEST_SUITE_P(
    Books, CellTests,
    ::testing::Values(
        CellTest{"DiagonalCellEmpty", kDiagonalMove6, kEmptyBoard, {10, 7}, {8, 7}},
        CellTest{"DiagonalCellTaken", kDiagonalMove6, kPlayerOnTenSix, {10, 7}, {10, 5}},
        CellTest{"GroupTwoCellHoldsThePlayer", kGroup2Move11, kPlayerOnEightFive, {5, 10}, {9, 7}},
        CellTest{
            "GroupTwoCellHoldsTheComputer", kGroup2Move11, kComputerOnEightFive, {5, 10}, {10, 7}},
        CellTest{"GroupTwoCellEmpty", kGroup2Move11, kEmptyBoard, {5, 10}, {10, 7}}),
    [](const auto& info) { return info.param.name; });

TEST(Playbook, StoneOutsideTheCanonicalFrameHandsOver) {
    TestGame t;
    // Orientation 6 of the black book shifts rows by one: row 1 has no canonical cell.
    enterBook(t.g, kEmptyBoard, BookPosition(3, 2).turned(6));
    EXPECT_NE(playStone(t.g, {5, 1}), Cell{});
    EXPECT_FALSE(t.g.BookActive);
    EXPECT_EQ(t.g.BookMoveNo, 2);
}

TEST(Playbook, MarrowickSubLineSevenSwitchesToTheLattice) {
    for (auto [stone, flip] : {std::pair{Cell{11, 7}, false}, {Cell{8, 10}, true}}) {
        TestGame t;
        enterBook(t.g, kEmptyBoard, BookPosition(5, 3).inSubLine(7));
        t.g.LatticeFlip = !flip;
        playStone(t.g, stone);
        EXPECT_EQ(t.g.GameMode, 9);
        EXPECT_EQ(t.g.LatticeFlip, flip);
        EXPECT_FALSE(t.g.BookActive);
    }
    // An unlisted stone: the hand-over answers as Marrowick, then the lattice chain takes
    // the game with the lattice unchanged.
    TestGame t;
    enterBook(t.g, kEmptyBoard, BookPosition(5, 3).inSubLine(7));
    t.g.LatticeFlip = false;
    EXPECT_NE(playStone(t.g, {3, 3}), Cell{});
    EXPECT_EQ(t.g.GameMode, 9);
    EXPECT_FALSE(t.g.LatticeFlip);
    EXPECT_FALSE(t.g.BookActive);
}

TEST(Playbook, MarrowickSwitchWithoutReplyLetsTheNewChainAnswer) {
    TestGame t;
    enterBook(t.g, kEmptyBoard, BookPosition(5, 7).onLine(19));
    t.g.LatticeFlip = false;
    EXPECT_NE(playStone(t.g, {3, 3}), Cell{});
    EXPECT_EQ(t.g.GameMode, 8);
    EXPECT_TRUE(t.g.LatticeFlip);
    EXPECT_FALSE(t.g.BookActive);
    EXPECT_EQ(t.g.BookMoveNo, 7);
}

TEST(Playbook, TreesBAndCHaveNoFourthMove) {
    // Line 1 then (6, 8): orientation 2, tree B; line 4 then (6, 8): orientation 7, tree C.
    for (Cell second : {Cell{7, 7}, Cell{6, 6}}) {
        OpponentGame game(kQuillon, true, kNoCoinDigit);
        game.play({8, 8});
        game.play(second);
        ASSERT_EQ(game.play({6, 8}), (Cell{9, 8}));
        ASSERT_TRUE(game.g.BookActive);
        EXPECT_NE(game.play({5, 5}), Cell{});
        EXPECT_FALSE(game.g.BookActive);
    }
}

// What the general selection of `mode` answers to the player's `stone` on this board.
Cell generalAnswer(const BookGame& g, int mode, Cell stone) {
    BookGame copy = g;
    copy.setCell(stone.x, stone.y, kPlayer);
    copy.playerStones.push_back(stone);
    ++copy.PlayerMoveNo;
    copy.GameMode = mode;
    copy.BookActive = false;
    CompChoose(copy, stone.x, stone.y);
    return copy.compStones.back();
}

struct UnlistedStone {
    std::string name;
    int opponent;
    bool playerFirst;
    int digit;
    std::vector<Exchange> listed; // the book's own moves first
    Cell stone;                   // a stone the node does not list
    int mode;                     // the mode whose general selection answers it
};

void PrintTo(const UnlistedStone& c, std::ostream* out) {
    *out << c.name;
}

class UnlistedStones : public ::testing::TestWithParam<UnlistedStone> {};

// An unlisted stone leaves the book for the rest of the game, and the general
// selection answers that very stone.
TEST_P(UnlistedStones, HandOverToTheGeneralSelection) {
    const UnlistedStone& c = GetParam();
    OpponentGame game(c.opponent, c.playerFirst, c.digit);
    for (const Exchange& m : c.listed)
        ASSERT_EQ(game.play(m.stone), m.reply) << "after the player's " << m.stone;
    int moveNo = game.g.BookMoveNo;
    Cell expected = generalAnswer(game.g, c.mode, c.stone);
    EXPECT_EQ(game.play(c.stone), expected) << Picture(game.g);
    // Quillon's main book has shut the diagonal book out at its second move.
    bool quillonWhite = c.opponent == kQuillon && c.playerFirst;
    bool diagonal = quillonWhite && c.digit == kCoinDigit;
    EXPECT_FALSE(game.g.*(diagonal ? &BookGame::DiagonalBookActive : &BookGame::BookActive));
    if (quillonWhite) {
        EXPECT_FALSE(game.g.DiagonalBookActive);
    }
    EXPECT_EQ(game.g.BookMoveNo, moveNo);
    EXPECT_EQ(game.g.GameMode, c.mode);
    EXPECT_EQ(game.t.messages.count("critical"), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Books, UnlistedStones,
    ::testing::Values(
        // Quillon as black: canonical (8, 9) is the only second stone; real (7, 7) is
        // canonical (9, 6) on the turned frame of the first stone (9, 9).
        UnlistedStone{"QuillonBlackSecondStone",
                      kQuillon,
                      false,
                      kNoCoinDigit,
                      {{{9, 9}, {8, 9}}},
                      {7, 7},
                      3},
        UnlistedStone{
            "QuillonBlackFirstStoneTwoAway", kQuillon, false, kNoCoinDigit, {}, {8, 10}, 3},
        UnlistedStone{
            "MarrowickBlackFirstStoneTwoAway", kMarrowick, false, kNoCoinDigit, {}, {6, 8}, 5},
        UnlistedStone{"MarrowickBlackFirstStoneTwoAwayWithCoin",
                      kMarrowick,
                      false,
                      kCoinDigit,
                      {},
                      {10, 10},
                      5},
        UnlistedStone{"MarrowickWhiteSecondStone",
                      kMarrowick,
                      true,
                      kNoCoinDigit,
                      {{{8, 8}, {8, 9}}},
                      {5, 5},
                      4},
        UnlistedStone{"MarrowickWhiteLineEightThirdStone",
                      kMarrowick,
                      true,
                      kNoCoinDigit,
                      {{{8, 8}, {8, 9}}, {{7, 9}, {7, 8}}},
                      {10, 10},
                      4},
        UnlistedStone{"QuillonWhiteThirdStone",
                      kQuillon,
                      true,
                      kNoCoinDigit,
                      {{{8, 8}, {9, 9}}, {{7, 7}, {7, 9}}},
                      {10, 10},
                      2},
        UnlistedStone{"QuillonWhitePendingFourthStone",
                      kQuillon,
                      true,
                      kNoCoinDigit,
                      {{{8, 8}, {9, 9}}, {{6, 8}, {7, 9}}, {{8, 6}, {9, 8}}},
                      {5, 5},
                      2},
        UnlistedStone{"QuillonDiagonalThirdStone",
                      kQuillon,
                      true,
                      kCoinDigit,
                      {{{8, 8}, {9, 9}}, {{10, 10}, {10, 8}}},
                      {7, 7},
                      2}),
    [](const auto& info) { return info.param.name; });

TEST(Playbook, MarrowickWhiteLineTwoSwitchesBeforeTheAnswer) {
    OpponentGame game(kMarrowick, true, kNoCoinDigit);
    game.play({8, 8});
    game.play({8, 7}); // line 2: (9, 7)
    Cell third{7, 5};  // Marrowick's own chain would answer this at (9, 8)
    Cell expected = generalAnswer(game.g, 8, third);
    EXPECT_EQ(game.play(third), expected);
    EXPECT_EQ(game.g.GameMode, 8);
    EXPECT_TRUE(game.g.LatticeFlip);
    EXPECT_FALSE(game.g.BookActive);
}

TEST(Playbook, MarrowickSubLineSevenAnswersBeforeItSwitches) {
    OpponentGame game(kMarrowick, false, kNoCoinDigit);
    game.play({9, 9});  // group 1: (9, 7)
    game.play({10, 8}); // sub-line 7: (10, 9)
    Cell third{6, 10};  // Corvane's chain would answer this at (11, 7)
    Cell expected = generalAnswer(game.g, 5, third);
    EXPECT_EQ(game.play(third), expected);
    EXPECT_EQ(game.g.GameMode, 9);
    EXPECT_FALSE(game.g.BookActive);
}

// Tree A of Quillon's main book at move 14, line 13: the player's (12, 8) is answered by
// the computer's own four when it has a three to make one from, else at (12, 7).
TEST(Playbook, RoutineNodeLetsAFourAnswerFirst) {
    for (bool three : {true, false}) {
        TestGame t;
        // Three stones in a row, or the same three broken up.
        enterBook(t.g,
                  {
                      three ? ". . . . . ." : "X . . . . .",
                      ". . . . . .",
                      three ? ". . X X X ." : ". . X X . .",
                      ". . . . . .",
                  },
                  BookPosition(2, 14).onLine(13));
        Cell answer = playStone(t.g, {12, 8});
        if (three) {
            EXPECT_TRUE((answer == Cell{2, 3}) || (answer == Cell{6, 3})) << answer;
            EXPECT_FALSE(t.g.BookActive);
        } else {
            EXPECT_EQ(answer, (Cell{12, 7}));
            EXPECT_TRUE(t.g.BookActive);
            EXPECT_EQ(t.g.BookLine, 10);
        }
        EXPECT_EQ(t.g.BookMoveNo, 15);
    }
}

TEST(Playbook, RoutineNodeWithoutFallbackHandsOver) {
    TestGame t;
    enterBook(t.g, kEmptyBoard, BookPosition(2, 9).onLine(40));
    EXPECT_NE(playStone(t.g, {3, 3}), Cell{});
    EXPECT_FALSE(t.g.BookActive);
    EXPECT_EQ(t.g.BookMoveNo, 9);
}

struct DefaultCase {
    std::string name;
    Cell stone;
    std::optional<Cell> reply; // none: the book hands over
};

void PrintTo(const DefaultCase& c, std::ostream* out) {
    *out << c.name;
}

class DiagonalLineFour : public ::testing::TestWithParam<DefaultCase> {};

// Move 12 of the diagonal book's line 4 answers every stone it does not list at (8, 15),
// but hands four of them over.
TEST_P(DiagonalLineFour, AtMoveTwelve) {
    TestGame t;
    enterBook(t.g, kEmptyBoard, BookPosition(2, 12).onLine(4).withCoin());
    Cell answer = playStone(t.g, GetParam().stone);
    EXPECT_FALSE(t.g.DiagonalBookActive);
    if (GetParam().reply) {
        EXPECT_EQ(answer, *GetParam().reply);
        EXPECT_EQ(t.g.BookMoveNo, 13);
    } else {
        EXPECT_NE(answer, Cell{});
        EXPECT_EQ(t.g.BookMoveNo, 12);
    }
}

INSTANTIATE_TEST_SUITE_P(Books, DiagonalLineFour,
                         ::testing::Values(DefaultCase{"Unlisted", {5, 5}, Cell{8, 15}},
                                           DefaultCase{"Listed", {6, 11}, Cell{5, 11}},
                                           DefaultCase{"HandedOver", {8, 14}, std::nullopt},
                                           DefaultCase{"OnTheDefaultCell", {8, 15}, std::nullopt}),
                         [](const auto& info) { return info.param.name; });

struct Frames {
    const book::Book* book;
    std::vector<int> subLines;
    int orientations;
};

void PrintTo(const Frames& f, std::ostream* out) {
    *out << f.book->name;
}

class Transforms : public ::testing::TestWithParam<Frames> {};

// Every inverse undoes its transform on every cell that has a canonical image.
TEST_P(Transforms, InverseUndoesTheTransform) {
    const Frames& f = GetParam();
    TestGame t;
    for (int subLine : f.subLines)
        for (int o = 1; o <= f.orientations; ++o) {
            t.g.BookSubLine = subLine;
            t.g.BookOrientation = o;
            int mapped = 0;
            for (int y = 1; y <= kBoardSize; ++y)
                for (int x = 1; x <= kBoardSize; ++x) {
                    Cell c = f.book->toCanonical(t.g, {x, y});
                    if (!onBoard(c)) continue;
                    ++mapped;
                    EXPECT_EQ(f.book->toReal(t.g, c), (Cell{x, y}))
                        << "sub-line " << subLine << ", orientation " << o;
                }
            // A frame may shift or reflect a little of the board away, never most of it.
            EXPECT_GE(mapped, 12 * kBoardSize) << "sub-line " << subLine << ", orientation " << o;
        }
}

INSTANTIATE_TEST_SUITE_P(
    Books, Transforms,
    ::testing::Values(Frames{&book::kQuillonWhiteDiagonalBook, {0}, 2},
                      Frames{&book::kQuillonBlackBook, {0}, 8},
                      Frames{&book::kQuillonWhiteBook, {0}, 12},
                      Frames{&book::kMarrowickBlackBook, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, 4},
                      Frames{&book::kMarrowickWhiteBook, {1, 3, 4, 6, 10, 11}, 4},
                      Frames{&book::kMarrowickWhiteBook, {5, 7}, 2}),
    [](const auto& info) {
        return std::string(info.param.book->name) + std::to_string(info.index);
    });

} // namespace
} // namespace wuzi::test
