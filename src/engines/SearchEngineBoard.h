#pragma once

// The board the fast search plays its trial stones on: window counts and, for every
// candidate in visiting order, the gain a stone of each side would bring.

#include "engines/SearchState.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cstdint>

namespace wuzi::search {

inline constexpr int kSize = 15;
inline constexpr int kCells = kSize * kSize;

// A window's stone counts as one code: player stones + 6 x computer stones.
inline constexpr int kCodeCount = 36;
inline constexpr int kPlayerStep = 1;
inline constexpr int kComputerStep = 6;
// Windows that would leave the board all share this slot; its code, five stones of
// each side, changes no gain whatever is played.
inline constexpr int kDeadWindow = 4 * kCells;
inline constexpr std::uint8_t kDeadCode = kCodeCount - 1;

// A window that a stone would complete to five adds this mark to the cell's gain:
// far above any sum of ordinary window gains (at most 20 x 1111).
inline constexpr std::int32_t kFiveMark = 1 << 20;

// The four lines through each cell: the cells at offsets -4..4 along the line (-1 off
// the board) and the five windows through the cell, window k covering offsets
// k - 4 .. k. A window is numbered by its line direction and first cell.
struct LineTopology {
    static constexpr int kSteps[4][2] = {{0, 1}, {1, 0}, {1, 1}, {1, -1}}; // (row, column)
    std::array<std::array<std::array<std::int16_t, 9>, 4>, kCells> cells{};
    std::array<std::array<std::array<std::int16_t, 5>, 4>, kCells> windows{};

    LineTopology() {
        for (int cell = 0; cell < kCells; ++cell)
            for (int d = 0; d < 4; ++d) {
                for (int m = 0; m < 9; ++m)
                    cells[cell][d][m] = cellAt(cell, d, m - 4);
                for (int k = 0; k < 5; ++k) {
                    int first = cellAt(cell, d, k - 4), last = cellAt(cell, d, k);
                    windows[cell][d][k] = static_cast<std::int16_t>(
                        first < 0 || last < 0 ? kDeadWindow : d * kCells + first);
                }
            }
    }
    static std::int16_t cellAt(int cell, int d, int offset) {
        int row = cell / kSize + offset * kSteps[d][0];
        int column = cell % kSize + offset * kSteps[d][1];
        bool on = row >= 0 && row < kSize && column >= 0 && column < kSize;
        return on ? static_cast<std::int16_t>(row * kSize + column) : -1;
    }
};

inline const LineTopology& topology() {
    static const LineTopology t;
    return t;
}

// What a stone of one side adds to a window holding `own` stones of that side and
// `other` of the other side: the window rules of EngineEvalUpdate, as a magnitude.
inline std::int32_t windowGain(const std::array<std::int32_t, 6>& score, int own, int other) {
    if (own + other >= 5) return 0;
    if (other == 0) return own == 4 ? kFiveMark : score[own + 1] - score[own];
    return own == 0 ? score[other] : 0;
}

// Candidates are numbered by their rank in the visiting order.
inline constexpr int kRankSlots = 256; // 225 candidates at most, one spare slot
inline constexpr int kSpareRank = kRankSlots - 1;
// Added to the gains of a cell that holds a trial stone; the gain of a free cell is never
// negative.
inline constexpr std::int32_t kTaken = -(1 << 29);
// No such gain (no cell to play).
inline constexpr std::int32_t kNoGain = INT_MIN;

// A candidate on a line through another: its rank, the line, its offset + 4 on it.
struct LineCell {
    std::uint8_t rank;
    std::uint8_t line;
    std::uint8_t offset;
};

struct Candidate {
    std::int16_t position; // in EngineCells
    std::uint8_t cell;
};

// The few largest gains of one side over the free candidates, largest first.
struct TopGains {
    static constexpr int kKept = 4;
    int count = 0; // kKept when there may be more
    std::array<int, kKept> rank{};
    std::array<std::int32_t, kKept> gain{};
};

// The engine's board with its trial stones: window codes and, for every candidate, the
// gain of each side (0 player, 1 computer), indexed by rank.
class TrialBoard {
  public:
    explicit TrialBoard(const SearchState& s) : topo_(topology()) {
        buildTables(s.WindowScore);
        rankOf_.fill(kSpareRank);
        for (int i = 0; i < kCells; ++i) {
            int cell = s.EngineCells[i].cell;
            if (s.EngineCells[i].state != 0 ||
                s.EngineBoard[cell / kSize][cell % kSize] != kEngineEmpty)
                continue;
            candidates_[count_] = {static_cast<std::int16_t>(i), static_cast<std::uint8_t>(cell)};
            rankOf_[cell] = static_cast<std::uint8_t>(count_++);
        }
        freeCount_ = count_;
        for (int r = 0; r < kRankSlots; ++r)
            gain_[0][r] = gain_[1][r] = r < count_ ? 0 : kTaken;
        for (int cell = 0; cell < kCells; ++cell)
            for (int d = 0; d < 4; ++d)
                for (int m = 0; m < 9; ++m) {
                    int c = topo_.cells[cell][d][m];
                    lineRanks_[cell][d][m] = c < 0 ? kSpareRank : rankOf_[c];
                }
        code_.fill(0);
        code_[kDeadWindow] = kDeadCode;
        // Every window is the window k = 0 of its last cell.
        for (int cell = 0; cell < kCells; ++cell)
            for (int d = 0; d < 4; ++d) {
                int w = topo_.windows[cell][d][0];
                if (w == kDeadWindow) continue;
                int code = 0;
                for (int m = 0; m <= 4; ++m)
                    code += stepOf(s, topo_.cells[cell][d][m]);
                code_[w] = static_cast<std::uint8_t>(code);
                for (int m = 0; m <= 4; ++m) {
                    int r = lineRanks_[cell][d][m];
                    gain_[0][r] += codeGain_[code][0];
                    gain_[1][r] += codeGain_[code][1];
                }
            }
        collectNearby();
    }

