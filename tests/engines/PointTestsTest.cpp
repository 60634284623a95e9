#include "engines/PointTests.h"
#include "support/RoutineTestSupport.h"

#include <gtest/gtest.h>

#include <functional>

namespace wuzi::test {
namespace {

// The tests in their answering modes: does a stone on the cell make the shape?
enum class Shape { ComputerFour, PlayerOpenFour, PlayerFour, ComputerThree, PlayerThree };

bool shapeFound(Game& g, Shape shape, Cell c, int skip = 0) {
    switch (shape) {
    case Shape::ComputerFour:
        return ComputerFourAt(g, c.x, c.y, skip, 0, FourMode::Answer);
    case Shape::PlayerOpenFour:
        return PlayerOpenFourAt(g, c.x, c.y, skip);
    case Shape::PlayerFour:
        return PlayerFourAt(g, c.x, c.y, skip, PlayerFourMode::Answer);
    case Shape::ComputerThree:
        return ComputerThreeAt(g, c.x, c.y, skip, ComputerThreeMode::Answer);
    case Shape::PlayerThree:
        return PlayerThreeAt(g, c.x, c.y, skip, PlayerThreeMode::Answer);
    }
    return false;
}

struct ShapeCase {
    const char* name;
    Shape shape;
    std::vector<std::string> picture; // '*' marks the cell under test
    Cell topLeft;
    bool found;
};

// X computer, O player; cells beyond a picture are empty.
const ShapeCase kShapeCases[] = {
    {"four closed at the back", Shape::ComputerFour, {"O X X X * ."}, {4, 8}, true},
    {"four closed at both ends", Shape::ComputerFour, {"O X X X * O"}, {4, 8}, false},
    {"broken four", Shape::ComputerFour, {"X X . X *"}, {4, 8}, true},
    {"five has no empty cell", Shape::ComputerFour, {"O X X X X * O"}, {3, 8}, false},
    {"two gaps make no four", Shape::ComputerFour, {"X . X . X * ."}, {2, 8}, false},
    {"one gap shared by both halves", Shape::ComputerFour, {"X X . * X ."}, {4, 8}, true},
    {"four from the first column", Shape::ComputerFour, {"* X X X ."}, {1, 8}, true},
    {"vertical four", Shape::ComputerFour, {"*", "X", "X", "X", "O"}, {8, 4}, true},
    {"open four", Shape::PlayerOpenFour, {". O O O * ."}, {4, 8}, true},
    {"open four with the cell inside", Shape::PlayerOpenFour, {". O O * O ."}, {4, 8}, true},
    {"four closed by a computer stone", Shape::PlayerOpenFour, {"X O O O * ."}, {4, 8}, false},
    {"four closed by the edge", Shape::PlayerOpenFour, {"O O O * ."}, {1, 8}, false},
    {"broken run is no open four", Shape::PlayerOpenFour, {". O O . O * ."}, {3, 8}, false},
    {"four with one open end", Shape::PlayerFour, {"X O O O * ."}, {4, 8}, true},
    {"four with no open end", Shape::PlayerFour, {"X O O O * X"}, {4, 8}, false},
    {"solid three with room", Shape::ComputerThree, {". . X X * . ."}, {3, 8}, true},
    {"split three, room beyond the split side",
     Shape::ComputerThree,
     {"O . X . * X . O"},
     {2, 8},
     true},
    {"split three, no room beyond", Shape::ComputerThree, {"O X . X * . ."}, {2, 8}, false},
    {"stone beyond two empty cells", Shape::ComputerThree, {". X . . * X . ."}, {2, 8}, false},
    {"three closed on one side", Shape::ComputerThree, {"O X X * . . ."}, {3, 8}, false},
    {"three with too little room", Shape::ComputerThree, {"O . X X * . O"}, {2, 8}, false},
    {"anti-diagonal three",
     Shape::ComputerThree,
     {". . . . .", ". . . X .", ". . * . .", ". X . . .", ". . . . ."},
     {6, 6},
     true},
    {"the player's three", Shape::PlayerThree, {". . O O * . ."}, {3, 8}, true},
    {"the player's three closed", Shape::PlayerThree, {"X O O * . . ."}, {3, 8}, false},
};

TEST(PointTests, RecogniseTheirShapes) {
    for (const auto& c : kShapeCases) {
        TestGame t;
        Cell cell = SetMarkedPosition(t.g, c.picture, c.topLeft);
        EXPECT_EQ(shapeFound(t.g, c.shape, cell), c.found) << c.name << "\n" << Picture(t.g);
        EXPECT_FALSE(t.g.CompMoved) << c.name;
        EXPECT_EQ(t.messages.count("critical"), 0) << c.name;
    }
}

TEST(PointTests, SkipLeavesOneDirectionOut) {
    // The same four drawn in each direction d: found with skip 0 and 5, not with skip d.
    const std::vector<std::string> fours[] = {
        {". X X X * ."},
        {".", "X", "X", "X", "*", "."},
        {"X . . .", ". X . .", ". . X .", ". . . *"},
        {". . . X", ". . X .", ". X . .", "* . . ."},
    };
    for (int d = 1; d <= 4; ++d) {
        TestGame t;
        Cell cell = SetMarkedPosition(t.g, fours[d - 1], {5, 5});
        EXPECT_TRUE(shapeFound(t.g, Shape::ComputerFour, cell, 0)) << "direction " << d;
        EXPECT_TRUE(shapeFound(t.g, Shape::ComputerFour, cell, 5)) << "direction " << d;
        EXPECT_FALSE(shapeFound(t.g, Shape::ComputerFour, cell, d)) << "direction " << d;
    }
}

TEST(PointTests, NoTestReadsOffTheBoard) {
    // Every test in every mode on every empty cell of a crowded board: none may fault,
    // and a computer stone only ever lands on an empty cell.
    TestGame t;
    SetPosition(t.g, {"X X O . X X X . O O O . X . X", ". O . X . . O X . . . O . X .",
                      "O . X X . X . . O O . X . . O", "X X . O O . X X . . O . X X .",
                      ". . X . . O . . X X . O . . X", "O X . X . . O . . X X . O . .",
                      ". . O . X X . O . . . X . O O", "X . . O . . X X . O . . X . .",
                      ". O X . . O . . X . O X . . X", "O . . X X . O . . X . . O X .",
                      ". X . . O . . X O . . X . . O", "X . O X . X . . . O X . . X .",
                      ". . X . . O X . X . . O X . .", "O X . . X . . O . X . . O . X",
                      "X . O O . X X . O . X X . O ."});
    using Call = std::function<void(Game&, int, int)>;
    const std::vector<Call> calls = {
        [](Game& g, int x, int y) { ComputerFourAt(g, x, y, 0, 1, FourMode::AnswerUnlessKept); },
        [](Game& g, int x, int y) { ComputerFourAt(g, x, y, 0, 1, FourMode::Answer); },
        [](Game& g, int x, int y) { PlayerOpenFourAt(g, x, y, 0); },
        [](Game& g, int x, int y) { PlayerFourAt(g, x, y, 0, PlayerFourMode::Answer); },
        [](Game& g, int x, int y) { ComputerThreeAt(g, x, y, 0, ComputerThreeMode::Answer); },
        [](Game& g, int x, int y) { PlayerThreeAt(g, x, y, 0, PlayerThreeMode::Answer); },
        [](Game& g, int x, int y) { ThreatReplyAt(g, x, y, 0); },
        [](Game& g, int x, int y) { PlayerFourAt(g, x, y, 0, PlayerFourMode::Block); },
    };
    for (int difficulty = 0; difficulty <= 2; ++difficulty) {
        t.g.Difficulty = difficulty;
        for (int y = 1; y <= 15; ++y)
            for (int x = 1; x <= 15; ++x)
                for (const auto& call : calls)
                    if (t.g.cell(x, y) == kEmpty) call(t.g, x, y);
    }
    EXPECT_EQ(t.messages.count("critical"), 0);
    EXPECT_TRUE(BoardMatchesHistories(t.g));
}

// What each mode does with a shape found: a stone on the cell, the answer, CompMoved.
struct ModeCase {
    const char* name;
    std::function<bool(Game&, Cell)> run;
    std::vector<std::string> picture;
    bool placed;
    bool answer;
    bool moved;
};

const std::vector<std::string> kFourAcross = {". X X X * ."};
const std::vector<std::string> kComputerThree = {". . X X * . ."};
const std::vector<std::string> kPlayerThree = {". . O O * . ."};
const std::vector<std::string> kPlayerOpenFour = {". O O O * ."};

const ModeCase kModeCases[] = {
    {"four, play mode plays",
     [](Game& g, Cell c) { return ComputerFourAt(g, c.x, c.y, 0, 1, FourMode::Play); }, kFourAcross,
     true, true, true},
    {"four, answer-unless-kept mode keeps its own direction",
     [](Game& g, Cell c) { return ComputerFourAt(g, c.x, c.y, 0, 1, FourMode::AnswerUnlessKept); },
     kFourAcross, false, false, false},
    {"four, answer-unless-kept mode answers for another direction",
     [](Game& g, Cell c) { return ComputerFourAt(g, c.x, c.y, 0, 2, FourMode::AnswerUnlessKept); },
     kFourAcross, false, true, false},
    {"computer three, play mode plays",
     [](Game& g, Cell c) { return ComputerThreeAt(g, c.x, c.y, 0, ComputerThreeMode::Play); },
     kComputerThree, true, true, true},
    {"player three, play mode takes the cell",
     [](Game& g, Cell c) { return PlayerThreeAt(g, c.x, c.y, 0, PlayerThreeMode::Play); },
     kPlayerThree, true, true, true},
    {"player three, announce mode announces without a stone",
     [](Game& g, Cell c) { return PlayerThreeAt(g, c.x, c.y, 0, PlayerThreeMode::Announce); },
     kPlayerThree, false, true, true},
};

TEST(PointTests, ModesPlayAnswerOrPass) {
    for (const auto& c : kModeCases) {
        TestGame t;
        Cell cell = SetMarkedPosition(t.g, c.picture, {4, 8});
        EXPECT_EQ(c.run(t.g, cell), c.answer) << c.name;
        EXPECT_EQ(t.g.cell(cell.x, cell.y) == kComputer, c.placed) << c.name;
        EXPECT_EQ(t.g.CompMoved, c.moved) << c.name;
    }
}

TEST(PointTests, EmptyBoardFindsNothing) {
    TestGame t;
    t.g.Difficulty = 2;
    for (FourMode mode : {FourMode::Play, FourMode::AnswerUnlessKept, FourMode::Answer})
        EXPECT_FALSE(ComputerFourAt(t.g, 8, 8, 0, 1, mode));
    EXPECT_FALSE(PlayerOpenFourAt(t.g, 8, 8, 0));
    for (PlayerFourMode mode : {PlayerFourMode::Answer, PlayerFourMode::Block})
        EXPECT_FALSE(PlayerFourAt(t.g, 8, 8, 0, mode));
    for (ComputerThreeMode mode : {ComputerThreeMode::Answer, ComputerThreeMode::Play})
        EXPECT_FALSE(ComputerThreeAt(t.g, 8, 8, 0, mode));
    for (PlayerThreeMode mode :
         {PlayerThreeMode::Play, PlayerThreeMode::Announce, PlayerThreeMode::Answer})
        EXPECT_FALSE(PlayerThreeAt(t.g, 8, 8, 0, mode));
    EXPECT_FALSE(ThreatReplyAt(t.g, 8, 8, 0));
    EXPECT_EQ(t.g.CompMoveNo, 1);
    EXPECT_FALSE(t.g.CompMoved);
    EXPECT_FALSE(ComparePlayerRegions(t.g, 7, 7, 9, 9, 1)); // a tie is not more
}

TEST(PointTests, NoCellMeansNoTest) {
    // Scanned from (0, 1) across or from (1, 0) down, the stones would make a four.
    TestGame t;
    SetPosition(t.g, {"X X X . .", "X . . . .", "X . . . ."});
    EXPECT_FALSE(ComputerFourAt(t.g, 0, 1, 0, 1, FourMode::Answer));
    EXPECT_FALSE(ComputerFourAt(t.g, 1, 0, 0, 1, FourMode::Answer));
}

TEST(PointTests, TakenCellIsNeverPlayed) {
    // The shapes are read through the cell, but the cell itself is already taken.
    TestGame t;
    SetPosition(t.g, {". X X X O .", ". . O O X . ."}, {4, 8});
    ComputerFourAt(t.g, 8, 8, 0, 1, FourMode::Play);
    ComputerThreeAt(t.g, 8, 8, 0, ComputerThreeMode::Play);
    PlayerThreeAt(t.g, 8, 9, 0, PlayerThreeMode::Play);
    EXPECT_EQ(t.g.CompMoveNo, 5);
    EXPECT_FALSE(t.g.CompMoved);
    EXPECT_EQ(t.messages.count("critical"), 0);
}

// The player's vertical four through (8, 8), open at (8, 7) only; a player stone on
// (8, 7) would also make a live three across.
const std::vector<std::string> kFourWithThreeOnItsEnd = {
    ". . . . . . . . .", ". . O O . . . . .", ". . . . * . . . .", ". . . . O . . . .",
    ". . . . O . . . .", ". . . . O . . . .", ". . . . X . . . .",
};

TEST(PlayerFourAt, BlockGoesOnTheEndAtDifficultyZeroElseOnTheCell) {
    struct Case {
        const char* name;
        std::vector<std::string> picture;
        Cell topLeft;
        Cell threeEnd;
    };
    const Case cases[] = {
        {"the back end answers", kFourWithThreeOnItsEnd, {4, 6}, {8, 7}},
        // The four down to (8, 7) is closed above and open at (8, 8) only.
        {"the forward end answers",
         {". . . . X . . . .", ". . . . O . . . .", ". . . . O . . . .", ". . . . O . . . .",
          ". . . . * . . . .", ". . O O . . . . .", ". . . . . . . . ."},
         {4, 3},
         {8, 8}},
    };
    for (const auto& c : cases) {
        for (int difficulty = 0; difficulty <= 2; ++difficulty) {
            TestGame t;
            Cell cell = SetMarkedPosition(t.g, c.picture, c.topLeft);
            t.g.Difficulty = difficulty;
            PlayerFourAt(t.g, cell.x, cell.y, 0, PlayerFourMode::Block);
            Cell expected = difficulty == 0 ? c.threeEnd : cell;
            EXPECT_EQ(NewestComputerStone(t.g), expected)
                << c.name << ", difficulty " << difficulty;
            EXPECT_TRUE(t.g.CompMoved);
        }
    }
}

TEST(PlayerFourAt, NoBlockWithoutAThreeOnAnEnd) {
    TestGame t;
    Cell cell = SetMarkedPosition(t.g,
                                  {". . . . . . . . .", ". . O . . . O . .", ". . . . * . . . .",
                                   ". . . . O . . . .", ". . . . O . . . .", ". . . . O . . . .",
                                   ". . . . X . . . ."},
                                  {4, 6});
    PlayerFourAt(t.g, cell.x, cell.y, 0, PlayerFourMode::Block);
    EXPECT_EQ(t.g.CompMoveNo, 2);
    EXPECT_FALSE(t.g.CompMoved);
}

TEST(PlayerFourAt, EndCellsAreNotCarriedIntoTheNextDirection) {
    // Across, (9, 8) is an open end but no four; down, the four through (8, 8) is open
    // only at (8, 4), which makes no three. A player stone on (9, 8) would make a three
    // across, but that end belongs to another direction: nothing is played.
    TestGame t;
    Cell cell = SetMarkedPosition(t.g,
                                  {". . . . . . . .", ". . O . . . . .", ". . O . . . . .",
                                   ". . O . . . . .", ". X * . O O . .", ". . X . . . . ."},
                                  {6, 4});
    t.g.Difficulty = 0;
    PlayerFourAt(t.g, cell.x, cell.y, 0, PlayerFourMode::Block);
    EXPECT_EQ(t.g.CompMoveNo, 3);
    EXPECT_FALSE(t.g.CompMoved);
}

TEST(PlayerFourAt, TakenCellIsNotPlayedAndNoMoveIsAnnounced) {
    TestGame t;
    SetMarkedPosition(t.g, kFourWithThreeOnItsEnd, {4, 6});
    t.g.setCell(8, 8, kComputer); // the cell itself is taken; the four is read through it
    t.g.Difficulty = 1;
    PlayerFourAt(t.g, 8, 8, 0, PlayerFourMode::Block);
    EXPECT_EQ(t.g.CompMoveNo, 2);
    EXPECT_FALSE(t.g.CompMoved);
    EXPECT_EQ(t.messages.count("critical"), 0);
}

// A computer line through the cell with two empty cells, the first of which, (9, 8),
// would also make a live three down the board.
const std::vector<std::string> kThreatLine = {
    ". . . . . . . .", ". . . . X . . .", ". . . . X . . .",
    "O X X * . . O .", ". . . . . . . .", ". . . . . . . .",
};

TEST(ThreatReplyAt, PlaysTheCellWhenTheFirstEmptyCellMakesACrossThree) {
    for (int difficulty = 0; difficulty <= 2; ++difficulty) {
        TestGame t;
        Cell cell = SetMarkedPosition(t.g, kThreatLine, {5, 5});
        t.g.Difficulty = difficulty;
        ThreatReplyAt(t.g, cell.x, cell.y, 0);
        EXPECT_EQ(NewestComputerStone(t.g), cell) << "difficulty " << difficulty;
        EXPECT_TRUE(t.g.CompMoved);
    }
}

TEST(ThreatReplyAt, ActsOnlyOnALineWithTwoEmptyCells) {
    TestGame t;
    Cell cell = SetMarkedPosition(t.g, kThreatLine, {5, 5});
    ThreatReplyAt(t.g, cell.x, cell.y, 1); // the line itself left out
    EXPECT_FALSE(t.g.CompMoved);
    TestGame one;
    cell = SetMarkedPosition(
        one.g, {". . . . . . . .", ". . . . X . . .", ". . . . X . . .", "O X X * . O . ."},
        {5, 5});
    ThreatReplyAt(one.g, cell.x, cell.y, 0);
    EXPECT_FALSE(one.g.CompMoved);
}

struct RegionCase {
    const char* name;
    std::vector<std::string> picture;
    int a, b, c, d, dir;
    bool more;
};

const RegionCase kRegionCases[] = {
    {"dir 1: more in the left columns",
     {"O . . . . O", ". . . . . .", "O . . . . ."},
     2,
     1,
     5,
     1,
     1,
     true},
    {"dir 1: a tie is not more", {"O . . . . O"}, 2, 1, 5, 1, 1, false},
    {"dir 1: the whole board against nothing", {". . . O"}, 15, 1, 16, 1, 1, true},
    {"dir 2: rows above against rows below", {"O . .", ". . .", ". O O"}, 1, 1, 1, 3, 2, false},
    {"dir 3: lower right against upper left", {"O . .", ". . .", ". O O"}, 1, 1, 2, 3, 3, true},
    {"dir 4: lower left against upper right", {". . O", ". . .", "O O ."}, 2, 3, 3, 1, 4, true},
};

TEST(ComparePlayerRegions, CountsTheRegionsOfItsDirection) {
    for (const auto& c : kRegionCases) {
        TestGame t;
        SetPosition(t.g, c.picture);
        EXPECT_EQ(ComparePlayerRegions(t.g, c.a, c.b, c.c, c.d, c.dir), c.more) << c.name;
    }
}

} // namespace
} // namespace wuzi::test
