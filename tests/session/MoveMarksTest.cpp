#include "session/MoveMarks.h"
#include "session/Accuracy.h"

#include <gtest/gtest.h>

#include <cctype>
#include <ostream>
#include <string>

namespace wuzi::test {
namespace {

constexpr Proven kOpen = Proven::Open;
constexpr Proven kWon = Proven::Won;
constexpr Proven kLost = Proven::Lost;

struct MarkCase {
    const char* what;
    MoveFacts facts;
    MoveMark expected;
};
std::ostream& operator<<(std::ostream& out, const MarkCase& c) {
    return out << c.what;
}

class MarkOf : public ::testing::TestWithParam<MarkCase> {};

// "a small loss" -> "a_small_loss": a test name of the case's words.
std::string CaseName(std::string words) {
    for (char& c : words)
        if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
    return words;
}

TEST_P(MarkOf, Move) {
    EXPECT_EQ(MarkMove(GetParam().facts), GetParam().expected);
}

// Facts: chance before and after (the mover's, 0–100), proven before and after, the
// mover's previous position won, a forced win by threats there, no other move keeps it,
// the search saw the mover lost before.
// clang-format off
INSTANTIATE_TEST_SUITE_P(, MarkOf, ::testing::Values(
    MarkCase{"just under dubious",     {55, 55.5 - kDubiousLoss, kOpen, kOpen},     MoveMark::None},
    MarkCase{"a gain",                 {30, 70, kOpen, kOpen},                      MoveMark::None},
    MarkCase{"dubious",                {60, 60 - kDubiousLoss, kOpen, kOpen},       MoveMark::Dubious},
    MarkCase{"still dubious",          {70, 70 - kMistakeLoss, kOpen, kOpen},       MoveMark::Dubious},
    MarkCase{"a mistake",              {70, 69.5 - kMistakeLoss, kOpen, kOpen},     MoveMark::Mistake},
    MarkCase{"into a lost position",   {45, 0, kOpen, kLost},                       MoveMark::Losing},
    MarkCase{"a won position thrown",  {100, 0, kWon, kLost},                       MoveMark::Losing},
    MarkCase{"lost and still lost",    {0, 0, kLost, kLost},                        MoveMark::None},
    MarkCase{"a foreseen loss proven", {1, 0, kOpen, kLost, false, false, false, true}, MoveMark::None},
    MarkCase{"a threat win missed",    {100, 55, kWon, kOpen, false, true},         MoveMark::MissedWin},
    MarkCase{"missed and lost",        {100, 0, kWon, kLost, false, true},          MoveMark::MissedWin},
    MarkCase{"a threat win played",    {100, 100, kWon, kWon, false, true},         MoveMark::None},
    MarkCase{"the only winning move",  {100, 100, kWon, kWon, false, true, true},   MoveMark::Brilliant},
    MarkCase{"alone but won already",  {100, 100, kWon, kWon, true, true, true},    MoveMark::None},
    MarkCase{"alone but the win lost", {100, 30, kWon, kOpen, false, false, true},  MoveMark::Mistake}),
    [](const auto& info) { return CaseName(info.param.what); });
// clang-format on

// A side's accuracy leaves out the moves made where it was already lost.
TEST(GameAccuracy, MeanOfTheSidesMovesOutsideLostPositions) {
    auto move = [](int number, double before, double after, Proven proven) {
        ReviewedMove m;
        m.number = number;
        m.blackBefore = before;
        m.blackAfter = after;
        m.provenBefore = proven;
        return m;
    };
    std::vector<ReviewedMove> moves{
        move(1, 50, 50, kOpen),  // black loses nothing: 100
        move(2, 50, 74, kOpen),  // white loses 24 points: 25
        move(3, 74, 62, kOpen),  // black loses 12: 50
        move(4, 62, 100, kOpen), // white loses 38
        move(5, 0, 0, kLost),    // black was lost: left out
    };
    SideAccuracy accuracy = GameAccuracy(moves);
    EXPECT_DOUBLE_EQ(accuracy.black, 75.0);
    EXPECT_DOUBLE_EQ(accuracy.white, (25.0 + MoveAccuracy(38)) / 2);
    EXPECT_DOUBLE_EQ(MoveAccuracy(-5), 100.0);
    EXPECT_LT(MoveAccuracy(100), 1.0);
}

} // namespace
} // namespace wuzi::test
