#include "support/TestSupport.h"

#include "lessons/DemoGames.h"
#include "lessons/DemoReplay.h"

#include <gtest/gtest.h>

#include <vector>

namespace wuzi {
namespace {

using test::RecordingMessages;

struct Replay {
    RecordingMessages messages;
    DemoReplay replay{messages};

    // Ticks until the replay stops; returns how many ticks that took.
    int runToEnd(int limit = 200) {
        int ticks = 0;
        while (replay.running() && ticks < limit) {
            replay.DemoTick();
            ++ticks;
        }
        return ticks;
    }
    void tick(int times) {
        for (int i = 0; i < times; ++i)
            replay.DemoTick();
    }
    std::size_t stones() const { return replay.blackStones().size() + replay.whiteStones().size(); }
};

TEST(DemoReplay, GameEighteenEndsOnTheFourthTickAfterItsComment) {
    Replay r;
    r.replay.Start(18);
    EXPECT_TRUE(r.replay.running());
    EXPECT_EQ(r.stones(), 0u); // the first stone waits for the first tick
    r.tick(3);
    EXPECT_TRUE(r.replay.running());
    EXPECT_FALSE(r.replay.finished());
    ASSERT_EQ(r.messages.boxes.size(), 1u);
    EXPECT_EQ(r.messages.boxes[0].kind, "information");
    EXPECT_EQ(r.messages.boxes[0].title, "Vesk十式");
    EXPECT_EQ(r.messages.boxes[0].text, "本人最常走的开局之一。");
    r.tick(1);
    EXPECT_FALSE(r.replay.running());
    EXPECT_EQ(r.stones(), 3u); // the stones stay
    EXPECT_EQ(r.replay.DemoStep, 5);
    r.tick(1); // a stopped replay does nothing more
    EXPECT_EQ(r.replay.DemoStep, 5);
}

TEST(DemoReplay, EveryGameLaysAllItsStonesAndStopsOneTickLater) {
    for (int n = 1; n <= kDemoGameCount; ++n) {
        if (n == 47) continue; // asks its variation question; tested below
        Replay r;
        r.replay.Start(n);
        const auto& moves = DemoGame(n);
        EXPECT_EQ(r.runToEnd(), static_cast<int>(moves.size()) + 1) << "game " << n;
        std::vector<Cell> black, white;
        for (const DemoMove& m : moves)
            (m.black ? black : white).push_back(m.at);
        EXPECT_EQ((r.replay.blackStones()), black) << "game " << n;
        EXPECT_EQ((r.replay.whiteStones()), white) << "game " << n;
        EXPECT_EQ(r.replay.laid(), moves) << "game " << n;
        EXPECT_TRUE(r.replay.finished()) << "game " << n;
    }
}

TEST(DemoReplay, StonesKeepTheirCellsAndColours) {
    Replay r;
    r.replay.PlaceDemoStone(8, 8, true);
    r.replay.PlaceDemoStone(1, 15, false);
    EXPECT_EQ(r.replay.blackStones(), (std::vector<Cell>{{8, 8}}));
    EXPECT_EQ(r.replay.whiteStones(), (std::vector<Cell>{{1, 15}}));
}

TEST(DemoReplay, CommentaryComesRightAfterItsStep) {
    struct Case {
        int game;
        std::vector<int> steps; // the steps whose tick shows a box
    };
    for (const Case& c : {Case{27, {4, 5}}, Case{30, {1, 9, 21, 25}}, Case{2, {14}}, Case{5, {}}}) {
        Replay r;
        r.replay.Start(c.game);
        std::vector<int> shownAt;
        while (r.replay.running()) {
            std::size_t before = r.messages.boxes.size();
            int step = r.replay.DemoStep;
            r.replay.DemoTick();
            if (r.messages.boxes.size() > before) {
                shownAt.push_back(step);
                // the box comes after the step's own stone
                EXPECT_EQ(r.stones(), static_cast<std::size_t>(step)) << "game " << c.game;
            }
        }
        EXPECT_EQ(shownAt, c.steps) << "game " << c.game;
    }
    Replay r;
    r.replay.Start(27);
    r.tick(4);
    ASSERT_EQ(r.messages.boxes.size(), 1u);
    EXPECT_EQ(r.messages.boxes[0].text,
              "我们一开始就假设黑棋会连三，这是预先判断。如果那样的话，我们必须得堵任意他一头。\r\n"
              "但是我们堵对方用到的的这个子不能毫无作用，要使它跟我们已有的子构成联系。这是关键。");
}

TEST(DemoReplay, AButtonDuringAReplayStartsAfreshFromTheFirstMove) {
    Replay r;
    r.replay.Start(1);
    r.tick(5);
    r.replay.Start(2);
    EXPECT_EQ(r.stones(), 0u);
    EXPECT_EQ(r.replay.DemoStep, 1);
    r.tick(2);
    EXPECT_EQ((r.replay.whiteStones()), (std::vector<Cell>{{8, 9}}));

    r.replay.Start(2); // the same button again
    EXPECT_EQ(r.stones(), 0u);
    EXPECT_EQ(r.runToEnd(), 15);
}

TEST(DemoReplay, VariationOnYesReplaysGameFortyEight) {
    Replay r;
    r.messages.answerYes = true;
    r.replay.Start(47);
    r.tick(15);
    ASSERT_EQ(r.messages.boxes.size(), 2u);
    EXPECT_EQ(r.messages.boxes[0].text, "一子双杀！");
    EXPECT_EQ(r.messages.boxes[1].kind, "question");
    EXPECT_EQ(r.messages.boxes[1].title, "Vesk十式");
    EXPECT_EQ(r.messages.boxes[1].text, "是否要看另一种变化？ ");
    EXPECT_EQ(r.stones(), 0u);
    EXPECT_EQ(r.replay.DemoId, 48);
    EXPECT_EQ(r.replay.DemoStep, 1);
    EXPECT_TRUE(r.replay.running());

    r.tick(1);
    EXPECT_EQ((r.replay.blackStones()), (std::vector<Cell>{{8, 8}}));
    EXPECT_EQ(r.runToEnd(), 23);
    EXPECT_EQ(r.stones(), 23u);
    EXPECT_EQ(r.messages.boxes.size(), 2u);
}

TEST(DemoReplay, VariationOnNoLeavesGameFortySevenAndEnds) {
    Replay r;
    r.replay.Start(47);
    r.tick(15);
    ASSERT_EQ(r.messages.boxes.size(), 2u);
    EXPECT_EQ(r.messages.boxes[1].kind, "question");
    EXPECT_EQ(r.stones(), 15u);
    EXPECT_EQ(r.replay.DemoId, 47);
    EXPECT_TRUE(r.replay.running());
    r.tick(1);
    EXPECT_FALSE(r.replay.running());
    EXPECT_EQ(r.stones(), 15u);
    EXPECT_EQ(r.messages.boxes.size(), 2u);
}

TEST(DemoReplay, AnUnknownGameOrAStoppedReplayLaysNothing) {
    Replay r;
    r.replay.Start(0);
    EXPECT_EQ(r.runToEnd(), 1);
    EXPECT_EQ(r.stones(), 0u);

    r.replay.Start(3);
    r.tick(2);
    r.replay.Stop();
    r.tick(2);
    EXPECT_EQ(r.stones(), 2u);
    EXPECT_FALSE(r.replay.running());
    EXPECT_FALSE(r.replay.finished()); // stopped, not played out
}

} // namespace
} // namespace wuzi
