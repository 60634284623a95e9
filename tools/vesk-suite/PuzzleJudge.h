#pragma once

#include "LineGrid.h"
#include "Puzzle.h"

#include <array>
#include <optional>
#include <vector>

// The puzzle a position makes, if any, judged in the threat game by the tool's own search
// (ShortestWin); the exhaustive check has the last word (PuzzleCheck.h).
//
// Neither side may have a four standing, and the side to move may have no win in one or
// two stones. Then a win by fours whose shortest is 3 stones, or 5 to 6 with no win by
// fours and threes shorter, is a puzzle of fours; a position with no win by fours at all
// and a shortest win by fours and threes of 3 to 6 stones is one of threats.
struct JudgedPuzzle {
    int level = 0; // an index of puzzleLevels()
    int moves = 0;
    std::vector<int> line;
};

// Levels that are not `wanted` are not judged; a position the budget of search nodes
// could not settle makes no puzzle.
std::optional<JudgedPuzzle> judgePuzzle(const LineGrid& position, long budget,
                                        const std::array<bool, 4>& wanted);
