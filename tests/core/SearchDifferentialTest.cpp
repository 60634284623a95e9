// The fast search against the plain one on many positions: same move, same value, same
// trial stones, and every random draw taken at the same moment of the search.
#include "core/SearchPositions.h"
#include "core/SearchReference.h"
#include "core/TestSupport.h"
#include "engines/SearchEngine.h"
#include "engines/SearchEngineFast.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace wuzi::test {
namespace {

// The game's generator, noting how many trial stones had been played at each draw.
class TracedRandom : public RandomSource {
  public:
    double next() override {
        trace.push_back(*nodes);
        return inner_.next();
    }
    const long long* nodes = nullptr;
    std::vector<long long> trace;

  private:
    SeededRandom inner_;
};

struct Outcome {
    std::int32_t value = 0;
    int bestIndex = -1;
    long long nodes = 0;
    std::vector<long long> draws;
};

Outcome fastOutcome(const SearchState& s, int depth, std::int32_t bound, int side) {
    Outcome out;
    TracedRandom random;
    SearchContext context{random};
    random.nodes = &context.nodes;
    out.value = EngineSearch(s, depth, bound, side, out.bestIndex, context);
    out.nodes = context.nodes;
    out.draws = std::move(random.trace);
    return out;
}

Outcome referenceOutcome(SearchState s, int depth, std::int32_t bound, int side) {
    Outcome out;
    Flag active = kTrue;
    TracedRandom random;
    ReferenceSearch search(s, random, active);
    random.nodes = &search.nodes;
    out.value = search.EngineSearch(depth, bound, side, out.bestIndex);
    out.nodes = search.nodes;
    out.draws = std::move(random.trace);
    return out;
}

std::string describe(const SearchState& s, int depth) {
    std::string text =
        "depth " + std::to_string(depth) + ", EngineEval " + std::to_string(s.EngineEval) + "\n";
    for (const auto& row : EnginePicture(s))
        text += row + "\n";
    return text;
}

void expectSameSearch(const SearchState& s, int depth, std::int32_t bound = -kFiveScore,
                      int side = kEngineComputer) {
    Outcome fast = fastOutcome(s, depth, bound, side);
    Outcome plain = referenceOutcome(s, depth, bound, side);
    EXPECT_EQ(fast.bestIndex, plain.bestIndex) << describe(s, depth);
    EXPECT_EQ(fast.value, plain.value) << describe(s, depth);
    EXPECT_EQ(fast.nodes, plain.nodes) << describe(s, depth);
    EXPECT_EQ(fast.draws, plain.draws) << describe(s, depth);
}

TEST(SearchDifferential, PlayedOutGamesAtDepthTwo) {
    for (std::uint32_t seed = 1; seed <= 12; ++seed)
        for (const SearchState& s : PlayedOutPositions(seed, 70, 3))
            expectSameSearch(s, 2);
}

// The plain search takes minutes on the sharpest positions (a player's open four makes
// every line of play run to the end). Deeper searches are compared on the positions
// where the fast engine plays at most `budget` trial stones; the sharp ones are
// compared in the benchmark.
long long trialStones(const SearchState& s, int depth) {
    SeededRandom random;
    SearchContext context{random};
    int best = -1;
    EngineSearch(s, depth, -kFiveScore, kEngineComputer, best, context);
    return context.nodes;
}

int compareWithin(std::uint32_t firstSeed, std::uint32_t lastSeed, int depth, long long budget) {
    int compared = 0;
    for (std::uint32_t seed = firstSeed; seed <= lastSeed; ++seed)
        for (const SearchState& s : PlayedOutPositions(seed, 40, 3)) {
            // A shallower search first: a sharp position costs it little.
            if (trialStones(s, depth - 1) > budget / 10 || trialStones(s, depth) > budget) continue;
            expectSameSearch(s, depth);
            ++compared;
        }
    return compared;
}

TEST(SearchDifferential, PlayedOutGamesAtDepthThree) {
    EXPECT_GE(compareWithin(21, 26, 3, 400000), 40);
}

TEST(SearchDifferential, PlayedOutGamesAtDepthFour) {
    EXPECT_GE(compareWithin(41, 50, 4, 1000000), 10);
}

TEST(SearchDifferential, NearlyFullBoards) {
    for (int free : {1, 2, 3, 5, 8, 13})
        for (std::uint32_t seed = 1; seed <= 3; ++seed) {
            SearchState s = CrowdedPosition(seed * 100 + free, free);
            for (int depth : {2, 3, 4})
                expectSameSearch(s, depth);
        }
}

TEST(SearchDifferential, OpeningsAndTheUnscoredBookOpening) {
    SearchState empty;
    EngineInit(empty);
    expectSameSearch(empty, 2);
    SearchState centre = EngineStateOf({"O"}, 7, 7);
    expectSameSearch(centre, 2);
    expectSameSearch(centre, 3);
    // The book opening is recorded without being scored: the engine keeps that score.
    SearchState book;
    EngineInit(book);
    book.record(7, 7, kEnginePlayer);
    book.record(8, 7, kEngineComputer);
    book.record(6, 8, kEnginePlayer);
    book.EngineEval = 1;
    expectSameSearch(book, 2);
    expectSameSearch(book, 3);
}

TEST(SearchDifferential, FivesOnOfferForEitherSide) {
    // The computer's own five; an open four of the player (every reply loses); a split
    // four of the computer beside the player's three.
    const std::vector<std::vector<std::string>> pictures = {
        {
            "OXXXX..",
            ".......",
            ".OOOO..",
            ".......",
        },
        {
            "..OOOO.",
            "..XX...",
            ".X.X...",
            ".......",
        },
        {
            "O.XXX.O",
            "...O...",
            "...O...",
            "...O...",
        },
    };
    for (const auto& picture : pictures) {
        SearchState s = EngineStateOf(picture, 5, 4);
        expectSameSearch(s, 2);
        expectSameSearch(s, 3);
    }
}

TEST(SearchDifferential, EitherSideToMoveAndAnyBound) {
    for (const SearchState& s : PlayedOutPositions(61, 40, 9))
        for (std::int32_t bound : {-kFiveScore, -300, 0, 450, kFiveScore}) {
            expectSameSearch(s, 2, bound, kEngineComputer);
            expectSameSearch(s, 2, bound, kEnginePlayer);
        }
}

} // namespace
} // namespace wuzi::test
