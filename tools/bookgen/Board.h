#pragma once

#include "rules/Types.h"

#include <array>
#include <cstdint>

// The book generator's own board: a padded 15 x 15 array, so that every cell within
// four steps of a board cell can be read without bounds checks.
namespace bookgen {

enum Stone : std::uint8_t { kNone = 0, kComp = 1, kPlayer = 2, kWall = 3 };

constexpr Stone opponent(Stone s) {
    return s == kComp ? kPlayer : kComp;
}

inline constexpr int kPad = 4;
inline constexpr int kWidth = wuzi::kBoardSize + 2 * kPad;
inline constexpr int kArea = kWidth * kWidth;

// Index steps of the four line directions: horizontal, vertical, two diagonals.
inline constexpr int kSteps[4] = {1, kWidth, kWidth + 1, kWidth - 1};

constexpr int indexOf(int x, int y) {
    return (y - 1 + kPad) * kWidth + (x - 1 + kPad);
}
constexpr wuzi::Cell cellOf(int index) {
    return {index % kWidth - kPad + 1, index / kWidth - kPad + 1};
}

// The 225 indices of the board, row by row.
const std::array<int, wuzi::kCellCount>& boardIndices();

class Board {
  public:
    Board();

    Stone at(int i) const { return static_cast<Stone>(cells_[i]); }
    bool empty(int i) const { return cells_[i] == kNone; }
    void place(int i, Stone s);
    void remove(int i);

    // The eight cells around i along direction d, seen by side s: two bits each, from
    // four steps back to four steps forward, 0 empty, 1 own, 2 the opponent's or off
    // the board. Kept up to date by place() and remove().
    std::uint16_t lineCode(int i, Stone s, int d) const { return codes_[s - 1][d][i]; }

    // Some stone of `s` lies within two steps (king moves) of i.
    bool near(int i, Stone s) const { return near_[s - 1][i] > 0; }
    bool nearAny(int i) const { return near_[0][i] > 0 || near_[1][i] > 0; }

    std::uint64_t hash() const { return hash_; }
    int stones() const { return stones_; }

  private:
    void count(int i, Stone s, int delta);
    void code(int i, Stone s, bool placed);

    std::array<std::uint8_t, kArea> cells_{};
    std::array<std::array<std::uint8_t, kArea>, 2> near_{};
    std::array<std::array<std::array<std::uint16_t, kArea>, 4>, 2> codes_{};
    std::uint64_t hash_ = 0;
    int stones_ = 0;
};

// A stone placed for the length of a scope.
class TrialStone {
  public:
    TrialStone(Board& b, int i, Stone s) : board_(b), index_(i) { b.place(i, s); }
    ~TrialStone() { board_.remove(index_); }
    TrialStone(const TrialStone&) = delete;
    TrialStone& operator=(const TrialStone&) = delete;

  private:
    Board& board_;
    int index_;
};

} // namespace bookgen
