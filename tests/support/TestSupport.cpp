#include "support/TestSupport.h"

#include <algorithm>
#include <stdexcept>

namespace wuzi::test {

namespace {

void moveToEnd(std::vector<Cell>& history, Cell c) {
    auto it = std::find(history.begin(), history.end(), c);
    if (it == history.end()) throw std::invalid_argument("newestLast names no stone");
    history.erase(it);
    history.push_back(c);
}

} // namespace

void SetPosition(Game& g, const std::vector<std::string>& picture, Cell topLeft,
                 const std::vector<Cell>& newestLast) {
    g.BoardCells.fill(kEmpty);
    g.playerStones.clear();
    g.compStones.clear();
    for (std::size_t row = 0; row < picture.size(); ++row) {
        int column = 0;
        for (char ch : picture[row]) {
            if (ch == ' ') continue;
            int x = topLeft.x + column++, y = topLeft.y + static_cast<int>(row);
            if (ch == '.') continue;
            if (!onBoard(x, y)) throw std::invalid_argument("picture runs off the board");
            if (ch == 'X') {
                g.setCell(x, y, kComputer);
                g.compStones.push_back({x, y});
            } else if (ch == 'O') {
                g.setCell(x, y, kPlayer);
                g.playerStones.push_back({x, y});
            } else {
                throw std::invalid_argument(std::string("unknown picture character ") + ch);
            }
        }
    }
    for (Cell c : newestLast) {
        if (g.cell(c.x, c.y) == kComputer)
            moveToEnd(g.compStones, c);
        else
            moveToEnd(g.playerStones, c);
    }
    g.PlayerMoveNo = static_cast<int>(g.playerStones.size()) + 1;
    g.CompMoveNo = static_cast<int>(g.compStones.size()) + 1;
}

std::string Picture(const Game& g) {
    std::string out;
    for (int y = 1; y <= kBoardSize; ++y) {
        for (int x = 1; x <= kBoardSize; ++x) {
            int c = g.cell(x, y);
            out += c == kComputer ? 'X' : c == kPlayer ? 'O' : '.';
            out += x < kBoardSize ? " " : "\n";
        }
    }
    return out;
}

::testing::AssertionResult BoardMatchesHistories(const Game& g) {
    std::array<int, kCellCount> fromHistory{};
    auto mark = [&](const std::vector<Cell>& history, int side) -> std::string {
        for (Cell c : history) {
            if (!onBoard(c)) return "a stone of the histories lies off the board";
            int& slot = fromHistory[(c.y - 1) * kBoardSize + (c.x - 1)];
            if (slot != 0) return "two stones of the histories share a cell";
            slot = side;
        }
        return "";
    };
    for (auto problem : {mark(g.playerStones, kPlayer), mark(g.compStones, kComputer)})
        if (!problem.empty()) return ::testing::AssertionFailure() << problem;
    for (int i = 0; i < kCellCount; ++i)
        if (fromHistory[i] != g.BoardCells[i])
            return ::testing::AssertionFailure() << "cell " << i << " differs from the histories\n"
                                                 << Picture(g);
    if (g.PlayerMoveNo != static_cast<int>(g.playerStones.size()) + 1 ||
        g.CompMoveNo != static_cast<int>(g.compStones.size()) + 1)
        return ::testing::AssertionFailure() << "move counters differ from the histories";
    return ::testing::AssertionSuccess();
}

} // namespace wuzi::test
