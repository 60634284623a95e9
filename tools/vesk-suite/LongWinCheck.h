#pragma once

#include "SuiteFile.h"

#include <iosfwd>
#include <string>
#include <vector>

// Checks the long-win suite afresh, entry by entry, and says what is wrong:
//   - the stones are a game's: on the board, on empty cells, and no five among them;
//   - the exhaustive check of ExhaustiveCheck, code apart from the threat-game search,
//     finds a VCF entry's shortest win by fours to be PLIES, and no win by fours at all
//     for a VCT entry;
//   - a new threat-game search (findLongWin) judges the entry of the same kind and
//     length: for VCF, none by fours and threes shorter than 15 plies; for VCT, the
//     shortest by fours and threes is PLIES;
//   - the line is a game of the threat game that ends in five at ply PLIES;
//   - no position is another's turned or mirrored.
std::vector<std::string> checkLongWins(const std::vector<SuiteLine>& entries, long budget,
                                       std::ostream& log);

// What is wrong with a line from the position, or "" when it is a win of its kind
// ending in five at ply PLIES: each attacker stone blocks the defender's four if there is
// one and leaves a four (or, in a VCT, a four or a three), each defender stone takes the
// attacker's cell of five when there is one, and the last stone is the attacker's five.
std::string lineFault(const SuiteLine& entry);
