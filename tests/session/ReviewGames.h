#pragma once

#include "rules/GameRecord.h"
#include "session/Coordinates.h"

#include <sstream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace wuzi::test {

// A game written as its moves in board coordinates, black first: "H8 G8 I8".
inline GameRecord Game(std::string_view moves) {
    GameRecord record;
    std::istringstream words{std::string(moves)};
    for (std::string word; words >> word;) {
        auto cell = ParseCoordinate(word);
        if (!cell) throw std::invalid_argument("not a cell: " + word);
        record.moves.push_back(*cell);
    }
    return record;
}

// The stones after the first `count` moves, in `rows` rows of `columns` cells from the
// cell named `topLeft`: 'X' black, 'O' white, '.' empty.
inline std::vector<std::string> Drawn(const GameRecord& game, std::size_t count,
                                      std::string_view topLeft, int columns, int rows) {
    ColourBoard board = BoardAfter(game, count);
    Cell corner = ParseCoordinate(topLeft).value();
    std::vector<std::string> picture;
    for (int y = corner.y; y < corner.y + rows; ++y) {
        std::string row;
        for (int x = corner.x; x < corner.x + columns; ++x) {
            std::int16_t stone = at(board, {x, y});
            row += stone == kBlackStone ? 'X' : stone == kWhiteStone ? 'O' : '.';
        }
        picture.push_back(row);
    }
    return picture;
}

} // namespace wuzi::test
