// The threat searches on drawn positions: wins they must find, and wins that a
// counter-threat of the defender refutes; after a winning stone, the proof search proves
// the defender lost.
#include "VeskPicture.h"

#include "vesk/ProofSearch.h"
#include "vesk/ThreatSolver.h"

#include <gtest/gtest.h>

#include <ostream>

namespace vesk::test {
namespace {

struct ThreatCase {
    const char* what;
    Picture picture; // '*' marks the winning first move, if there is a win
    int vcfPlies;    // 0: no win by fours
    int vctPlies;    // 0: no win by fours and threes; kUnchecked: not asked
};

// gtest names the case in its reports by this, not by the struct's bytes.
void PrintTo(const ThreatCase& c, std::ostream* out) {
    *out << c.what;
}

constexpr int kUnchecked = -1;

// clang-format off
const ThreatCase kCases[] = {
    // A four that is also a three, then an open four.
    {"four_three_by_fours", {{
        "...............",
        ".O.............",
        "..X............",
        "...X...........",
        "....X..........",
        "..XX.*.........",
        "...............",
        "...............",
        "...............",
        "...............",
        "...............",
        "O....O....O...O",
    }}, 5, 5},
    // The only block of the four opens a four of the defender's.
    {"block_makes_open_four", {{
        "...............",
        ".O.............",
        "..X............",
        "...X...........",
        "....X..........",
        "..XX...........",
        ".......OOO.....",
        "...............",
        "...............",
        "...............",
        "...............",
        "O..............",
    }}, 0, kUnchecked},
    // Two open threes at once: one is blocked, the other opens.
    {"double_three_by_threes", {{
        "...............",
        "...............",
        "...............",
        "...............",
        "...............",
        ".....X.........",
        ".....X.........",
        "...XX*.........",
        "...............",
        "...............",
        "...............",
        "...............",
        "O....O....O...O",
    }}, 0, 5},
    // The same, but the defender's open three comes first.
    {"defender_open_three_first", {{
        "...............",
        "...............",
        "...............",
        "...............",
        "...............",
        ".....X.........",
        ".....X.........",
        "...XX..........",
        "...............",
        "...............",
        ".........OOO...",
        "...............",
        "O..............",
    }}, 0, 0},
};
// clang-format on

class ThreatSolverTest : public ::testing::TestWithParam<ThreatCase> {};

TEST_P(ThreatSolverTest, FindsTheWinOrNone) {
    const ThreatCase& c = GetParam();
    Board b = boardOf(c.picture);
    std::uint64_t before = b.hash();
    ThreatSolver solver;
    ThreatSolver::Limits limits;
    limits.nodes = 100000;
    std::vector<Pos> line;
    EXPECT_EQ(solver.vcf(b, limits, &line), c.vcfPlies) << draw(b);
    if (c.vcfPlies > 0) {
        EXPECT_EQ(line.front(), markedCell(c.picture)) << draw(b);
    }
    if (c.vctPlies != kUnchecked) {
        EXPECT_EQ(solver.vct(b, limits, &line), c.vctPlies) << draw(b);
        if (c.vctPlies > 0) {
            EXPECT_EQ(line.front(), markedCell(c.picture)) << draw(b);
        }
    }
    if (c.vctPlies > 0) {
        TrialStone first(b, markedCell(c.picture));
        ProofSearch proof(16);
        EXPECT_TRUE(proof.provesLoss(b, {})) << "every answer to the winning stone loses";
    }
    EXPECT_EQ(b.hash(), before) << "the searches leave the board as they found it";
}

INSTANTIATE_TEST_SUITE_P(Positions, ThreatSolverTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.what); });

} // namespace
} // namespace vesk::test
