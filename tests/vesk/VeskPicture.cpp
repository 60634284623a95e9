#include "VeskPicture.h"

namespace vesk::test {

namespace {

std::vector<wuzi::Cell> cellsOf(const Picture& picture, char mark) {
    std::vector<wuzi::Cell> cells;
    for (std::size_t r = 0; r < picture.rows.size(); ++r)
        for (std::size_t c = 0; c < picture.rows[r].size(); ++c)
            if (picture.rows[r][c] == mark)
                cells.push_back({picture.left + static_cast<int>(c) + 1,
                                 picture.top + static_cast<int>(r) + 1});
    return cells;
}

} // namespace

std::vector<wuzi::Cell> stonesOf(const Picture& picture) {
    std::vector<wuzi::Cell> black = cellsOf(picture, 'X');
    std::vector<wuzi::Cell> white = cellsOf(picture, 'O');
    EXPECT_TRUE(black.size() == white.size() || black.size() == white.size() + 1)
        << "a picture needs as many X as O, or one more X";
    std::vector<wuzi::Cell> stones;
    for (std::size_t i = 0; i < black.size(); ++i) {
        stones.push_back(black[i]);
        if (i < white.size()) stones.push_back(white[i]);
    }
    return stones;
}

Board boardOf(const Picture& picture) {
    Board b;
    for (wuzi::Cell c : stonesOf(picture))
        b.play(fromCell(c));
    return b;
}

Pos markedCell(const Picture& picture) {
    std::vector<wuzi::Cell> marked = cellsOf(picture, '*');
    EXPECT_EQ(marked.size(), 1u) << "a picture marks one cell with '*'";
    return marked.empty() ? kNoPos : fromCell(marked.front());
}

std::string draw(const Board& b) {
    std::string text = "\n";
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            Stone s = b.at(toPos(x, y));
            text += s == kBlackStone ? 'X' : s == kWhiteStone ? 'O' : '.';
        }
        text += '\n';
    }
    return text;
}

} // namespace vesk::test
