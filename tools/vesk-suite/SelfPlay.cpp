#include "SelfPlay.h"

#include <algorithm>

namespace {

wuzi::Cell cellOf(int c) {
    return {c % LineGrid::kSize + 1, c / LineGrid::kSize + 1};
}

int indexOf(wuzi::Cell c) {
    return (c.y - 1) * LineGrid::kSize + c.x - 1;
}

vesk::ThinkResult think(vesk::Engine& player, const std::vector<int>& stones) {
    std::vector<wuzi::Cell> cells;
    for (int c : stones)
        cells.push_back(cellOf(c));
    player.setPosition(cells);
    vesk::ThinkLimits limits;
    limits.nodes = 4000;
    limits.vctNodes = 5000;
    if (stones.size() < 10) limits.depth = 3, limits.randomness = 80;
    return player.think(limits);
}

int weight(const LineGrid& grid, int cell) {
    constexpr int kRoadWeight[4] = {0, 1, 4, 16};
    int sum = 0;
    for (int side = 0; side < 2; ++side)
        for (int n = 1; n < 4; ++n)
            sum += kRoadWeight[n] * grid.roads(cell, side, n);
    return sum;
}

} // namespace

std::vector<int> playGame(vesk::Engine& player, std::mt19937& random, int most) {
    std::uniform_int_distribution<int> near(-2, 2);
    constexpr int centre = LineGrid::kSize / 2;
    int bx = centre + near(random), by = centre + near(random);
    int wx = bx + near(random), wy = by + near(random);
    if (wx == bx && wy == by) ++wx;
    std::vector<int> stones{by * LineGrid::kSize + bx, wy * LineGrid::kSize + wx};
    player.newGame();
    while (static_cast<int>(stones.size()) < most) {
        vesk::ThinkResult r = think(player, stones);
        if (wuzi::isNoCell(r.move)) break;
        stones.push_back(indexOf(r.move));
        if (r.winningPlies() == 1) break;
    }
    return stones;
}

std::vector<int> otherMoves(const LineGrid& grid, int most) {
    std::vector<std::pair<int, int>> scored; // weight, cell
    for (int c = 0; c < LineGrid::kCells; ++c)
        if (grid.isEmpty(c)) scored.push_back({-weight(grid, c), c});
    std::sort(scored.begin(), scored.end());
    std::vector<int> moves;
    for (std::size_t i = 0; i < scored.size() && static_cast<int>(i) < most; ++i)
        moves.push_back(scored[i].second);
    return moves;
}
