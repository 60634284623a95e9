#pragma once

#include "vesk/Types.h"

#include <array>
#include <cstdint>

// Line patterns: what a stone of one side on an empty cell would make along one line,
// read from the eight cells around it (four each way). X is the side's stone on the cell
// itself, x its other stones, o a blocker (the other side's stone or the edge).
namespace vesk {

enum Pattern : std::uint8_t {
    kDead,   // o x X x o        no five fits through the cell
    kBlock1, // o X . . . .      a five fits, one more stone makes at most a closed two
    kFlex1,  // . . X . . .      one more stone makes an open two
    kBlock2, // o x X . . .      one more stone makes a closed three
    kFlex2,  // . . x X . .      one more stone makes an open three
    kBlock3, // o x X x . .      one more stone makes a four
    kFlex3,  // . x X x . .      one more stone makes an open four
    kBlock4, // o x X x x .      one cell makes five
    kFlex4,  // . x X x x .      two cells make five: it cannot be stopped
    kFive,   // x x X x x        five or more in a row
    kPatternCount
};

// The line patterns of one cell in the four directions, combined.
enum Pattern4 : std::uint8_t {
    kNone4,       // nothing better than open twos
    kFlex3One,    // an open three
    kFlex3Plus,   // an open three and a closed three or open two
    kFlex3Double, // two open threes
    kBlock4One,   // a four
    kBlock4Plus,  // a four and a closed three or open two
    kBlock4Flex3, // a four and an open three
    kFlex4Any,    // an open four, or two fours: wins unless the other side has a four
    kFiveAny,     // five
    kPattern4Count
};

// The eight neighbours of a cell along a line, two bits each from four steps back
// (lowest bits) to four steps forward, as Stone values.
using LineKey = std::uint16_t;

// The key slot of the neighbour `offset` steps away (offset -4..-1, 1..4).
constexpr int keySlot(int offset) {
    return offset < 0 ? offset + 4 : offset + 3;
}

// The pattern a stone of colour c on the cell would make, for every key.
Pattern linePattern(LineKey key, Color c);
// Both at once: black's in the low four bits, white's in the high four.
std::uint8_t linePatterns(LineKey key);

// A cell's four line patterns of one colour as one number, direction d's pattern counted
// in units of 10^d: the key of the tables that say what a cell holds.
using Combo = std::uint16_t;
inline constexpr int kComboCount = 10000;
inline constexpr int kComboPlace[kDirections] = {1, 10, 100, 1000};

constexpr Pattern patternOf(Combo combo, int dir) {
    return static_cast<Pattern>(combo / kComboPlace[dir] % 10);
}

// The combination of four line patterns.
Pattern4 combine(Combo combo);

// A cell's four line patterns as a set, whatever their directions: one of the 715
// multisets of four patterns, numbered in order.
inline constexpr int kShapeCount = 715;
int shapeOf(Combo combo);

// The table behind linePatterns(), indexed by the key, for callers that read it in their
// innermost loops.
const std::uint8_t* linePatternTable();

} // namespace vesk
