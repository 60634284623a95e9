#include "core/Game.h"

#include "core/Fault.h"

#include <cmath>

namespace wuzi {

namespace {
int roundHalfEven(float v) { return static_cast<int>(std::nearbyint(v)); }
} // namespace

Cell StonePicture::cell() const {
    return {roundHalfEven((left - 5) / 21 + 1), roundHalfEven((top - 5) / 20 + 1)};
}

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

float compStoneLeft(int x) { return static_cast<float>(21 * (x - 1) + 6); }
float compStoneTop(int y) { return static_cast<float>(20 * (y - 1) + 4); }
float playerStoneTop(int y) { return static_cast<float>(20 * (y - 1) + 5); }

} // namespace wuzi
