#pragma once

#include "Puzzle.h"

#include <string>
#include <vector>

// A puzzle file: a header of '#' lines, then one puzzle a line,
//   NAME MOVES STONE... / LINE...
// the stones and the line's stones as column A-O and row 1-15 counted from the bottom.
// A line that does not read as a puzzle still gives one, with what could be read (a
// cell that names none is -1), for the checks to reject.
std::string puzzleText(const Puzzle& puzzle);
Puzzle puzzleFromText(const std::string& text);

void writePuzzles(const std::string& path, const std::string& header,
                  const std::vector<Puzzle>& puzzles);
std::vector<Puzzle> readPuzzles(const std::string& path);

// The file of `level` in the puzzle folder.
std::string puzzlePath(const std::string& folder, const PuzzleLevel& level);
