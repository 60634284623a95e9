// The fast search against the plain one on many positions: same move, same value, the
// same value for every root candidate, and every random draw taken at the same candidate.
#include "engines/SearchEngine.h"
#include "engines/SearchEngineFast.h"
#include "engines/SearchLevels.h"
#include "support/SearchPositions.h"
#include "support/SearchReference.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace wuzi::test {
namespace {

// The game's generator, noting how many root candidates had been valued at each draw.
class TracedRandom : public RandomSource {
  public:
    double next() override {
        trace.push_back(values->size());
        return inner_.next();
    }
    const std::vector<RootValue>* values = nullptr;
    std::vector<std::size_t> trace;

  private:
    SeededRandom inner_;
};

struct Outcome {
    std::int32_t value = 0;
    int bestIndex = -1;
    std::vector<RootValue> rootValues;
    std::vector<std::size_t> draws;
};

Outcome fastOutcome(const SearchState& s, int depth, std::int32_t bound, int side, int threads) {
    Outcome out;
    TracedRandom random;
    random.values = &out.rootValues;
    SearchContext context(random);
    context.threads = threads;
    context.rootValues = &out.rootValues;
    out.value = EngineSearch(s, depth, bound, side, out.bestIndex, context);
    out.draws = std::move(random.trace);
    return out;
}

// Empty when the plain search would play more than `budget` trial stones.
std::optional<Outcome> referenceOutcome(SearchState s, int depth, std::int32_t bound, int side,
                                        long long budget) {
    Outcome out;
    bool active = true;
    TracedRandom random;
    ReferenceSearch search(s, random, active);
    search.nodeLimit = budget;
    random.values = &search.rootValues;
    out.value = search.EngineSearch(depth, bound, side, out.bestIndex);
    if (search.gaveUp()) return std::nullopt;
    out.rootValues = search.rootValues;
    out.draws = std::move(random.trace);
    return out;
}

std::string describe(const SearchState& s, int depth, int threads) {
    std::string text = "depth " + std::to_string(depth) + ", " + std::to_string(threads) +
                       " threads, EngineEval " + std::to_string(s.EngineEval) + "\n";
    for (const auto& row : EnginePicture(s))
        text += row + "\n";
    return text;
}

// Compares the two searches unless the plain one would take too long; true when compared.
bool expectSameSearch(const SearchState& s, int depth, std::int32_t bound = -kFiveScore,
                      int side = kEngineComputer, long long budget = 0) {
    std::optional<Outcome> plain = referenceOutcome(s, depth, bound, side, budget);
    if (!plain) return false;
    for (int threads : {1, 2}) {
        Outcome fast = fastOutcome(s, depth, bound, side, threads);
        EXPECT_EQ(fast.bestIndex, plain->bestIndex) << describe(s, depth, threads);
        EXPECT_EQ(fast.value, plain->value) << describe(s, depth, threads);
        EXPECT_EQ(fast.rootValues, plain->rootValues) << describe(s, depth, threads);
        EXPECT_EQ(fast.draws, plain->draws) << describe(s, depth, threads);
    }
    return true;
}

TEST(SearchDifferential, PlayedOutGamesAtDepthTwo) {
    for (std::uint32_t seed = 1; seed <= 12; ++seed)
        for (const SearchState& s : PlayedOutPositions(seed, 70, 3))
            expectSameSearch(s, 2);
}

// The plain search takes minutes on the sharpest positions. Deeper searches are
// compared on the positions where it plays at most `budget` trial stones, and a search a
// ply shallower at most a fifteenth of that (a sharp position costs that one little); the
// sharp ones are compared in the benchmark.
int compareWithin(std::uint32_t firstSeed, std::uint32_t lastSeed, int depth, long long budget) {
    int compared = 0;
    for (std::uint32_t seed = firstSeed; seed <= lastSeed; ++seed)
        for (const SearchState& s : PlayedOutPositions(seed, 40, 3))
            if (referenceOutcome(s, depth - 1, -kFiveScore, kEngineComputer, budget / 15))
                compared += expectSameSearch(s, depth, -kFiveScore, kEngineComputer, budget);
    return compared;
}

TEST(SearchDifferential, PlayedOutGamesAtDepthThree) {
    EXPECT_GE(compareWithin(21, 26, 3, 400000), 40);
}

TEST(SearchDifferential, PlayedOutGamesAtDepthFour) {
    EXPECT_GE(compareWithin(41, 50, 4, 1000000), 15);
}

TEST(SearchDifferential, NearlyFullBoards) {
    for (int free : {1, 2, 3, 5, 8, 13})
        for (std::uint32_t seed = 1; seed <= 3; ++seed) {
            SearchState s = CrowdedPosition(seed * 100 + free, free);
            for (int depth : {2, 3, 4, 5})
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
        for (int depth : {2, 3, 4})
            expectSameSearch(s, depth);
    }
}

TEST(SearchDifferential, EitherSideToMoveAndAnyBound) {
    for (const SearchState& s : PlayedOutPositions(61, 40, 9))
        for (std::int32_t bound : {-kFiveScore, -300, 0, 450, kFiveScore})
            for (int depth : {2, 3})
                for (int side : {kEngineComputer, kEnginePlayer})
                    expectSameSearch(s, depth, bound, side, 400000);
}

// Another thread may search a root candidate before the candidates ahead of it are in,
// under a bound looser than the plain search's. The level below then notes its records,
// and the value the plain search gives under any tighter bound is read off them.
TEST(SearchDifferential, RecordsUnderTheLoosestBoundGiveTheValueUnderAnyBound) {
    SeededRandom unused;
    for (const SearchState& s : PlayedOutPositions(71, 30, 10))
        for (int depth : {2, 3}) {
            SearchContext context(unused);
            search::Searcher searcher(s, context);
            search::SharedBound loosest{search::ComputerSide::kStart};
            search::Records records;
            for (int r = 0; r < searcher.board().count(); r += 7) {
                searcher.rootCandidate<search::ComputerSide, search::PlayerSide>(r, depth, loosest,
                                                                                 records);
                int cell = searcher.board().candidate(r).cell;
                SearchState after = s;
                RecordEngineStone(after, cell / 15, cell % 15, kEngineComputer);
                if (after.EngineEval == -kFiveScore) continue; // nothing lies below a five
                for (std::int32_t bound : {-kFiveScore, -200, 0, 35, 300, kFiveScore}) {
                    bool active = true;
                    ReferenceSearch plain(after, unused, active);
                    int best = -1;
                    EXPECT_EQ(search::ValueUnder<search::PlayerSide>(records, bound),
                              plain.EngineSearch(depth - 1, bound, kEnginePlayer, best))
                        << describe(s, depth, 1) << "candidate " << r << ", bound " << bound;
                }
            }
        }
}

} // namespace
} // namespace wuzi::test
