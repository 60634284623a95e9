#include "session/ReviewStore.h"
#include "session/ReviewGames.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace wuzi::test {
namespace {

Cell At(std::string_view name) {
    return ParseCoordinate(name).value();
}

// A review with every kind of field: marks, proven positions, a forced win's line, a
// move with no best move, and chances that only an exact number writes back.
Review SampleReview() {
    Review r;
    r.record = Game("H8 I9 J10 K11");
    r.blackAccuracy = 100.0 / 3;
    r.whiteAccuracy = 0.1;
    auto move = [&](int number, double before, double after) {
        ReviewedMove m;
        m.number = number;
        m.cell = r.record.moves[number - 1];
        m.blackBefore = before;
        m.blackAfter = after;
        m.best = At("H8");
        m.bestLine = {At("H8"), At("O15"), At("A1")};
        return m;
    };
    r.moves = {move(1, 61.25, 2.0 / 3), move(2, 2.0 / 3, 0), move(3, 0, 100), move(4, 100, 100)};
    r.moves[1].mark = MoveMark::Losing;
    r.moves[2].provenBefore = Proven::Lost;
    r.moves[2].best = {};
    r.moves[2].bestLine = {};
    r.moves[3].provenBefore = Proven::Won;
    r.moves[3].threatWin = {ThreatKind::FoursAndThrees, {At("L12"), At("M13"), At("G7")}};
    r.moves[3].mark = MoveMark::MissedWin;
    return r;
}

class ReviewStoreTest : public ::testing::Test {
  protected:
    void SetUp() override {
        // A folder of each test's own: ctest runs the tests side by side.
        directory = std::filesystem::path(::testing::TempDir()) /
                    ("wuzi-review-store-" +
                     std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
        std::filesystem::remove_all(directory);
    }
    void TearDown() override { std::filesystem::remove_all(directory); }

    std::filesystem::path directory;
};

TEST_F(ReviewStoreTest, GivesBackWhatItKept) {
    ReviewStore store(directory / "reviews");
    Review review = SampleReview();
    ASSERT_TRUE(store.save(review));
    EXPECT_EQ(store.load(review.record), review);
    // Only the review itself is left: the temporary file was renamed into place.
    auto files = std::filesystem::directory_iterator(directory / "reviews");
    EXPECT_EQ(std::distance(files, std::filesystem::directory_iterator()), 1);
}

TEST_F(ReviewStoreTest, RefusesAFileForOtherMovesOrDamaged) {
    ReviewStore store(directory);
    Review review = SampleReview();
    ASSERT_TRUE(store.save(review));
    GameRecord other = Game("H8 I9 J10 K12");
    EXPECT_FALSE(store.load(other)) << "no file was kept for these moves";

    // The review of other moves under this game's name, as a copied file would be.
    std::filesystem::copy_file(store.pathFor(review.record), store.pathFor(other));
    EXPECT_FALSE(store.load(other));

    std::ifstream in(store.pathFor(review.record));
    std::stringstream text;
    text << in.rdbuf();
    std::string whole = text.str();
    for (std::size_t cut : {whole.size() / 2, whole.size() - 3}) {
        std::ofstream(store.pathFor(review.record), std::ios::trunc) << whole.substr(0, cut);
        EXPECT_FALSE(store.load(review.record)) << "cut at " << cut;
    }
}

} // namespace
} // namespace wuzi::test
