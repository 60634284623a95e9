#pragma once

#include "Puzzle.h"

#include <iosfwd>
#include <string>
#include <vector>

// The referee of the puzzles: the exhaustive checks of ExhaustiveCheck and AnyStoneCheck,
// code apart from the engine and from the tool's threat-game search, with plain checks
// of the files.
//
// What is wrong with a puzzle of `level`, or "" when nothing is:
//   - the stones are a game's (on the board, on empty cells, no five among them), and
//     neither side has a four standing: the first stone is the attacker's free choice;
//   - MOVES is within the level's range;
//   - by fours: the shortest win by fours is MOVES stones;
//   - by fours and threes: there is no win by fours at all, however long, and the
//     shortest win by fours and threes is MOVES stones;
//   - no win is shorter, whatever stones the attacker plays (quiet ones too);
//   - the line is a game of the level's kind that ends in five with its MOVES-th stone;
//     each of its attacker stones forces five within the moves left against every
//     defence, and after each of its answers the attacker still needs every move left,
//     whatever stones it plays.
std::string puzzleFault(const Puzzle& puzzle, const PuzzleLevel& level);

// What is wrong with the files of `folder` apart from each puzzle's win: a file holds no
// puzzles, a puzzle is named out of order (f3-001, f3-002, ..., or with a letter added
// for a puzzle put in an earlier one's place: f3-002b), or a position is
// another's, turned or mirrored, or an entry's of the suite files `suites`.
std::vector<std::string> folderFaults(const std::string& folder,
                                      const std::vector<std::string>& suites);

// The folder's faults and every puzzle's, each puzzle's verdict said on `log`.
std::vector<std::string> checkPuzzles(const std::string& folder,
                                      const std::vector<std::string>& suites, std::ostream& log);

// Whether the attacker's first stone on `cell` still forces five within the puzzle's
// moves, by its level's kind of win: an answer that differs from the stored line's.
bool firstMoveWins(const Puzzle& puzzle, const PuzzleLevel& level, int cell);
