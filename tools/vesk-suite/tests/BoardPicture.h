#pragma once

#include "LineGrid.h"

#include <string>
#include <vector>

// Boards drawn as pictures for the tool's tests: rows from the top, '.' empty, 'X' black,
// 'O' white; cells are LineGrid's (x + 15 y).

// The cells drawn as `mark`, in reading order.
inline std::vector<int> marked(const std::vector<std::string>& rows, char mark) {
    std::vector<int> cells;
    for (int y = 0; y < static_cast<int>(rows.size()); ++y)
        for (int x = 0; x < static_cast<int>(rows[y].size()); ++x)
            if (rows[y][x] == mark) cells.push_back(y * LineGrid::kSize + x);
    return cells;
}

// The stones, X and O taken by turns in reading order, black first; the side to move
// attacks.
inline std::vector<int> cellsOf(const std::vector<std::string>& rows) {
    std::vector<int> black = marked(rows, 'X'), white = marked(rows, 'O'), stones;
    for (std::size_t i = 0; i < black.size(); ++i) {
        stones.push_back(black[i]);
        if (i < white.size()) stones.push_back(white[i]);
    }
    return stones;
}
