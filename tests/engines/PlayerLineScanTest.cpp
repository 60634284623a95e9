#include "engines/PlayerLineScan.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace wuzi::test {
namespace {

const Direction kHorizontal = kDirections[0];
const Direction kAntiDiagonal = kDirections[3];

// Row 8 from column 1; '*' is the cell scanned from (left empty).
struct RowPicture {
    std::string row;
    Cell from() const { return {static_cast<int>(row.find('*')) + 1, 8}; }
    void setUp(Game& g) const {
        std::string stones = row;
        stones[stones.find('*')] = '.';
        SetPosition(g, {stones}, {1, 8});
    }
};

struct HalfExpect {
    int run, free, gap;
    Cell near, far;
};

void ExpectHalf(const HalfLine& h, const HalfExpect& e, const char* which) {
    EXPECT_EQ(h.run, e.run) << which;
    EXPECT_EQ(h.free, e.free) << which;
    EXPECT_EQ(h.gap, e.gap) << which;
    EXPECT_EQ(h.near, e.near) << which;
    EXPECT_EQ(h.far, e.far) << which;
}

struct ScanCase {
    const char* what;
    RowPicture picture;
    int side;
    int maxFree;
    HalfExpect a, b;
};
std::ostream& operator<<(std::ostream& out, const ScanCase& c) {
    return out << c.what;
}

class ScanLineTest : public ::testing::TestWithParam<ScanCase> {};

TEST_P(ScanLineTest, CountsRunsFreeCellsGapsAndSlots) {
    const ScanCase& c = GetParam();
    TestGame t;
    c.picture.setUp(t.g);
    LineScan s = ScanLine(t.g, c.picture.from(), kHorizontal, c.side, c.maxFree);
    ExpectHalf(s.a, c.a, "first half");
    ExpectHalf(s.b, c.b, "second half");
}

INSTANTIATE_TEST_SUITE_P(ScanFrames, ScanLineTest,
                         ::testing::Values(ScanCase{"run of three, closed ahead",
                                                    {"..OO*X"},
                                                    kPlayer,
                                                    kRunFrameFree,
                                                    {3, 2, 0, {2, 8}, {1, 8}},
                                                    {1, 0, 0, {}, {}}},
                                           ScanCase{"stone beyond one free cell",
                                                    {".O.O*...O"},
                                                    kPlayer,
                                                    kRunFrameFree,
                                                    {3, 2, 1, {3, 8}, {1, 8}},
                                                    {1, 2, 0, {6, 8}, {7, 8}}},
                                           ScanCase{"stones beyond two free cells",
                                                    {"OO..*"},
                                                    kPlayer,
                                                    kRunFrameFree,
                                                    {3, 2, 2, {4, 8}, {3, 8}},
                                                    {1, 2, 0, {6, 8}, {7, 8}}},
                                           ScanCase{"a third free cell ends the half",
                                                    {"O...*"},
                                                    kPlayer,
                                                    kRunFrameFree,
                                                    {1, 2, 0, {4, 8}, {3, 8}},
                                                    {1, 2, 0, {6, 8}, {7, 8}}},
                                           ScanCase{"the room frame counts three free cells",
                                                    {"O...*"},
                                                    kPlayer,
                                                    kRoomFrameFree,
                                                    {2, 3, 3, {4, 8}, {3, 8}},
                                                    {1, 3, 0, {6, 8}, {7, 8}}},
                                           ScanCase{"the four frame takes one free cell",
                                                    {"O.OO*.."},
                                                    kComputer,
                                                    kFourFrameFree,
                                                    {1, 0, 0, {}, {}},
                                                    {1, 1, 0, {6, 8}, {}}},
                                           ScanCase{"the four frame counts past its free cell",
                                                    {"X.XX*.."},
                                                    kComputer,
                                                    kFourFrameFree,
                                                    {4, 1, 1, {2, 8}, {}},
                                                    {1, 1, 0, {6, 8}, {}}},
                                           ScanCase{"the edge ends the first half",
                                                    {"*O.."},
                                                    kPlayer,
                                                    kRunFrameFree,
                                                    {1, 0, 0, {}, {}},
                                                    {2, 2, 0, {3, 8}, {4, 8}}},
                                           ScanCase{"a stone of the other side ends the half",
                                                    {"XO*"},
                                                    kPlayer,
                                                    kRunFrameFree,
                                                    {2, 0, 0, {}, {}},
                                                    {1, 2, 0, {4, 8}, {5, 8}}}));

TEST(ScanLine, AntiDiagonalRunsUpRightFirst) {
    TestGame t;
    SetPosition(t.g, {"....", "...O", "..O.", "....", "O..."}, {7, 5});
    // From (8, 8): the first half steps (x + k, y - k), the second (x - k, y + k).
    LineScan s = ScanLine(t.g, {8, 8}, kAntiDiagonal, kPlayer, kRunFrameFree);
    ExpectHalf(s.a, {3, 2, 0, {11, 5}, {12, 4}}, "first half");
    ExpectHalf(s.b, {2, 2, 0, {6, 10}, {5, 11}}, "second half");
}

struct CandidateCase {
    const char* what;
    RowPicture picture;
    LineTest test;
    bool passes;
    std::vector<Cell> guardCells;
};
std::ostream& operator<<(std::ostream& out, const CandidateCase& c) {
    return out << c.what;
}

class GuardCandidatesTest : public ::testing::TestWithParam<CandidateCase> {};

TEST_P(GuardCandidatesTest, ListsTheCellsOfTheTest) {
    const CandidateCase& c = GetParam();
    TestGame t;
    c.picture.setUp(t.g);
    LineScan s = ScanLine(t.g, c.picture.from(), kHorizontal, kPlayer, kRunFrameFree);
    ASSERT_EQ(Passes(s, c.test), c.passes);
    if (!c.passes) return;
    CellOrder list = GuardCandidates(s, c.test);
    EXPECT_EQ(std::vector<Cell>(list.begin(), list.end()), c.guardCells);
}

INSTANTIATE_TEST_SUITE_P(
    RunTests, GuardCandidatesTest,
    ::testing::Values(
        CandidateCase{"A: near then far", {"..OO*X"}, LineTest::A, true, {{2, 8}, {1, 8}}},
        CandidateCase{"A needs two free cells", {".XOO*."}, LineTest::A, false, {}},
        CandidateCase{"B: its side's cells", {"X*OO.."}, LineTest::B, true, {{5, 8}, {6, 8}}},
        CandidateCase{"C: only the side with the gap", {".O.O*.."}, LineTest::C, true, {{3, 8}}},
        CandidateCase{
            "C: both cells of a double gap", {"O..O*.."}, LineTest::C, true, {{3, 8}, {2, 8}}},
        CandidateCase{"C: every free cell of an unbroken run",
                      {"..OO*O.."},
                      LineTest::C,
                      true,
                      {{2, 8}, {1, 8}, {7, 8}, {8, 8}}},
        CandidateCase{"C: closed on both sides", {"XOO*OX"}, LineTest::C, false, {}},
        CandidateCase{"C: too many gaps", {"O..O*.O"}, LineTest::C, false, {}}));

struct RoomCase {
    const char* what;
    RowPicture picture;
    bool room;
    std::vector<Cell> cells;
};
std::ostream& operator<<(std::ostream& out, const RoomCase& c) {
    return out << c.what;
}

class RoomTest : public ::testing::TestWithParam<RoomCase> {};

TEST_P(RoomTest, YoungLinesAndTheirCells) {
    const RoomCase& c = GetParam();
    TestGame t;
    c.picture.setUp(t.g);
    LineScan s = ScanLine(t.g, c.picture.from(), kHorizontal, kPlayer, kRoomFrameFree);
    ASSERT_EQ(HasRoom(s), c.room);
    if (!c.room) return;
    CellOrder list = RoomCandidates(s);
    EXPECT_EQ(std::vector<Cell>(list.begin(), list.end()), c.cells);
}

INSTANTIATE_TEST_SUITE_P(
    YoungLines, RoomTest,
    ::testing::Values(
        RoomCase{"two stones, open row", {"....O*...."}, true, {{4, 8}, {3, 8}, {7, 8}, {8, 8}}},
        RoomCase{"a lone stone", {"....*...."}, false, {}},
        RoomCase{"no free cell on one side", {"O*...."}, false, {}},
        RoomCase{"the second side's gap first", {"...O*.O.."}, true, {{6, 8}}},
        RoomCase{"a gap with nothing beyond it", {"XO.*..."}, false, {}},
        RoomCase{"gaps on both sides", {"..O.*.O.."}, true, {{6, 8}, {4, 8}}}));

} // namespace
} // namespace wuzi::test
