#pragma once

#include "rules/Game.h"

namespace wuzi {

// What the development test does with a group it finds; the game's own mode numbers.
enum class DevelopMode {
    OfferGroupCells = 1,  // offers the group's empty cells to PatternMoveAtB, which may play
    Play = 2,             // plays (x, y)
    PlayGroupCell = 3,    // plays the group's developing cell
    PlayIfCrossThree = 4, // plays (x, y) once a group cell would make a live three elsewhere
    Answer = 5,           // only answers
};

// The line development test: on the lines through (x, y) (a candidate cell or a
// computer stone), a loose group of two or more computer stones with room around it.
// Faults inside are skipped step by step, without a message. Returns what it found: in
// the answering mode whether such a group lies through (x, y), in a playing mode whether
// it played.
bool PatternMoveAt(Game& g, int x, int y, int skip, DevelopMode mode);

// A second group through the offered cell (x, y) whose empty cell would give a four in a
// third line, one other than `keep`: then (x, y) is played. Returns whether it played.
bool PatternMoveAtB(Game& g, int x, int y, int skip, int keep);

} // namespace wuzi
