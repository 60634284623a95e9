#include "session/Puzzle.h"

#include <algorithm>
#include <charconv>
#include <sstream>

namespace wuzi {

namespace {

bool readCells(std::istringstream& in, std::vector<Cell>& cells, bool stopAtSlash) {
    std::string word;
    while (in >> word) {
        if (word == "/") return stopAtSlash;
        Cell c = CellOfName(word);
        if (isNoCell(c)) return false;
        cells.push_back(c);
    }
    return !stopAtSlash;
}

bool distinct(std::vector<Cell> cells) {
    std::sort(cells.begin(), cells.end(),
              [](Cell a, Cell b) { return a.y != b.y ? a.y < b.y : a.x < b.x; });
    return std::adjacent_find(cells.begin(), cells.end()) == cells.end();
}

} // namespace

Cell CellOfName(std::string_view name) {
    if (name.size() < 2 || name[0] < 'A' || name[0] > 'O') return {};
    int row = 0;
    auto [end, error] = std::from_chars(name.data() + 1, name.data() + name.size(), row);
    if (error != std::errc() || end != name.data() + name.size() || row < 1 || row > kBoardSize)
        return {};
    // Rows count from the bottom, as around the board.
    return {name[0] - 'A' + 1, kBoardSize + 1 - row};
}

std::vector<Puzzle> ReadPuzzles(std::string_view text, PuzzleLevel level) {
    std::vector<Puzzle> puzzles;
    std::istringstream lines{std::string(text)};
    std::string line;
    while (std::getline(lines, line)) {
        if (line.empty() || line[0] == '#') continue;
        std::istringstream in(line);
        Puzzle p;
        p.level = level;
        if (!(in >> p.id >> p.moves) || p.moves < 1) continue;
        if (!readCells(in, p.stones, true) || !readCells(in, p.line, false)) continue;
        if (p.line.empty() || !distinct(p.stones)) continue;
        puzzles.push_back(std::move(p));
    }
    return puzzles;
}

} // namespace wuzi
