#pragma once

#include <array>
#include <cstdint>

namespace wuzi {

// Codes of the search engine's own board: note the opposite numbering from BoardCells.
inline constexpr std::uint8_t kEngineEmpty = 0;
inline constexpr std::uint8_t kEnginePlayer = 1;
inline constexpr std::uint8_t kEngineComputer = 2;

// One entry of EngineCells: a cell number (row * 15 + column) and its state.
struct EngineCell {
    std::int16_t cell = 0;
    std::int16_t state = 0;
};

// The board, cell list and score of the look-ahead search of opponent 3.
struct SearchState {
    std::array<std::array<std::uint8_t, 15>, 15> EngineBoard{}; // [row][column], 0-based
    std::array<EngineCell, 225> EngineCells{};                  // centre first
    std::int32_t EngineEval = 0;
    std::array<std::int32_t, 6> WindowScore{};
    // The player's stone has been handed to the engine; True until the reply is placed.
    bool MoveSignal = false;

    // EngineCells position of a cell number.
    int positionOf(int cellNumber) const;
    // Records a stone on the engine's board and in its cell list (no change to EngineEval).
    void record(int row, int column, std::uint8_t side);
};

} // namespace wuzi
