#pragma once

#include "LongWin.h"

#include "SuiteFile.h"

#include <iosfwd>
#include <string>
#include <vector>

// Grows the long-win suite from Vesk's self-play. Every position of a game is looked at,
// and so is every position one stone away from it (each of the likeliest other stones
// of the side to move); findLongWin judges each. Positions already judged, turned or
// mirrored, are skipped, and so is a kind or a length of which there are enough; a game
// gives at most four entries. After each game that gave some, the suite's files are
// written afresh, their header naming the games played so far: a hunt stopped at any
// point leaves files that the same command with that many games writes again.
struct HuntOptions {
    unsigned seed = 1;
    int count = 100;
    long budget = 2'000'000; // search nodes for one position
    int otherMoves = 12;
    int games = 2000;
};

struct FoundWin {
    std::vector<int> stones; // in the order played, black first
    LongWin win;
};

// Hunts and writes the suite to `path` (and its lines file); returns what it found.
std::vector<FoundWin> huntLongWins(const HuntOptions& options, const std::string& path,
                                   std::ostream& log);

// The suite's entries, wins by fours first, each kind by length; and the file's header,
// which says how it was made and checked.
std::vector<SuiteLine> suiteLines(const std::vector<FoundWin>& found);
std::string longWinHeader(const HuntOptions& options, int gamesPlayed);
