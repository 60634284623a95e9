#include "rules/Game.h"

#include "rules/Fault.h"

namespace wuzi {

int GameState::cell(int x, int y) const {
    if (!onBoard(x, y)) throw Fault("下标越界");
    return BoardCells[(y - 1) * kBoardSize + (x - 1)];
}

void GameState::setCell(int x, int y, int code) {
    if (!onBoard(x, y)) throw Fault("下标越界");
    BoardCells[(y - 1) * kBoardSize + (x - 1)] = static_cast<std::int16_t>(code);
}

bool GameState::boardFull() const {
    for (auto c : BoardCells)
        if (c == kEmpty) return false;
    return true;
}

} // namespace wuzi
