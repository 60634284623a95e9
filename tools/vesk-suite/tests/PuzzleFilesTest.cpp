// The puzzle trainer's puzzles as checked in (assets/puzzles): every puzzle of every
// level passes the exhaustive check, the files hold enough of them for both colours, no
// position comes twice, and the exhaustive check accepts another first stone that wins
// and rejects one that does not.
#include "PuzzleCheck.h"
#include "PuzzleFile.h"
#include "SuiteFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

// gtest names a level in its reports by its file, not by the struct's bytes.
void PrintTo(const PuzzleLevel& level, std::ostream* out) {
    *out << level.file;
}

namespace {

std::vector<Puzzle> puzzlesOf(const PuzzleLevel& level) {
    return readPuzzles(puzzlePath(PUZZLE_FOLDER, level));
}

Puzzle puzzleNamed(const std::string& name) {
    for (const Puzzle& p : puzzlesOf(*levelOfName(name)))
        if (p.name == name) return p;
    return {};
}

class PuzzleFileTest : public ::testing::TestWithParam<PuzzleLevel> {};

TEST_P(PuzzleFileTest, HoldsEnoughPuzzlesForBothColours) {
    std::vector<Puzzle> puzzles = puzzlesOf(GetParam());
    EXPECT_GE(puzzles.size(), 75u);
    auto blackToMove = std::count_if(puzzles.begin(), puzzles.end(),
                                     [](const Puzzle& p) { return p.stones.size() % 2 == 0; });
    EXPECT_GE(blackToMove * 4, std::ssize(puzzles));
    EXPECT_GE((std::ssize(puzzles) - blackToMove) * 4, std::ssize(puzzles));
}

TEST_P(PuzzleFileTest, EveryPuzzlePassesTheExhaustiveCheck) {
    for (const Puzzle& p : puzzlesOf(GetParam()))
        EXPECT_EQ(puzzleFault(p, GetParam()), "") << puzzleText(p);
}

INSTANTIATE_TEST_SUITE_P(Levels, PuzzleFileTest, ::testing::ValuesIn(puzzleLevels()),
                         [](const auto& info) { return std::string(info.param.prefix); });

TEST(PuzzleFiles, NameEveryPuzzleInOrderAndHoldNoPositionTwiceNorTheSuites) {
    EXPECT_EQ(folderFaults(PUZZLE_FOLDER, {THREAT_SUITE_FILE, LONG_WINS_FILE}),
              std::vector<std::string>{});
}

// A first stone other than the stored line's, and whether it wins within the puzzle's
// moves; the stones that fail are fours (or threes) too, and tempting.
struct FirstStone {
    const char* puzzle;
    const char* stone;
    bool wins;
};

void PrintTo(const FirstStone& f, std::ostream* out) {
    *out << f.puzzle << ' ' << f.stone;
}

const FirstStone kFirstStones[] = {
    {"f3-008", "E6", true},   {"f3-008", "B8", false}, {"f5-016", "L11", true},
    {"f5-016", "K13", false}, {"t3-036", "E8", true},  {"t3-036", "H10", false},
    {"t4-033", "J7", true},   {"t4-033", "J8", false},
};

class FirstStoneTest : public ::testing::TestWithParam<FirstStone> {};

TEST_P(FirstStoneTest, TheExhaustiveCheckJudgesAnotherFirstStone) {
    const FirstStone& f = GetParam();
    Puzzle p = puzzleNamed(f.puzzle);
    ASSERT_FALSE(p.line.empty()) << f.puzzle;
    int cell = cellFromText(f.stone);
    EXPECT_NE(cell, p.line.front());
    EXPECT_EQ(firstMoveWins(p, *levelOfName(f.puzzle), cell), f.wins);
}

INSTANTIATE_TEST_SUITE_P(Puzzles, FirstStoneTest, ::testing::ValuesIn(kFirstStones),
                         [](const auto& info) {
                             return std::string(info.param.puzzle).replace(2, 1, "_") + "_" +
                                    info.param.stone;
                         });

} // namespace
