#pragma once

#include "rules/Types.h"

#include <cstdint>

// Vesk's vocabulary: colours, the padded cell index and the score scale.
namespace vesk {

enum Color : std::uint8_t { kBlack = 0, kWhite = 1 };

constexpr Color opposite(Color c) {
    return c == kBlack ? kWhite : kBlack;
}

// What a padded cell holds; the two colours keep their Color numbers plus one.
enum Stone : std::uint8_t { kEmpty = 0, kBlackStone = 1, kWhiteStone = 2, kWall = 3 };

constexpr Stone stoneOf(Color c) {
    return static_cast<Stone>(c + 1);
}

// The board is padded by four walls on every side, so that a line window of four cells
// each way never leaves the array. Rows share their side padding: a row's right pad is
// the next row's left pad.
inline constexpr int kSize = wuzi::kBoardSize;
inline constexpr int kPad = 4;
inline constexpr int kStride = kSize + kPad;
inline constexpr int kArea = (kSize + 2 * kPad + 1) * kStride;

// A cell's index in the padded array; kNoPos names no cell.
using Pos = std::int16_t;
inline constexpr Pos kNoPos = 0;

// Index steps of the four line directions: across, down, and the two diagonals.
inline constexpr int kDirections = 4;
inline constexpr int kStep[kDirections] = {1, kStride, kStride + 1, kStride - 1};

// 0-based column x and row y.
constexpr Pos toPos(int x, int y) {
    return static_cast<Pos>((y + kPad) * kStride + x + kPad);
}
constexpr int posX(Pos p) {
    return p % kStride - kPad;
}
constexpr int posY(Pos p) {
    return p / kStride - kPad;
}
constexpr bool onBoard(int x, int y) {
    return x >= 0 && x < kSize && y >= 0 && y < kSize;
}
constexpr wuzi::Cell toCell(Pos p) {
    return {posX(p) + 1, posY(p) + 1};
}
constexpr Pos fromCell(wuzi::Cell c) {
    return toPos(c.x - 1, c.y - 1);
}

// Scores are from the side to move's view. A forced five is worth kMate less the plies
// from the root up to and including the five, so shorter wins score higher.
using Score = int;
inline constexpr Score kMate = 30000;
inline constexpr Score kMateBound = kMate - 1000;
inline constexpr Score kInfinity = kMate + 1;
inline constexpr int kMaxPly = 128;

constexpr Score mateIn(int plies) {
    return kMate - plies;
}
constexpr Score matedIn(int plies) {
    return -kMate + plies;
}
constexpr bool isMateScore(Score s) {
    return s >= kMateBound || s <= -kMateBound;
}

} // namespace vesk
