#include "Board.h"

namespace bookgen {

namespace {

// Fixed Zobrist keys: the generator must give the same book on every run.
struct Keys {
    std::array<std::array<std::uint64_t, kArea>, 2> of{};
    Keys() {
        std::uint64_t state = 0x9E3779B97F4A7C15ULL;
        for (auto& side : of)
            for (auto& key : side) {
                state += 0x9E3779B97F4A7C15ULL;
                std::uint64_t z = state;
                z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
                z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
                key = z ^ (z >> 31);
            }
    }
};

const Keys& keys() {
    static const Keys k;
    return k;
}

// The bit position of offset k (-4..4, not 0) in a line code.
int shiftOf(int k) {
    return 2 * (7 - (k < 0 ? k + 4 : k + 3));
}

} // namespace

const std::array<int, wuzi::kCellCount>& boardIndices() {
    static const auto indices = [] {
        std::array<int, wuzi::kCellCount> out{};
        int n = 0;
        for (int y = 1; y <= wuzi::kBoardSize; ++y)
            for (int x = 1; x <= wuzi::kBoardSize; ++x)
                out[n++] = indexOf(x, y);
        return out;
    }();
    return indices;
}

Board::Board() {
    cells_.fill(kWall);
    for (int i : boardIndices())
        cells_[i] = kNone;
    for (int i : boardIndices())
        for (int d = 0; d < 4; ++d) {
            std::uint16_t c = 0;
            for (int k = -4; k <= 4; ++k)
                if (k != 0 && cells_[i + k * kSteps[d]] == kWall) c |= 2 << shiftOf(k);
            codes_[0][d][i] = codes_[1][d][i] = c;
        }
}

void Board::code(int i, Stone s, bool placed) {
    for (int d = 0; d < 4; ++d)
        for (int k = -4; k <= 4; ++k) {
            if (k == 0) continue;
            int j = i - k * kSteps[d];
            int shift = shiftOf(k);
            auto mask = static_cast<std::uint16_t>(~(3 << shift));
            std::uint16_t& own = codes_[s - 1][d][j];
            std::uint16_t& other = codes_[2 - s][d][j];
            own = static_cast<std::uint16_t>((own & mask) | (placed ? 1 << shift : 0));
            other = static_cast<std::uint16_t>((other & mask) | (placed ? 2 << shift : 0));
        }
}

void Board::count(int i, Stone s, int delta) {
    for (int dy = -2; dy <= 2; ++dy)
        for (int dx = -2; dx <= 2; ++dx)
            near_[s - 1][i + dy * kWidth + dx] += delta;
}

void Board::place(int i, Stone s) {
    cells_[i] = s;
    count(i, s, 1);
    code(i, s, true);
    hash_ ^= keys().of[s - 1][i];
    ++stones_;
}

void Board::remove(int i) {
    Stone s = at(i);
    cells_[i] = kNone;
    count(i, s, -1);
    code(i, s, false);
    hash_ ^= keys().of[s - 1][i];
    --stones_;
}

} // namespace bookgen
