// The long-win suite as checked in: enough wins of both kinds, each 15 plies or more,
// and each with a line of the threat game that ends in five at its stated ply. (The
// full check, `vesk-suite --verify-long`, searches every entry again and takes minutes.)
#include "LongWinCheck.h"
#include "SuiteFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace {

std::string entryText(const SuiteLine& e) {
    std::string text = (e.byFours ? "VCF " : "VCT ") + std::to_string(e.plies);
    for (int c : e.stones)
        text += ' ' + cellText(c);
    return text;
}

TEST(LongWinsFile, HoldsEnoughLongWinsOfBothKinds) {
    std::vector<SuiteLine> entries = readSuite(LONG_WINS_FILE);
    int byFours = 0, byThreats = 0, longest = 0;
    for (const SuiteLine& e : entries) {
        EXPECT_GE(e.plies, 15);
        (e.byFours ? byFours : byThreats) += 1;
        longest = std::max(longest, e.plies);
    }
    EXPECT_GE(byFours + byThreats, 50);
    EXPECT_GT(byFours, 0);
    EXPECT_GT(byThreats, 0);
    EXPECT_GE(longest, 21);
}

TEST(LongWinsFile, EveryLineEndsInFiveAtItsPlies) {
    for (const SuiteLine& e : readSuite(LONG_WINS_FILE))
        EXPECT_EQ(lineFault(e), "") << entryText(e);
}

} // namespace
