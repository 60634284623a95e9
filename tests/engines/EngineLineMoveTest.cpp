#include "engines/AIEasy.h"
#include "support/RoutineTestSupport.h"

#include <gtest/gtest.h>

namespace wuzi::test {
namespace {

// Two computer lines with two empty cells each; row 4 holds the three oldest stones.
const std::vector<std::string> kTwoLines = {
    ". X X X . .",
    ". . . . . .",
    ". . . . . .",
    "O . X X X . O",
};

TEST(EngineLineMove, StageTwoPlaysTheFirstEmptyCellMet) {
    ExpectStageCases(
        EngineLineMove,
        {
            {"the back half first, nearest cell first", 2, 0, {". X X X . ."}, {3, 8}, {}, {3, 8}},
            {"closed at the back: both cells lie ahead",
             2,
             0,
             {"O X X . X . ."},
             {3, 8},
             {{4, 8}},
             {6, 8}},
            {"one empty cell only", 2, 0, {"O X X X . O"}, {3, 8}, {}, {}},
            {"the newest stone's line first", 2, 0, kTwoLines, {3, 4}, {}, {4, 7}},
            {"the newest stone's line first, the other way",
             2,
             0,
             kTwoLines,
             {3, 4},
             {{5, 4}},
             {3, 4}},
            {"pairs three cells apart make no line", 2, 0, {". X X . . . X X ."}, {3, 8}, {}, {}},
            {"an unknown stage plays nothing", 9, 0, {". X X X . ."}, {3, 8}, {}, {}},
        });
}

TEST(EngineLineMove, NeedsThreeComputerStones) {
    TestGame t;
    SetPosition(t.g, {". X X X . ."}, {3, 8});
    t.g.CompMoveNo = 3; // as if the third stone were not counted yet
    EngineLineMove(t.g, 2);
    EXPECT_FALSE(t.g.CompMoved);
}

// Across, the computer's line offers A = (7, 8) and B = (8, 8).
const std::vector<std::string> kFourOnB = {
    ". . . . . . .", ". . . . . X .", ". . . . . X .", ". . . . . X .", "O X X X . . O",
};

// A = (7, 8) would make a live three down the board; below B = (8, 8) the four cells
// `column` decide whether a player stone on B makes an open four, a closed one or none.
std::vector<std::string> threeOnA(const std::string& column) {
    std::vector<std::string> rows = {
        ". . . . . . .",
        ". . . . X . .",
        ". . . . X . .",
        "O X X X . . O",
    };
    for (char c : column)
        rows.push_back(std::string(". . . . . ") + c + " .");
    return rows;
}

// The same with the roles swapped: B = (8, 8) would make a live three down the board,
// and the four cells `column` lie below A = (7, 8).
std::vector<std::string> threeOnB(const std::string& column) {
    std::vector<std::string> rows = {
        ". . . . . . .",
        ". . . . . X .",
        ". . . . . X .",
        "O X X X . . O",
    };
    for (char c : column)
        rows.push_back(std::string(". . . . ") + c + " . .");
    return rows;
}

TEST(EngineLineMove, StagesOneAndThree) {
    const Cell at{3, 5};
    const std::vector<Cell> newest{{6, 8}};
    ExpectStageCases(
        EngineLineMove,
        {
            {"stage 1: B makes a four across the line", 1, 0, kFourOnB, {3, 4}, {{6, 8}}, {8, 8}},
            {"stage 1: no four across", 1, 0, {"O X X X . . O"}, {3, 8}, {}, {}},
            {"stage 3, difficulty 0: no look at B", 3, 0, threeOnA("OOO."), at, newest, {7, 8}},
            {"stage 3, difficulty 1: open four on B", 3, 1, threeOnA("OOO."), at, newest, {}},
            {"stage 3, difficulty 1: closed four on B", 3, 1, threeOnA("OOOX"), at, newest, {7, 8}},
            {"stage 3, difficulty 2: closed four on B", 3, 2, threeOnA("OOOX"), at, newest, {}},
            {"stage 3, difficulty 2: no four on B", 3, 2, threeOnA("O..."), at, newest, {7, 8}},
            {"stage 3, difficulty 0: B makes the three",
             3,
             0,
             threeOnB("OOO."),
             at,
             newest,
             {8, 8}},
            {"stage 3, difficulty 1: open four on A", 3, 1, threeOnB("OOO."), at, newest, {}},
            {"stage 3, difficulty 2: no four on A", 3, 2, threeOnB("O..."), at, newest, {8, 8}},
        });
}

// Across, A = (7, 8); from A along the same line, the next empty cell (8, 8) would make a
// live three down the board. Only stage 8 looks along the line itself.
const std::vector<std::string> kThreatAlongTheLine = {
    ". . . . . . . .",
    ". . . . . X . .",
    ". . . . . X . .",
    "O X X X . . . O",
};

// The same shape on the diagonal: (4, 4), (5, 5), (6, 6), then A = (7, 7), (8, 8).
const std::vector<std::string> kThreatAlongTheDiagonal = {
    "O . . . . . . .", ". X . . . . . .", ". . X . . . . .", ". . . X . X . .",
    ". . . . . X . .", ". . . . . . . .", ". . . . . . . .", ". . . . . . . O",
};

TEST(EngineLineMove, StageEightAlsoReadsTheLineItselfExceptOnTheDiagonal) {
    ExpectStageCases(
        EngineLineMove,
        {
            {"stage 4 leaves the line out", 4, 0, kThreatAlongTheLine, {3, 6}, {{6, 9}}, {}},
            {"stage 8 reads it", 8, 0, kThreatAlongTheLine, {3, 6}, {{6, 9}}, {7, 9}},
            {"stage 8 on the diagonal leaves it out",
             8,
             0,
             kThreatAlongTheDiagonal,
             {3, 3},
             {},
             {}},
        });
}

TEST(EngineLineMove, StagesFourAndSevenReplyToACrossThreat) {
    // A = (7, 8): down from it, the computer's pair and two empty cells; the first of
    // them, (7, 11), would make a live three across.
    const std::vector<std::string> picture = {
        ". . . . O . . .", "O X X X * . . O", ". . . . X . . .",
        ". . . . X . . .", ". . X X . . . .",
    };
    for (int stage : {4, 7}) {
        TestGame t;
        Cell a = SetMarkedPosition(t.g, picture, {3, 7}, {{6, 8}});
        EngineLineMove(t.g, stage);
        EXPECT_EQ(NewestComputerStone(t.g), a) << "stage " << stage << "\n" << Picture(t.g);
    }
}

TEST(EngineLineMove, StageSixPlaysACellThatStartsAGroupAcross) {
    ExpectStageCases(EngineLineMove,
                     {
                         {"A has a computer stone below it",
                          6,
                          0,
                          {"O X X X . . O", ". . . . X . ."},
                          {3, 8},
                          {{6, 8}},
                          {7, 8}},
                         {"nothing across", 6, 0, {"O X X X . . O"}, {3, 8}, {}, {}},
                     });
}

// Down the board the newest stone (8, 9) offers A = (8, 8). Across, A has a pair with
// (9, 8) whose cell (7, 8) lies on a second pair, down with (7, 9); that pair's cell
// (7, 7) would make a four across with the row above.
std::vector<std::string> groupOnGroup(bool rowAbove) {
    return {
        ". . . . . . . .", rowAbove ? "X X X . . . . ." : ". . . . . . . .",
        ". . . . . X . .", ". . . X X . . .",
        ". . . . X . . .", ". . . . X . . .",
        ". . . . O . . .",
    };
}

TEST(EngineLineMove, StageFivePlaysTheCellWhereTwoGroupsMeet) {
    ExpectStageCases(
        EngineLineMove,
        {
            {"a four beyond the second group", 5, 0, groupOnGroup(true), {4, 6}, {{8, 9}}, {7, 8}},
            {"no four beyond it", 5, 0, groupOnGroup(false), {4, 6}, {{8, 9}}, {}},
        });
}

TEST(EngineProbePatterns, DevelopsTheNewestStoneThatHasAGroup) {
    struct Case {
        const char* name;
        std::vector<Cell> newestLast;
        Cell expected;
    };
    // A pair on row 4 and a pair on row 10, far apart; lone stones have no group.
    const std::vector<std::string> picture = {
        ". . X X . . . . .", ". . . . . . . . .", ". . . . . . . . X", ". . . . . . . . .",
        ". . . . . . . . .", ". . . . . . . . .", ". . . . X X . . .",
    };
    const Case cases[] = {
        {"the lower pair is newest", {{5, 10}}, {4, 10}},
        {"the upper pair is newest", {{5, 10}, {3, 4}}, {2, 4}},
        {"a lone stone newest: the next stone answers", {{3, 4}, {9, 6}}, {2, 4}},
    };
    for (const auto& c : cases) {
        TestGame t;
        SetPosition(t.g, picture, {1, 4}, c.newestLast);
        EngineProbePatterns(t.g);
        EXPECT_EQ(NewestComputerStone(t.g), c.expected) << c.name;
    }

    TestGame lone;
    SetPosition(lone.g, {"X . . . X", ". . . . .", ". . . . .", ". . . . .", "X . . . ."}, {5, 5});
    EngineProbePatterns(lone.g);
    EXPECT_FALSE(lone.g.CompMoved);
}

} // namespace
} // namespace wuzi::test
