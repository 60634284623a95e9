#include "engines/SearchState.h"

#include <algorithm>
#include <cstdlib>

namespace wuzi {

int SearchState::positionOf(int cellNumber) const {
    for (int i = 0; i < 225; ++i)
        if (EngineCells[i].cell == cellNumber) return i;
    return -1;
}

void SearchState::record(int row, int column, std::uint8_t side) {
    EngineBoard[row][column] = side;
    EngineCells[positionOf(row * 15 + column)].state = side;
}

void EngineInit(SearchState& s) {
    s.WindowScore = {0, 1, 11, 111, 1111, 11111};
    std::array<int, 225> order{};
    for (int i = 0; i < 225; ++i) order[i] = i;
    auto key = [](int cell) {
        int row = cell / 15, column = cell % 15;
        return (std::abs(column - 7) + 1) * (std::abs(row - 7) + 1);
    };
    // Equal keys keep row-major insertion order.
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return key(a) < key(b); });
    for (int i = 0; i < 225; ++i) s.EngineCells[i] = {static_cast<std::int16_t>(order[i]), 0};
    for (auto& row : s.EngineBoard) row.fill(kEngineEmpty);
    s.EngineEval = 0;
    s.MoveSignal = false;
}

} // namespace wuzi
