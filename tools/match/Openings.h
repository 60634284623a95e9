#pragma once

#include "rules/Types.h"

#include <istream>
#include <string>
#include <vector>

// Openings: stones already on the board when a game starts, black first. In a file, one
// opening a line as 0-based cells "x,y x,y ..."; '#' starts a comment.
using Opening = std::vector<wuzi::Cell>;

std::vector<Opening> readOpenings(std::istream& in);
std::string openingText(const Opening& opening);

// `count` distinct two-stone openings: black within two cells of the centre, white
// within two cells of black.
std::vector<Opening> randomOpenings(int count, unsigned seed);
