#include "rules/WinningLine.h"

#include <algorithm>

namespace wuzi {

namespace {

int codeAt(const std::array<std::int16_t, kCellCount>& board, int x, int y) {
    return onBoard(x, y) ? board[(y - 1) * kBoardSize + (x - 1)] : -1;
}

// The whole run of `code` through `last` along one direction, from its back end.
std::vector<Cell> runThrough(const std::array<std::int16_t, kCellCount>& board, Cell last,
                             const Direction& d, int code) {
    int back = 0;
    while (codeAt(board, last.x - (back + 1) * d.dx, last.y - (back + 1) * d.dy) == code)
        ++back;
    std::vector<Cell> run;
    for (int i = -back; codeAt(board, last.x + i * d.dx, last.y + i * d.dy) == code; ++i)
        run.push_back({last.x + i * d.dx, last.y + i * d.dy});
    return run;
}

} // namespace

std::vector<Cell> WinningLine(const std::array<std::int16_t, kCellCount>& board, Cell last) {
    int code = codeAt(board, last.x, last.y);
    if (code <= 0) return {};
    std::vector<Cell> line;
    for (const Direction& d : kDirections) {
        std::vector<Cell> run = runThrough(board, last, d, code);
        if (run.size() < 5) continue;
        // Two winning lines share the stone itself; it is listed once.
        for (Cell c : run)
            if (std::find(line.begin(), line.end(), c) == line.end()) line.push_back(c);
    }
    return line;
}

} // namespace wuzi
