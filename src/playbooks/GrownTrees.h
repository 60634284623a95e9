#pragma once

#include "playbooks/BookRows.h"

#include <span>

namespace wuzi::book {

// The deeper trees whose rows are grown by the book generator (tools/bookgen) from the
// hand-written rows, into GrownTrees.cpp.
enum class GrownTree : std::uint8_t {
    None,
    MarrowickBlackSubLine1,
    MarrowickBlackGroup2,
    MarrowickBlackGroup3,
    MarrowickBlackSubLine4,
    MarrowickBlackSubLine5,
    MarrowickBlackSubLine6,
    MarrowickBlackSubLine8,
    MarrowickBlackSubLine9,
    MarrowickBlackSubLine10,
    MarrowickWhiteLine1,
    MarrowickWhiteLine3,
    MarrowickWhiteLine4,
    MarrowickWhiteLine5,
    MarrowickWhiteLine6,
    MarrowickWhiteLine7,
    MarrowickWhiteLine10,
    MarrowickWhiteLine11,
    QuillonWhiteTreeA,
    QuillonWhiteTreeB,
    QuillonWhiteTreeC,
};

inline constexpr int kGrownTreeCount = 21;

// The grown rows of a tree (none for GrownTree::None).
std::span<const Row> GrownRows(GrownTree tree);

} // namespace wuzi::book
