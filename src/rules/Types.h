#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace wuzi {

inline constexpr int kBoardSize = 15;
inline constexpr int kCellCount = kBoardSize * kBoardSize;

// Cell codes of BoardCells: they name the side, not the colour.
inline constexpr int kEmpty = 0;
inline constexpr int kComputer = 1;
inline constexpr int kPlayer = 2;

inline constexpr int otherSide(int side) {
    return side == kComputer ? kPlayer : kComputer;
}

// A 1-based board cell: column x, row y. (0, 0) means "no cell".
struct Cell {
    int x = 0;
    int y = 0;
    friend constexpr bool operator==(Cell, Cell) = default;
};

// The centre point, where the first stone of every game goes.
inline constexpr Cell kCentre{8, 8};

// One stone of a position set up by hand: its cell and its side (kComputer or kPlayer).
struct SetUpStone {
    Cell cell;
    int side = kPlayer;
};

inline constexpr bool onBoard(int x, int y) {
    return x >= 1 && x <= kBoardSize && y >= 1 && y <= kBoardSize;
}
inline constexpr bool onBoard(Cell c) {
    return onBoard(c.x, c.y);
}
inline constexpr bool isNoCell(Cell c) {
    return c.x == 0 || c.y == 0;
}

// "(x, y)", as messages name a cell.
inline std::string cellText(int x, int y) {
    return "(" + std::to_string(x) + ", " + std::to_string(y) + ")";
}
inline std::string cellText(Cell c) {
    return cellText(c.x, c.y);
}

// The four line directions shared by the point tests: back half (x - i*dx, y - i*dy),
// forward half (x + i*dx, y + i*dy).
struct Direction {
    int number;
    int dx;
    int dy;
};

// Directions 1..4 in the order every line test examines them.
inline constexpr std::array<Direction, 4> kDirections{
    {{1, 1, 0}, {2, 0, 1}, {3, 1, 1}, {4, -1, 1}}};

} // namespace wuzi
