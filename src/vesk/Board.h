#pragma once

#include "vesk/Pattern.h"
#include "vesk/Types.h"

#include <array>
#include <cstdint>
#include <vector>

namespace vesk {

// The padded board. Every stone played or taken back updates, for each empty cell within
// four steps along a line, its line keys, its line patterns and their combination for
// both colours, and the counts of each pattern over the board that the evaluation
// reads. Black moves first; the side to move follows from the number of stones.
class Board {
  public:
    Board();

    void play(Pos p);
    void undo();

    Stone at(Pos p) const { return cells_[p]; }
    bool isEmpty(Pos p) const { return cells_[p] == kEmpty; }
    Color sideToMove() const { return static_cast<Color>(moves_.size() & 1); }
    int moveCount() const { return static_cast<int>(moves_.size()); }
    bool full() const { return moves_.size() == static_cast<std::size_t>(kSize * kSize); }
    const std::vector<Pos>& moves() const { return moves_; }
    Pos lastMove() const { return moves_.empty() ? kNoPos : moves_.back(); }
    std::uint64_t hash() const { return hash_; }
    // Every stone ever played on this board, taken back or not: a search's trial stones
    // are the growth of this count.
    long stonesPlayed() const { return stonesPlayed_; }

    // Patterns of an empty cell for a stone of colour c.
    Pattern pattern(Pos p, Color c, int dir) const { return patternOf(patternKeys_[p][c], dir); }
    Pattern4 pattern4(Pos p, Color c) const { return pattern4_[p][c]; }
    // Over all empty cells: line patterns counted once per direction, combinations once.
    int patternCount(Color c, Pattern pattern) const { return patternCounts_[c][pattern]; }
    int pattern4Count(Color c, Pattern4 p4) const { return pattern4Counts_[c][p4]; }
    // Empty cells where colour c would make five, an open four or two fours.
    bool hasFivePoint(Color c) const { return pattern4Counts_[c][kFiveAny] > 0; }
    bool hasFlex4Point(Color c) const { return pattern4Counts_[c][kFlex4Any] > 0; }

    // Some stone lies within two steps (king moves) of p.
    bool nearStones(Pos p) const { return near_[p] > 0; }

    // The 225 board cells, row by row.
    static const std::array<Pos, kSize * kSize>& cells();

  private:
    void refresh(Pos p);
    void account(Pos p, int sign);
    void touchNeighbours(Pos p, Stone s, bool placing);
    void updateLine(Pos q, int d);

    const std::uint8_t* lineTable_ = linePatternTable();
    const Pattern4* comboTable_ = combineTable();
    std::array<Stone, kArea> cells_{};
    std::array<std::array<LineKey, kDirections>, kArea> keys_{};
    std::array<std::array<PatternKey, 2>, kArea> patternKeys_{};
    std::array<std::array<Pattern4, 2>, kArea> pattern4_{};
    std::array<std::uint8_t, kArea> near_{};
    std::array<std::array<int, kPatternCount>, 2> patternCounts_{};
    std::array<std::array<int, kPattern4Count>, 2> pattern4Counts_{};
    std::vector<Pos> moves_;
    std::uint64_t hash_ = 0;
    long stonesPlayed_ = 0;
};

// A trial stone: played on construction, taken back on destruction.
class TrialStone {
  public:
    TrialStone(Board& board, Pos p) : board_(board) { board_.play(p); }
    ~TrialStone() { board_.undo(); }
    TrialStone(const TrialStone&) = delete;
    TrialStone& operator=(const TrialStone&) = delete;

  private:
    Board& board_;
};

// Zobrist keys: one random number per cell and colour.
std::uint64_t zobrist(Pos p, Color c);

} // namespace vesk
