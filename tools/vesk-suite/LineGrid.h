#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <vector>

// The board of the long-win search, written apart from the engine: a plain 15 x 15 grid
// that counts, for every window of five cells in a line, the stones of each side in it.
// A window holding only one side's stones is that side's road to five; every empty cell
// keeps how many roads of each fullness pass through it, so the questions of the threat
// game ("does this stone make a four?", "where would five be?") are table reads.
//
// Cells are x + 15 y, 0-based; sides are 0 (black) and 1 (white).
class LineGrid {
  public:
    static constexpr int kSize = 15;
    static constexpr int kCells = kSize * kSize;
    static constexpr int kWindows = 572;
    static constexpr int kEmpty = -1;

    LineGrid();

    void place(int cell, int side);
    void lift(int cell);

    int at(int cell) const { return stones_[cell]; }
    bool isEmpty(int cell) const { return stones_[cell] == kEmpty; }
    // Black moves first, so the count of stones says whose turn it is.
    int sideToMove() const { return stoneCount_ % 2; }
    std::uint64_t hash() const { return hash_; }

    // The empty `cell` would give `side` five or more in a row.
    bool makesFive(int cell, int side) const { return roads_[side][cell][4] > 0; }
    // A stone of `side` on the empty `cell` would leave a cell of five.
    bool makesFour(int cell, int side) const { return roads_[side][cell][3] > 0; }
    // Roads of `side` through the empty `cell` that hold `stones` of its stones.
    int roads(int cell, int side, int stones) const { return roads_[side][cell][stones]; }
    // Stones of `side` in a window.
    int inWindow(int window, int side) const { return counts_[window][side]; }

    bool hasFiveCell(int side) const { return fiveCells_[side] > 0; }
    int fiveCellCount(int side) const { return fiveCells_[side]; }
    std::vector<int> fiveCells(int side) const;
    // The cells of five that a stone of `side` on the empty `cell` would add, at most
    // `most` of them; returns how many it wrote.
    int fivesMadeBy(int cell, int side, int* out, int most) const;

    // The five cells of a window; the windows through a cell.
    static const std::array<int, 5>& windowCells(int window);
    static std::span<const int> windowsThrough(int cell);

  private:
    void bump(int side, int cell, int stones, int delta);
    void fill(int window, int cell, int side, int stones, int sign);
    void close(int window, int side, int stones, int sign);

    std::array<std::int8_t, kCells> stones_;
    std::array<std::array<std::uint8_t, 2>, kWindows> counts_{};
    // roads_[side][cell][n]: windows through the empty cell with n (1-4) stones of
    // `side` and none of the other.
    std::array<std::array<std::array<std::uint8_t, 5>, kCells>, 2> roads_{};
    // Empty cells of five, by side.
    std::array<int, 2> fiveCells_{};
    int stoneCount_ = 0;
    std::uint64_t hash_ = 0;
};

// The stones in the order played, black first.
LineGrid gridOf(const std::vector<int>& stones);
