#pragma once

#include "rules/Types.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace wuzi {

struct GameState;

// A game as its moves were played, whoever played them: black has moves 1, 3, 5, ...
// and white moves 2, 4, 6, ...
struct GameRecord {
    std::vector<Cell> moves;
    friend bool operator==(const GameRecord&, const GameRecord&) = default;
};

inline bool isBlackMove(std::size_t index) {
    return index % 2 == 0;
} // 0-based index

// The moves of a game, read from both histories: the side that moved first and the
// other take turns.
GameRecord RecordOf(const GameState& g);

// A board of colours rather than sides.
inline constexpr std::int16_t kBlackStone = 1;
inline constexpr std::int16_t kWhiteStone = 2;
using ColourBoard = std::array<std::int16_t, kCellCount>;

inline std::int16_t& at(ColourBoard& b, Cell c) {
    return b[(c.y - 1) * kBoardSize + (c.x - 1)];
}
inline std::int16_t at(const ColourBoard& b, Cell c) {
    return b[(c.y - 1) * kBoardSize + (c.x - 1)];
}

// The position after the first `count` moves of a record (all of them when count is
// larger). The moves must lie on the board on distinct cells.
ColourBoard BoardAfter(const GameRecord& record, std::size_t count);

} // namespace wuzi
