#pragma once

#include "vesk/CellSet.h"
#include "vesk/CellTable.h"
#include "vesk/Pattern.h"
#include "vesk/Types.h"

#include <array>
#include <cstdint>
#include <vector>

namespace vesk {

// Where a colour's strongest threats are: the empty cells whose combination of line
// patterns reaches a kind.
enum PointKind : std::uint8_t {
    kFivePoint,  // makes five
    kFlex4Point, // makes an open four or two fours
    kFourPoint,  // makes one four (kBlock4One..kBlock4Flex3)
    kThreePoint, // makes an open three (kFlex3One..kFlex3Double)
    kPointKinds
};

// The padded board. Every row, column and diagonal keeps one key, two bits a cell, so a
// stone is four writes; the empty cells within four steps of it along those lines then
// read their new line patterns from the keys and, with one more table read each, their
// combination, evaluation share and move-ordering score. The board keeps the sums of the
// evaluation shares, the cells of each colour's threats and the cells near the stones.
// Taking a stone back restores the values its play saved. Black moves first; the side to
// move follows from the number of stones.
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
    Pattern pattern(Pos p, Color c, int dir) const {
        return static_cast<Pattern>((cell_[p].line[dir] >> (4 * c)) & 0xF);
    }
    Pattern4 pattern4(Pos p, Color c) const { return cell_[p].p4[c]; }
    Combo combo(Pos p, Color c) const { return cell_[p].combo[c]; }
    // The eight cells around p along direction dir.
    LineKey lineKey(Pos p, int dir) const;
    // How much a stone of the side to move on the empty cell p does for it and against
    // the other side.
    int orderScore(Pos p) const {
        Color me = sideToMove();
        return table_[cell_[p].combo[me]].order[0] + table_[cell_[p].combo[!me]].order[1];
    }

    // Empty cells where colour c would make a threat of the kind.
    const CellSet& points(Color c, PointKind kind) const { return points_[c][kind]; }
    // Over all empty cells: how many hold each combination for colour c.
    int pattern4Count(Color c, Pattern4 p4) const { return pattern4Counts_[c][p4]; }
    bool hasFivePoint(Color c) const { return pattern4Counts_[c][kFiveAny] > 0; }
    bool hasFlex4Point(Color c) const { return pattern4Counts_[c][kFlex4Any] > 0; }
    bool hasFourPoint(Color c) const { return !points_[c][kFourPoint].empty(); }

    // The sum over empty cells of what they are worth to colour c, as the side to move
    // (side 0) or the other (side 1).
    int valueSum(Color c, int side) const { return valueSums_[c][side]; }

    // Some stone lies within two steps (king moves) of p.
    bool nearStones(Pos p) const { return near_.contains(p); }
    // The empty cells near the stones.
    CellSet nearEmpty() const { return near_ & empty_; }

    // The 225 board cells, row by row.
    static const std::array<Pos, kSize * kSize>& cells();

    // Rows, columns and the diagonals of both directions.
    static constexpr int kLineCount = 2 * kSize + 2 * (2 * kSize - 1);

  private:
    // What the board knows of an empty cell.
    struct CellState {
        std::array<std::uint8_t, kDirections> line{}; // black's in the low four bits
        std::array<Combo, 2> combo{};
        std::array<Pattern4, 2> p4{};
    };
    struct Saved {
        Pos pos;
        CellState state;
    };
    // What a stone's play changed besides the saved cells, as it was before.
    struct Frame {
        CellSet near;
        std::array<std::array<int, 2>, 2> valueSums;
        std::array<std::array<std::int16_t, kPattern4Count>, 2> pattern4Counts;
        std::uint32_t firstSaved;
    };

    void account(Pos q, int sign);
    void markPoints(Pos q, Color c, Pattern4 was, Pattern4 is);
    void shiftCombo(Pos q, Color c, int delta);

    const CellInfo* table_ = cellTable();
    const std::uint8_t* lineTable_ = linePatternTable();
    std::array<Stone, kArea> cells_{};
    std::array<CellState, kArea> cell_{};
    std::array<std::uint64_t, kLineCount> lines_{};
    std::array<std::array<CellSet, kPointKinds>, 2> points_{};
    std::array<std::array<std::int16_t, kPattern4Count>, 2> pattern4Counts_{};
    std::array<std::array<int, 2>, 2> valueSums_{};
    CellSet near_;
    CellSet empty_;
    std::vector<Pos> moves_;
    std::vector<Frame> frames_; // one for each stone on the board
    std::vector<Saved> saved_;  // a stack, savedCount_ high
    std::uint32_t savedCount_ = 0;
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
