#pragma once

#include "rules/Types.h"

#include <string>
#include <string_view>
#include <vector>

namespace wuzi {

// The four levels of 习题, easiest first.
enum class PuzzleLevel {
    FoursIn3,   // a win by continuous fours in 3 moves
    FoursIn5,   // by fours, in 5 moves or more
    ThreatsIn3, // by fours and threes, in 3 moves, and none by fours alone
    ThreatsIn4, // by fours and threes, in 4 moves or more
};
inline constexpr int kPuzzleLevels = 4;

// A position whose side to move can force five: the puzzle is to find how.
struct Puzzle {
    std::string id;
    PuzzleLevel level = PuzzleLevel::FoursIn3;
    int moves = 0;            // the winner's stones in the shortest win, the five included
    std::vector<Cell> stones; // in the order played, black first
    std::vector<Cell> line;   // one win from the position: attacker and defender in turn
    bool blackToMove() const { return stones.size() % 2 == 0; }
};

// A puzzle file's text, one puzzle a line: `ID MOVES STONES... / LINE...`, the cells as
// the board names them (column A–O, row 1–15 from the bottom); `#` lines are comments.
// A line that does not read as a puzzle whose stones lie on distinct cells is skipped.
std::vector<Puzzle> ReadPuzzles(std::string_view text, PuzzleLevel level);

// "H8" for the centre; a cell off the board reads as no cell.
Cell CellOfName(std::string_view name);

} // namespace wuzi
