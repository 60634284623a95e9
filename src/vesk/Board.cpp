#include "vesk/Board.h"

namespace vesk {

namespace {

struct Zobrist {
    std::array<std::array<std::uint64_t, 2>, kArea> keys{};
    Zobrist() {
        std::uint64_t state = 0x9E3779B97F4A7C15ULL;
        for (auto& cell : keys)
            for (auto& key : cell) {
                // splitmix64
                std::uint64_t z = (state += 0x9E3779B97F4A7C15ULL);
                z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
                z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
                key = z ^ (z >> 31);
            }
    }
};

const Zobrist& zobristTable() {
    static const Zobrist z;
    return z;
}

std::array<Pos, kSize * kSize> listCells() {
    std::array<Pos, kSize * kSize> list{};
    for (int y = 0; y < kSize; ++y)
        for (int x = 0; x < kSize; ++x)
            list[y * kSize + x] = toPos(x, y);
    return list;
}

} // namespace

std::uint64_t zobrist(Pos p, Color c) {
    return zobristTable().keys[p][c];
}

const std::array<Pos, kSize * kSize>& Board::cells() {
    static const std::array<Pos, kSize* kSize> list = listCells();
    return list;
}

Board::Board() {
    cells_.fill(kWall);
    for (Pos p : cells())
        cells_[p] = kEmpty;
    for (Pos p : cells()) {
        for (int d = 0; d < kDirections; ++d) {
            LineKey key = 0;
            for (int offset = -4; offset <= 4; ++offset)
                if (offset != 0)
                    key |= static_cast<LineKey>(cells_[p + offset * kStep[d]]
                                                << (2 * keySlot(offset)));
            keys_[p][d] = key;
        }
        refresh(p);
        account(p, +1);
    }
    moves_.reserve(kSize * kSize);
}

void Board::play(Pos p) {
    Color c = sideToMove();
    account(p, -1);
    cells_[p] = stoneOf(c);
    hash_ ^= zobrist(p, c);
    moves_.push_back(p);
    ++stonesPlayed_;
    touchNeighbours(p, stoneOf(c), true);
}

void Board::undo() {
    Pos p = moves_.back();
    Stone s = cells_[p];
    moves_.pop_back();
    hash_ ^= zobrist(p, static_cast<Color>(s - 1));
    cells_[p] = kEmpty;
    touchNeighbours(p, s, false);
    refresh(p);
    account(p, +1);
}

void Board::touchNeighbours(Pos p, Stone s, bool placing) {
    for (int d = 0; d < kDirections; ++d) {
        for (int i = -4; i <= 4; ++i) {
            if (i == 0) continue;
            Pos q = static_cast<Pos>(p + i * kStep[d]);
            // q sees p at offset -i.
            LineKey mask = static_cast<LineKey>(3 << (2 * keySlot(-i)));
            LineKey bits = static_cast<LineKey>(s << (2 * keySlot(-i)));
            keys_[q][d] = placing ? keys_[q][d] | bits : keys_[q][d] & ~mask;
            if (cells_[q] == kEmpty) updateLine(q, d);
        }
    }
    int delta = placing ? 1 : -1;
    for (int dy = -2; dy <= 2; ++dy)
        for (int dx = -2; dx <= 2; ++dx)
            near_[p + dy * kStride + dx] += delta;
}

void Board::updateLine(Pos q, int d) {
    std::uint8_t both = lineTable_[keys_[q][d]];
    for (int c = 0; c < 2; ++c) {
        PatternKey& key = patternKeys_[q][c];
        Pattern before = patternOf(key, d);
        Pattern now = static_cast<Pattern>((both >> (4 * c)) & 0xF);
        if (before == now) continue;
        --patternCounts_[c][before];
        ++patternCounts_[c][now];
        key = static_cast<PatternKey>((key & ~(0xF << (4 * d))) | now << (4 * d));
        Pattern4 p4 = comboTable_[key];
        --pattern4Counts_[c][pattern4_[q][c]];
        ++pattern4Counts_[c][p4];
        pattern4_[q][c] = p4;
    }
}

void Board::refresh(Pos p) {
    for (int c = 0; c < 2; ++c) {
        PatternKey key = 0;
        for (int d = 0; d < kDirections; ++d)
            key |=
                static_cast<PatternKey>(linePattern(keys_[p][d], static_cast<Color>(c)) << (4 * d));
        patternKeys_[p][c] = key;
        pattern4_[p][c] = combine(key);
    }
}

void Board::account(Pos p, int sign) {
    for (int c = 0; c < 2; ++c) {
        for (int d = 0; d < kDirections; ++d)
            patternCounts_[c][pattern(p, static_cast<Color>(c), d)] += sign;
        pattern4Counts_[c][pattern4_[p][c]] += sign;
    }
}

} // namespace vesk
