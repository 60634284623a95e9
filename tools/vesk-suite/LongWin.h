#pragma once

#include "LineGrid.h"

#include <optional>
#include <vector>

// The long forced wins that the suite wants, judged in the threat game by ShortestWin.
//
// A win by continuous fours (VCF) is long when its shortest is at least kLeastStones
// attacker stones (15 plies) and no win by fours and threes is shorter. A win by fours
// and threes (VCT) is long when there is no win by fours at all, however long, and its
// shortest is at least kLeastStones. Both are looked for up to kMostStones stones.
struct LongWin {
    static constexpr int kLeastStones = 8;
    static constexpr int kMostStones = 15;

    bool byFours = false;
    int plies = 0;
    // The attacker's stones with the defender's longest-lasting answers, to the five.
    std::vector<int> line;
};

// The side to move's long win within `budget` nodes of search, or nothing (no long win,
// a shorter one, or one the budget could not settle). Wins by fours and threes are
// looked for only while `byThreats`. Positions where either side has a cell of five
// already are not judged.
std::optional<LongWin> findLongWin(const LineGrid& position, long budget, bool byThreats = true);
