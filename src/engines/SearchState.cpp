#include "engines/SearchState.h"

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

} // namespace wuzi
