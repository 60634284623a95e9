#include "ui/BoardGeometry.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace wuzi::test {
namespace {

struct SnapCase {
    float X, Y;
    Cell cell;
};

std::ostream& operator<<(std::ostream& out, const SnapCase& c) {
    return out << "click (" << c.X << ", " << c.Y << ")";
}

class SnapTest : public ::testing::TestWithParam<SnapCase> {};

TEST_P(SnapTest, ClickSnapsToItsCell) {
    const SnapCase& c = GetParam();
    EXPECT_EQ(BoardGeometry::cellAt(c.X, c.Y), c.cell);
}

INSTANTIATE_TEST_SUITE_P(
    Boundaries, SnapTest,
    ::testing::Values(
        // Clamping beyond the picture.
        SnapCase{0, 0, {1, 1}}, SnapCase{400, 400, {15, 15}}, SnapCase{-50, 150, {1, 8}},
        // Column 1 ends at X = 23, column 2 starts at 24; row 1 ends at Y = 21.
        SnapCase{23, 21, {1, 1}}, SnapCase{24, 22, {2, 2}}, SnapCase{150, 150, {8, 8}},
        SnapCase{300, 285, {15, 15}}, SnapCase{5, 4, {1, 1}},
        // Column x takes 21x - 18 .. 21x + 2; row y takes 20y - 18 .. 20y + 1.
        SnapCase{149, 142, {7, 8}}, SnapCase{151, 161, {8, 8}}, SnapCase{170, 162, {8, 9}},
        // Halves round to even: round(12.5 - 12) = 0, round(13.5 - 12) = 2.
        SnapCase{12.5f, 11.5f, {1, 1}}, SnapCase{13.5f, 12.5f, {1, 1}},
        // Negative remainders keep their sign: round(6 - 12) mod 21 = -6.
        SnapCase{6, 5, {1, 1}}));

} // namespace
} // namespace wuzi::test
