#pragma once

#include "core/TestSupport.h"

#include <stdexcept>
#include <string>
#include <vector>

namespace wuzi::test {

// Draws a board picture like SetPosition, where one '*' marks the empty cell under
// test; returns that cell.
inline Cell SetMarkedPosition(Game& g, std::vector<std::string> picture, Cell topLeft = {1, 1},
                              const std::vector<Cell>& newestLast = {}) {
    Cell marked;
    for (std::size_t row = 0; row < picture.size(); ++row) {
        int column = 0;
        for (char& ch : picture[row]) {
            if (ch == ' ') continue;
            if (ch == '*') {
                marked = {topLeft.x + column, topLeft.y + static_cast<int>(row)};
                ch = '.';
            }
            ++column;
        }
    }
    if (isNoCell(marked)) throw std::invalid_argument("the picture marks no cell with '*'");
    SetPosition(g, picture, topLeft, newestLast);
    return marked;
}

// The newest computer stone, or (0, 0) when the computer has none.
inline Cell NewestComputerStone(const Game& g) {
    return g.imgComputer.empty() ? Cell{} : g.imgComputer.back().cell();
}

} // namespace wuzi::test
