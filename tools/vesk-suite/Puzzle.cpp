#include "Puzzle.h"

#include <algorithm>

const std::array<PuzzleLevel, 4>& puzzleLevels() {
    static const std::array<PuzzleLevel, 4> levels{{
        {"fours-3.txt", "f3", true, 3, 3},
        {"fours-5.txt", "f5", true, 5, 6},
        {"threats-3.txt", "t3", false, 3, 3},
        {"threats-4.txt", "t4", false, 4, 6},
    }};
    return levels;
}

const PuzzleLevel* levelOfName(const std::string& name) {
    for (const PuzzleLevel& level : puzzleLevels())
        if (name.substr(0, name.find('-')) == level.prefix) return &level;
    return nullptr;
}

std::string puzzleName(const PuzzleLevel& level, int index) {
    std::string number = std::to_string(index + 1);
    return std::string(level.prefix) + "-" +
           std::string(3 - std::min<std::size_t>(3, number.size()), '0') + number;
}
