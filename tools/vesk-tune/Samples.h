#pragma once

#include "rules/Types.h"

#include <istream>
#include <ostream>
#include <string>
#include <vector>

// Positions of self-play games with what became of them, one a line:
//   RESULT SCORE STONE...
// RESULT is the game's result for the side to move (1 won, 0 lost, 0.5 drawn), SCORE the
// search's score of the position for the side to move, the stones in the order played,
// black first, as column A-O and row 1-15 counted from the bottom. '#' starts a comment.
namespace tune {

struct Sample {
    double result = 0.5;
    int score = 0;
    int game = 0; // the samples of one game share the number
    std::vector<wuzi::Cell> stones;
};

void writeSample(std::ostream& out, const Sample& s);
// Appends the file's samples; games are numbered on from `firstGame`.
int readSamples(std::istream& in, int firstGame, std::vector<Sample>& out);

} // namespace tune
