#pragma once

#include "vesk/Pattern.h"

#include <cstdint>

// What one table read tells of an empty cell, given its four line patterns of one colour:
// their combination, the cell's share of the evaluation and its move-ordering score.
namespace vesk {

struct CellInfo {
    Pattern4 p4 = kNone4;
    // Index 0 as the side to move's own cell, 1 as the other side's.
    std::int16_t value[2] = {0, 0};
    std::int16_t order[2] = {0, 0};
};

// kComboCount entries, by Combo.
const CellInfo* cellTable();

} // namespace vesk
