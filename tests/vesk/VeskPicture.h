#pragma once

#include "vesk/Board.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// Positions for Vesk's tests drawn as pictures: one string a board row, top row first,
//   '.' empty   'X' black   'O' white   '*' an empty cell the test looks at
// placed with its top-left character on the 0-based cell (left, top). Stones are played
// black and white by turns in reading order, so a picture has as many X as O (black to
// move) or one X more (white to move).
namespace vesk::test {

struct Picture {
    std::vector<std::string> rows;
    int left = 0;
    int top = 0;
};

// The stones of the picture in a playable order, as 1-based cells.
std::vector<wuzi::Cell> stonesOf(const Picture& picture);

Board boardOf(const Picture& picture);

// The cell marked '*'.
Pos markedCell(const Picture& picture);

// The board drawn back, for failure messages.
std::string draw(const Board& b);

// A quiet middle game, black to move, for the tests that only need a search to run.
// clang-format off
inline const Picture kMiddleGame = {{
    "...............",
    "...............",
    "...............",
    "...............",
    "...............",
    "......O.X......",
    "......XOO......",
    ".......XX......",
    "........O......",
}};
// clang-format on

} // namespace vesk::test
