#pragma once

#include "rules/Types.h"

#include <string>
#include <vector>

// The threat suite's file (tests/vesk/data/threat-suite.txt), one position a line:
//   KIND PLIES STONE...
// KIND is VCF (a forced five by continuous fours) or VCT (by fours and threes, with none
// by fours alone); PLIES the shortest such win the exhaustive check found, up to and
// including the five; the stones in the order played, black first, as columns A-O and
// rows 1-15 counted from the bottom. The side to move wins.
namespace vesk::test {

struct SuiteEntry {
    bool byFours = false;
    int plies = 0;
    std::vector<wuzi::Cell> stones;
    std::string text;
};

std::vector<SuiteEntry> readSuite(const std::string& path);

} // namespace vesk::test