    int count() const { return count_; }
    // How many candidates hold no trial stone.
    int freeCount() const { return freeCount_; }
    const Candidate& candidate(int rank) const { return candidates_[rank]; }
    bool free(int rank) const { return gain_[0][rank] >= 0; }
    std::int32_t gain(int side, int rank) const { return gain_[side][rank]; }

    // A trial stone on rank `rank`; kind 0 a player stone, 1 a computer stone.
    void place(int rank, int kind) {
        gain_[0][rank] += kTaken;
        gain_[1][rank] += kTaken;
        --freeCount_;
        shiftAll<1>(candidates_[rank].cell, kind);
    }
    void lift(int rank, int kind) {
        shiftAll<-1>(candidates_[rank].cell, kind);
        gain_[0][rank] -= kTaken;
        gain_[1][rank] -= kTaken;
        ++freeCount_;
    }

    // The largest gains of `side` over the free candidates.
    TopGains topGains(int side) const {
        TopGains top;
        const std::int32_t* g = gain_[side].data();
        for (int r = 0; r < count_; ++r) {
            std::int32_t value = g[r];
            if (value < 0 || (top.count == TopGains::kKept && value <= top.gain.back())) continue;
            int k = std::min(top.count, TopGains::kKept - 1);
            for (; k > 0 && top.gain[k - 1] < value; --k) {
                top.gain[k] = top.gain[k - 1];
                top.rank[k] = top.rank[k - 1];
            }
            top.gain[k] = value;
            top.rank[k] = r;
            top.count = std::min(top.count + 1, TopGains::kKept);
        }
        return top;
    }

    // The largest gain of `side` over the free candidates other than `rank` that a stone
    // on `rank` leaves as they are: those off its lines, and the cells where `side`
    // completes a five (the stone fills none of their windows). kNoGain when there is
    // none. `top` holds that side's largest gains.
    std::int32_t bestUntouched(int rank, int side, const TopGains& top) const {
        for (int k = 0; k < top.count; ++k) {
            int r = top.rank[k];
            if (r != rank && (top.gain[k] >= kFiveMark || !near(rank, r))) return top.gain[k];
        }
        if (top.count < TopGains::kKept) return kNoGain;
        // Every listed cell lies on the stone's lines: look further.
        std::int32_t best = kNoGain;
        const std::int32_t* g = gain_[side].data();
        for (int r = 0; r < count_; ++r)
            if (g[r] >= 0 && r != rank && (g[r] >= kFiveMark || !near(rank, r)))
                best = std::max(best, g[r]);
        return best;
    }

    // The largest gain of `side` once a stone of `kind` stands on rank `rank`, `untouched`
    // being bestUntouched: the cells on the stone's lines are worked out again. The stone
    // is not played.
    std::int32_t bestGainAfter(int rank, int kind, int side, std::int32_t untouched) {
        changedCell_ = candidates_[rank].cell;
        changedBy_ = &stepGain_[kind][side];
        linesReady_ = 0;
        std::int32_t best = untouched;
        const std::int32_t* g = gain_[side].data();
        for (int k = 0; k < nearbyCount_[rank]; ++k) {
            const LineCell& near = nearby_[rank][k];
            if (g[near.rank] >= 0) best = std::max(best, g[near.rank] + changeOf(near));
        }
        return best;
    }

  private:
    // A stone on rank b can change the gains of rank a: they share a window.
    bool near(int a, int b) const { return (nearMask_[a][b >> 6] >> (b & 63)) & 1u; }

    std::int32_t changeOf(const LineCell& near) {
        const auto& w = lineChange(near.line);
        std::int32_t sum = 0;
        for (int k = std::max(0, near.offset - 4), last = std::min<int>(4, near.offset); k <= last;
             ++k)
            sum += w[k];
        return sum;
    }

    static int stepOf(const SearchState& s, int cell) {
        std::uint8_t stone = s.EngineBoard[cell / kSize][cell % kSize];
        return stone == kEnginePlayer ? kPlayerStep : stone == kEngineComputer ? kComputerStep : 0;
    }

