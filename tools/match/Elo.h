#pragma once

#include <string>

// A match score as an Elo difference with a 95% interval. The score's interval is
// Wilson's, so that a clean sweep still gives a finite lower bound.
struct EloEstimate {
    double score; // points per game, a draw counting half
    double elo;   // from the score; +/-infinity at 100% and 0%
    double low;   // the interval's ends, in Elo
    double high;
};

EloEstimate estimateElo(int wins, int losses, int draws);

// "W-L-D 38-2-0, score 95.0%, Elo +512 [+301, +inf]"
std::string describe(int wins, int losses, int draws);
