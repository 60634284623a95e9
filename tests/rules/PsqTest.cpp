#include "rules/Psq.h"
#include "session/GameFlow.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace wuzi::test {
namespace {

TEST(Psq, WritesTheHeaderThenOneLinePerMove) {
    GameRecord record{{{8, 8}, {9, 9}, {1, 15}}};
    EXPECT_EQ(WritePsq(record), "Piskvorky 15x15, 0:0, 1\n8,8,0\n9,9,0\n1,15,0\n");
}

TEST(Psq, AGamePlayedThroughTheMenusComesBackMoveForMove) {
    for (bool playerFirst : {true, false}) {
        TestGame t;
        NewGame(t.g, {playerFirst, 0});
        Cell first = playerFirst ? Cell{8, 8} : Cell{7, 9};
        for (Cell c : {first, Cell{10, 6}, Cell{3, 12}, Cell{14, 2}, Cell{6, 9}})
            OnBoardClick(t.g, Cell{c.x, c.y});
        GameRecord played = RecordOf(t.g);
        ASSERT_GE(played.moves.size(), 10u);
        PsqResult read = ParsePsq(WritePsq(played));
        ASSERT_TRUE(read.ok()) << read.error;
        EXPECT_EQ(read.record, played);
    }
}

TEST(Psq, ReadsWhatOtherManagersWriteAroundTheMoves) {
    // Another header's counters, Windows line ends, a byte-order mark, blank lines, and
    // the program names and closing line that follow the moves.
    std::string text = "\xEF\xBB\xBF"
                       "Piskvorky 15x15, 11:11, 0\r\n"
                       "8,8,120\r\n"
                       "\r\n"
                       " 9 , 7 , 3400 \r\n"
                       "pbrain-one.exe\r\n"
                       "pbrain-two.exe\r\n"
                       "-1\r\n";
    PsqResult read = ParsePsq(text);
    ASSERT_TRUE(read.ok()) << read.error;
    EXPECT_EQ(read.record, (GameRecord{{{8, 8}, {9, 7}}}));
}

struct Malformed {
    const char* name;
    std::string text;
    std::string reason; // part of the message the player reads
};
std::ostream& operator<<(std::ostream& out, const Malformed& m) {
    return out << m.name;
}

class MalformedPsq : public ::testing::TestWithParam<Malformed> {};

TEST_P(MalformedPsq, IsRefusedWithAReasonAndNoMoves) {
    PsqResult read = ParsePsq(GetParam().text);
    EXPECT_FALSE(read.ok());
    EXPECT_NE(read.error.find(GetParam().reason), std::string::npos) << read.error;
    EXPECT_TRUE(read.record.moves.empty());
}

const std::string kHeader = "Piskvorky 15x15, 0:0, 1\n";

INSTANTIATE_TEST_SUITE_P(
    Records, MalformedPsq,
    ::testing::Values(
        Malformed{"empty", "\n\n", "空的"}, Malformed{"notAHeader", "8,8,0\n9,9,0\n", "Piskvorky"},
        Malformed{"otherBoard", "Piskvorky 20x20, 0:0, 1\n10,10,0\n", "20x20"},
        Malformed{"semicolons", kHeader + "8,8;0\n", "第 2 行"},
        Malformed{"noTime", kHeader + "8,8,0\n9,9\n", "第 3 行"},
        Malformed{"letters", kHeader + "8,8,0\nh,8,0\n", "第 3 行"},
        Malformed{"column16", kHeader + "16,1,0\n", "(16, 1) 不在棋盘上"},
        Malformed{"rowZero", kHeader + "8,8,0\n5,0,0\n", "(5, 0) 不在棋盘上"},
        Malformed{"negative", kHeader + "-3,4,0\n", "不在棋盘上"},
        Malformed{"sameCellTwice", kHeader + "8,8,0\n9,9,0\n8,8,0\n",
                  "第 4 行的着法 (8, 8) 落在已有棋子"},
        Malformed{"noMoves", kHeader + "pbrain-one.exe\n-1\n", "没有一步着法"},
        // Black's five on moves 1, 3, 5, 7, 9 ends the game; a tenth move cannot follow.
        Malformed{"moveAfterFive",
                  kHeader +
                      "4,8,0\n4,9,0\n5,8,0\n5,9,0\n6,8,0\n6,9,0\n7,8,0\n7,9,0\n8,8,0\n1,1,0\n",
                  "第 11 行的着法在棋局已经分出胜负之后"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Psq, AFiveOnTheLastMoveIsAFinishedGame) {
    PsqResult read =
        ParsePsq(kHeader + "4,8,0\n4,9,0\n5,8,0\n5,9,0\n6,8,0\n6,9,0\n7,8,0\n7,9,0\n8,8,0\n");
    ASSERT_TRUE(read.ok()) << read.error;
    EXPECT_EQ(read.record.moves.size(), 9u);
}

} // namespace
} // namespace wuzi::test
