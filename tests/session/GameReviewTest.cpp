#include "session/GameReview.h"
#include "rules/WinningLine.h"
#include "session/ReviewGames.h"

#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <iterator>

namespace wuzi::test {
namespace {

// Counted in nodes, so that every run reviews alike, and small, so that it is quick.
ReviewLimits LimitsOf(long nodes) {
    ReviewLimits limits;
    limits.msPerPosition = 0;
    limits.nodesPerPosition = nodes;
    limits.threatNodes = 5000;
    limits.hashMegabytes = 4;
    return limits;
}

Review Reviewed(const GameRecord& game, long nodes) {
    std::atomic<int> wakes{0};
    GameReview review([&] { ++wakes; });
    review.start(game, LimitsOf(nodes));
    std::optional<Review> result = review.collect();
    EXPECT_TRUE(result) << review.fault();
    EXPECT_EQ(wakes, 1);
    EXPECT_EQ(review.progress().done, review.progress().total);
    EXPECT_EQ(review.progress().total, static_cast<int>(game.moves.size()) + 1);
    return result.value_or(Review{});
}

// Vesk against itself, but for black's 25th move: E8 makes a four that white must block
// at F8, and F7 then an open four on the diagonal E8–H5. Black plays F7 at once, a mere
// three, and white, to move, wins by threats of its own.
const GameRecord kMissedFours = Game("H8 H10 G6 G10 I8 J9 I9 I10 J10 G7 K8 J8 K9 K7 I6 G9 K11 L12 "
                                     "K12 K10 G8 H11 H5 J7 F7");

TEST(GameReview, MarksAMissedWinByFoursWithItsLine) {
    // clang-format off
    EXPECT_EQ(Drawn(kMissedFours, 24, "D12", 9, 9), (std::vector<std::string>{
        //DEFGHIJKL
         ".......XO",  // 12
         "....O..X.",  // 11
         "...OOOXO.",  // 10
         "...O.XOX.",  //  9
         "...XXXOX.",  //  8
         "...O..OO.",  //  7
         "...X.X...",  //  6
         "....X....",  //  5
         ".........",  //  4
    }));
    // clang-format on
    Review review = Reviewed(kMissedFours, 4000);
    ASSERT_EQ(review.moves.size(), kMissedFours.moves.size());
    const ReviewedMove& missed = review.moves[24];
    EXPECT_EQ(missed.mark, MoveMark::MissedWin);
    EXPECT_EQ(missed.threatWin.kind, ThreatKind::Fours);
    ASSERT_FALSE(missed.threatWin.line.empty());
    EXPECT_EQ(missed.threatWin.line.front(), ParseCoordinate("E8"));
    // The line, played out from the position of the miss, ends in black's five.
    GameRecord played{
        std::vector<Cell>(kMissedFours.moves.begin(), kMissedFours.moves.begin() + 24)};
    for (Cell c : missed.threatWin.line) {
        ASSERT_EQ(at(BoardAfter(played, played.moves.size()), c), 0);
        played.moves.push_back(c);
    }
    EXPECT_TRUE(isBlackMove(played.moves.size() - 1));
    EXPECT_FALSE(WinningLine(BoardAfter(played, played.moves.size()), played.moves.back()).empty());
    for (const ReviewedMove& m : review.moves) {
        if (m.number != missed.number) {
            EXPECT_NE(m.mark, MoveMark::MissedWin) << m.number;
        }
    }
}

// Black's four H8–K8 stands closed at G8; white plays J11 and black makes five at L8.
const GameRecord kUnblockedFour = Game("H8 G8 I8 I9 J8 K12 K8 J11 L8");

TEST(GameReview, MarksTheMoveThatAllowsAFive) {
    // clang-format off
    EXPECT_EQ(Drawn(kUnblockedFour, 7, "G12", 6, 5), (std::vector<std::string>{
        //GHIJKL
         "....O.",  // 12
         "......",  // 11
         "......",  // 10
         "..O...",  //  9
         "OXXXX.",  //  8
    }));
    // clang-format on
    Review review = Reviewed(kUnblockedFour, 4000);
    ASSERT_EQ(review.moves.size(), 9u);
    EXPECT_EQ(review.moves[7].mark, MoveMark::Losing);
    EXPECT_EQ(review.moves[7].best, ParseCoordinate("L8"));
    EXPECT_EQ(review.moves[8].mark, MoveMark::None); // the five itself is no feat
    EXPECT_DOUBLE_EQ(review.moves[8].blackAfter, 100.0);
    EXPECT_GT(review.blackAccuracy, review.whiteAccuracy);
}

// Vesk, as black, lost this game to a stronger engine. Black's moves 5 and 7 let white
// in, to a win far too long for the proof search to see; after move 3 the game is about
// even. The proof search sees white's win only from move 15 on.
const GameRecord kLostSlowly = Game("F7 H10 G12 I11 G11 I10 G10 G9 F8 I9 I12 H8 G13 G14 F9 I7 I8 "
                                    "F10 E11 J6");

// What the later moves show may settle a position by a proof, and by nothing else: a
// move's chances and mark do not change with the moves played after it, and only a proof
// makes a chance certain.
TEST(GameReview, LaterMovesChangeNothingButByAProof) {
    const std::size_t opening = 12;
    GameRecord start{
        std::vector<Cell>(kLostSlowly.moves.begin(), kLostSlowly.moves.begin() + opening)};
    Review early = Reviewed(start, 30000);
    Review whole = Reviewed(kLostSlowly, 30000);
    for (std::size_t i = 0; i < opening; ++i) {
        EXPECT_EQ(whole.moves[i].mark, early.moves[i].mark) << i + 1;
        EXPECT_EQ(whole.moves[i].blackBefore, early.moves[i].blackBefore) << i + 1;
    }
    for (const ReviewedMove& m : whole.moves) {
        bool certain = m.blackBefore == 0 || m.blackBefore == 100;
        EXPECT_EQ(certain, m.provenBefore != Proven::Open) << m.number;
        EXPECT_NE(m.mark, MoveMark::Losing) << m.number;
    }
}

// An opening of Vesk against itself: no move gives much away, but for white's last, which
// lets black in to a win by fours and threes of 39 plies that only the proof search sees
// (the exhaustive check of tools/vesk-suite confirms it against every defence).
const GameRecord kQuietGame = Game("H8 H9 I7 G8 G7 I9 G9 F10 F7 H7 I5 I6");

TEST(GameReview, LeavesAQuietGameUnmarkedButForAProvenLoss) {
    Review review = Reviewed(kQuietGame, 20000);
    ASSERT_EQ(review.moves.size(), kQuietGame.moves.size());
    for (const ReviewedMove& m : review.moves)
        EXPECT_EQ(m.mark, m.number == 12 ? MoveMark::Losing : MoveMark::None)
            << m.number << ": " << m.blackBefore << " -> " << m.blackAfter;
    EXPECT_EQ(review.moves.back().blackAfter, 100.0);
}

TEST(GameReview, RefusesARecordWithAMoveAfterTheFive) {
    GameRecord game = kUnblockedFour;
    game.moves.push_back(*ParseCoordinate("A1"));
    GameReview review;
    review.start(game, LimitsOf(4000));
    EXPECT_FALSE(review.collect());
    EXPECT_NE(review.fault(), "");
}

int ThreadCount() {
    auto tasks = std::filesystem::directory_iterator("/proc/self/task");
    return static_cast<int>(std::distance(tasks, std::filesystem::directory_iterator()));
}

// A search that would run for hours stops at once, and its thread is joined: by cancel(),
// by a new start and by the destructor.
TEST(GameReview, CancelStopsTheSearchAndLeavesNoThread) {
    ReviewLimits endless;
    endless.msPerPosition = 0;
    endless.nodesPerPosition = 1L << 40;
    endless.hashMegabytes = 4;
    int threads = ThreadCount();
    {
        GameReview review;
        review.start(kMissedFours, endless);
        EXPECT_EQ(ThreadCount(), threads + 1);
        review.cancel();
        EXPECT_EQ(ThreadCount(), threads);
        EXPECT_FALSE(review.running());
        EXPECT_FALSE(review.finished());
        EXPECT_FALSE(review.collect());
        review.start(kMissedFours, endless);
        review.start(kUnblockedFour, endless);
        EXPECT_EQ(ThreadCount(), threads + 1);
    }
    EXPECT_EQ(ThreadCount(), threads);
}

} // namespace
} // namespace wuzi::test
