#include "lessons/DemoGames.h"
#include "lessons/Commentary.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

namespace wuzi {
namespace {

// The final position of a demonstration game inside a window of the board, one text row
// per board row: 'X' black, 'O' white, '.' empty.
std::vector<std::string> FinalPicture(int game, Cell topLeft, int width, int height) {
    std::vector<std::string> rows(static_cast<std::size_t>(height),
                                  std::string(static_cast<std::size_t>(width), '.'));
    for (const DemoMove& m : DemoGame(game)) {
        int col = m.at.x - topLeft.x;
        int row = m.at.y - topLeft.y;
        if (col >= 0 && col < width && row >= 0 && row < height)
            rows[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)] =
                m.black ? 'X' : 'O';
    }
    return rows;
}

TEST(DemoGames, EachGameHasItsRecordedNumberOfMoves) {
    const int expected[kDemoGameCount] = {10, 14, 4,  12, 8,  8,  8,  8,  4,  8,  8,  8,  4,
                                          8,  5,  7,  5,  3,  7,  24, 28, 20, 19, 17, 13, 19,
                                          20, 22, 21, 39, 11, 28, 15, 25, 20, 16, 18, 14, 22,
                                          23, 21, 14, 14, 31, 13, 23, 15, 23, 19, 11, 39};
    for (int n = 1; n <= kDemoGameCount; ++n)
        EXPECT_EQ(DemoGame(n).size(), static_cast<std::size_t>(expected[n - 1])) << "game " << n;
}

TEST(DemoGames, ColoursAlternateFromBlackAndNoPointRepeats) {
    for (int n = 1; n <= kDemoGameCount; ++n) {
        std::set<std::pair<int, int>> taken;
        const auto& moves = DemoGame(n);
        for (std::size_t k = 0; k < moves.size(); ++k) {
            const DemoMove& m = moves[k];
            EXPECT_EQ(m.black, k % 2 == 0) << "game " << n << " move " << k + 1;
            EXPECT_TRUE(onBoard(m.at)) << "game " << n << " move " << k + 1;
            EXPECT_TRUE(taken.insert({m.at.x, m.at.y}).second)
                << "game " << n << " repeats (" << m.at.x << ", " << m.at.y << ")";
        }
    }
}

TEST(DemoGames, OnlyTheTwoOffCentreGamesOpenAwayFromTheCentre) {
    for (int n = 1; n <= kDemoGameCount; ++n) {
        bool centre = DemoGame(n).front().at == Cell{8, 8};
        EXPECT_EQ(centre, n != 29 && n != 30) << "game " << n;
    }
}

TEST(DemoGames, GameFortyEightRepeatsFortySevenForThirteenMovesThenBranches) {
    const auto& g47 = DemoGame(47);
    const auto& g48 = DemoGame(48);
    for (std::size_t k = 0; k < 13; ++k)
        EXPECT_EQ(g47[k], g48[k]) << "move " << k + 1;
    EXPECT_NE(g47[13], g48[13]);
}

TEST(DemoGames, FinalPositionsMatchTheirPictures) {
    struct Case {
        int game;
        Cell topLeft;
        std::vector<std::string> picture;
    };
    const Case cases[] = {
        {1, {6, 5}, {"......", "...O..", ".O.X..", ".XXXO.", ".OOX..", "......"}},
        {18, {7, 5}, {"....", "..X.", "....", ".X..", ".O..", "...."}},
        // The far stone in the corner ends up the fifth of a diagonal line.
        {31,
         {7, 1},
         {".........", ".......X.", "......X..", ".....X...", "....X....", "...X.....", "..O......",
          ".X.O.....", "..OO.....", "...O.....", "........."}},
    };
    for (const Case& c : cases) {
        int width = static_cast<int>(c.picture.front().size());
        int height = static_cast<int>(c.picture.size());
        EXPECT_EQ(FinalPicture(c.game, c.topLeft, width, height), c.picture) << "game " << c.game;
    }
}

TEST(DemoGames, NumbersOutsideTheTableHaveNoMoves) {
    for (int n : {-1, 0, kDemoGameCount + 1})
        EXPECT_TRUE(DemoGame(n).empty()) << n;
}

TEST(Commentary, EveryEntryFallsOnAMoveOfItsGame) {
    EXPECT_EQ(CommentaryTable().size(), 24u);
    for (const Commentary& c : CommentaryTable()) {
        EXPECT_GE(c.step, 1) << "game " << c.game;
        EXPECT_LE(c.step, static_cast<int>(DemoGame(c.game).size())) << "game " << c.game;
        EXPECT_EQ(FindCommentary(c.game, c.step), &c);
    }
}

TEST(Commentary, LinesAreJoinedWithCarriageReturnAndLineFeed) {
    for (const Commentary& c : CommentaryTable()) {
        std::string text = c.text;
        for (std::size_t i = text.find('\n'); i != std::string::npos; i = text.find('\n', i + 1))
            EXPECT_TRUE(i > 0 && text[i - 1] == '\r') << "game " << c.game << " step " << c.step;
    }
    const Commentary* twoLines = FindCommentary(21, 9);
    ASSERT_NE(twoLines, nullptr);
    EXPECT_STREQ(twoLines->title, "提示");
    EXPECT_STREQ(twoLines->text, "黑棋必败，因为黑棋未对白棋做必要的防守。\r\n"
                                 "具体棋路可与Marrowick棋手研究。");
}

TEST(Commentary, StepsWithoutAnEntryPassInSilence) {
    EXPECT_EQ(FindCommentary(18, 2), nullptr);
    EXPECT_EQ(FindCommentary(48, 15), nullptr); // the variation replays without comment
    ASSERT_NE(FindCommentary(47, 15), nullptr);
    EXPECT_STREQ(FindCommentary(47, 15)->text, "一子双杀！");
}

} // namespace
} // namespace wuzi
