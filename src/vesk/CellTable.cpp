#include "vesk/CellTable.h"

#include "vesk/EvalWeights.h"

#include <array>

namespace vesk {

namespace {

// How much a stone on the cell does for the mover (index 0) and against the other side
// (index 1), by line pattern and by combination.
// clang-format off
//                                                    Dead B1 F1 B2  F2  B3  F3  B4  F4 Five
constexpr int kLineOrder[2][kPatternCount] = {{0,  1, 2, 4, 12, 12, 30, 40, 60, 0},
                                              {0,  1, 2, 3,  9, 10, 25, 30, 50, 0}};
//                                                    None  F3   F3+  F3x2  B4   B4+  B4F3  F4    Five
constexpr int kComboOrder[2][kPattern4Count] = {{0, 400, 600, 3000, 300, 700, 5000, 20000, 30000},
                                                {0, 300, 450, 2500, 200, 500, 4000,  9000, 25000}};
// clang-format on

int orderScore(Combo combo, int side) {
    int score = kComboOrder[side][combine(combo)];
    for (int d = 0; d < kDirections; ++d)
        score += kLineOrder[side][patternOf(combo, d)];
    return score;
}

struct Table {
    std::array<CellInfo, kComboCount> info{};
    Table() {
        const EvalWeights& w = fittedWeights();
        for (int combo = 0; combo < kComboCount; ++combo) {
            CellInfo& cell = info[combo];
            Combo c = static_cast<Combo>(combo);
            cell.p4 = combine(c);
            for (int side = 0; side < 2; ++side) {
                cell.value[side] = static_cast<std::int16_t>(cellValue(w, c, side));
                cell.order[side] = static_cast<std::int16_t>(orderScore(c, side));
            }
        }
    }
};

} // namespace

const CellInfo* cellTable() {
    static const Table table;
    return table.info.data();
}

} // namespace vesk
