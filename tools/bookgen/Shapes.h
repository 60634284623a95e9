#pragma once

#include "Board.h"

// What one stone makes along one line. Read from the eight cells around the stone's
// cell (four each way), for the side about to play there:
//
//   Five        X X X X X    five or more in a row
//   OpenFour    . X X X X .  two cells (or more) would make five
//   Four        O X X X X .  one cell would make five
//   Three       . X X X . .  one more stone makes an open four
//   ClosedThree O X X X . .  one more stone makes a four
//   OpenTwo     . . X X . .  one more stone makes a three
//   Two         O X X . . .  one more stone makes a closed three
//   One         a five still fits through the stone
//   Dead        no five fits through the stone on this line
namespace bookgen {

enum Shape : std::uint8_t {
    kDead,
    kOne,
    kTwo,
    kOpenTwo,
    kClosedThree,
    kThree,
    kFour,
    kOpenFour,
    kFive
};

// The shape a stone of `s` on the empty cell i would make along direction d (0..3).
Shape shapeAt(const Board& b, int i, Stone s, int d);

// All four directions at once.
struct MoveShapes {
    Shape along[4];
    int count(Shape s) const {
        return (along[0] == s) + (along[1] == s) + (along[2] == s) + (along[3] == s);
    }
    int atLeast(Shape s) const {
        return (along[0] >= s) + (along[1] >= s) + (along[2] >= s) + (along[3] >= s);
    }
    bool five() const { return atLeast(kFive) > 0; }
    // Wins unless the opponent already has a four: an open four or two fours.
    bool winning() const { return five() || count(kOpenFour) > 0 || atLeast(kFour) >= 2; }
    bool four() const { return atLeast(kFour) > 0; }
    bool three() const { return count(kThree) > 0; }
};

MoveShapes shapesAt(const Board& b, int i, Stone s);

} // namespace bookgen