    void buildTables(const std::array<std::int32_t, 6>& score) {
        for (int code = 0; code < kCodeCount; ++code) {
            int players = code % 6, computers = code / 6;
            codeGain_[code] = {windowGain(score, players, computers),
                               windowGain(score, computers, players)};
        }
        for (int code = 0; code < kCodeCount; ++code)
            for (int side = 0; side < 2; ++side) {
                int afterPlayer = code % 6 < 5 ? code + kPlayerStep : -1;
                int afterComputer = code + kComputerStep < kCodeCount ? code + kComputerStep : -1;
                stepGain_[0][side][code] =
                    afterPlayer < 0 ? 0 : codeGain_[afterPlayer][side] - codeGain_[code][side];
                stepGain_[1][side][code] =
                    afterComputer < 0 ? 0 : codeGain_[afterComputer][side] - codeGain_[code][side];
            }
    }

    // Along each line the five windows through `cell` change, and a cell at offset j
    // gains the changes of the windows that hold both it and `cell`: a running sum.
    template <int Sign> void shiftAll(int cell, int kind) {
        const int step = kind == 0 ? kPlayerStep : kComputerStep;
        for (int d = 0; d < 4; ++d) {
            const auto& windows = topo_.windows[cell][d];
            std::int32_t player[5], computer[5];
            std::int32_t any = 0;
            for (int k = 0; k < 5; ++k) {
                int w = windows[k];
                int before = code_[w] - (Sign < 0 && w != kDeadWindow ? step : 0);
                player[k] = Sign * stepGain_[kind][0][before];
                computer[k] = Sign * stepGain_[kind][1][before];
                if (w != kDeadWindow)
                    code_[w] = static_cast<std::uint8_t>(Sign > 0 ? before + step : before);
                any |= player[k] | computer[k];
            }
            if (any == 0) continue;
            const auto& ranks = lineRanks_[cell][d];
            std::int32_t p = 0, c = 0;
            for (int m = 0; m < 9; ++m) {
                if (m < 5)
                    p += player[m], c += computer[m];
                else
                    p -= player[m - 5], c -= computer[m - 5];
                gain_[0][ranks[m]] += p;
                gain_[1][ranks[m]] += c;
            }
        }
    }

    // The changes of the five windows through the stone of bestGainAfter, along one line.
    const std::array<std::int32_t, 5>& lineChange(int line) {
        if (!(linesReady_ & (1u << line))) {
            const auto& windows = topo_.windows[changedCell_][line];
            for (int k = 0; k < 5; ++k)
                lineChanges_[line][k] = (*changedBy_)[code_[windows[k]]];
            linesReady_ |= 1u << line;
        }
        return lineChanges_[line];
    }

    // The candidates on the four lines through each candidate, within four cells,
    // ordered by rank: the gains a stone there can change.
    void collectNearby() {
        for (int rank = 0; rank < count_; ++rank) {
            int n = 0;
            for (int d = 0; d < 4; ++d)
                for (int m = 0; m < 9; ++m) {
                    int r = lineRanks_[candidates_[rank].cell][d][m];
                    if (m == 4 || r == kSpareRank) continue;
                    nearby_[rank][n++] = {static_cast<std::uint8_t>(r),
                                          static_cast<std::uint8_t>(d),
                                          static_cast<std::uint8_t>(m)};
                    nearMask_[rank][r >> 6] |= std::uint64_t{1} << (r & 63);
                }
            std::sort(nearby_[rank].begin(), nearby_[rank].begin() + n,
                      [](const LineCell& a, const LineCell& b) { return a.rank < b.rank; });
            nearbyCount_[rank] = static_cast<std::uint8_t>(n);
        }
    }

    const LineTopology& topo_;
    std::array<std::array<std::int32_t, 2>, kCodeCount> codeGain_{};
    // [stone kind][side][code]: the change of that side's gain when the stone joins.
    std::array<std::array<std::array<std::int32_t, kCodeCount>, 2>, 2> stepGain_{};
    std::array<std::uint8_t, kDeadWindow + 1> code_{};
    std::array<std::array<std::array<std::uint8_t, 9>, 4>, kCells> lineRanks_{};
    std::array<std::uint8_t, kCells> rankOf_{};
    std::array<Candidate, kCells> candidates_{};
    int count_ = 0;
    int freeCount_ = 0;
    alignas(64) std::array<std::array<std::int32_t, kRankSlots>, 2> gain_{};
    std::array<std::array<LineCell, 32>, kCells> nearby_{};
    std::array<std::uint8_t, kCells> nearbyCount_{};
    std::array<std::array<std::uint64_t, 4>, kCells> nearMask_{};
    int changedCell_ = 0;
    const std::array<std::int32_t, kCodeCount>* changedBy_ = nullptr;
    unsigned linesReady_ = 0;
    std::array<std::array<std::int32_t, 5>, 4> lineChanges_{};
};

} // namespace wuzi::search
