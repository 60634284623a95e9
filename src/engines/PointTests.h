#pragma once

#include "rules/Game.h"

namespace wuzi {

// The line-scan point tests: what would a stone on cell (x, y) make? Each scans the
// lines through the cell in directions 1..4, leaving out the direction `skip` (0 or 5
// skips nothing), and by its mode either places the computer's stone (CompPlace, then
// CompMoved := True) or only answers. Each returns what it found: in an answering mode
// whether the shape lies in some direction, in a playing mode whether it played. Every
// test does nothing on no cell and answers false. The modes keep the game's own mode
// numbers.

// Four by one gap for the computer.
enum class FourMode {
    Play = 1,             // plays the cell
    AnswerUnlessKept = 2, // answers, but not for a four in direction keepDir
    Answer = 3,           // answers
};
bool ComputerFourAt(Game& g, int x, int y, int skip, int keepDir, FourMode mode);

// Open four for the player: answers.
bool PlayerOpenFourAt(Game& g, int x, int y, int skip);

// Four of the player with at least one open end.
enum class PlayerFourMode {
    Answer = 1, // answers
    Block = 2,  // blocks it (see the block rule in the implementation)
};
bool PlayerFourAt(Game& g, int x, int y, int skip, PlayerFourMode mode);

// Live three for the computer.
enum class ComputerThreeMode {
    Answer = 1, // answers
    Play = 3,   // plays the cell
};
bool ComputerThreeAt(Game& g, int x, int y, int skip, ComputerThreeMode mode);

// Live three for the player.
enum class PlayerThreeMode {
    Play = 1,     // the computer takes the cell
    Announce = 2, // answers, and sets CompMoved without placing a stone
    Answer = 3,   // answers
};
bool PlayerThreeAt(Game& g, int x, int y, int skip, PlayerThreeMode mode);

// Whether the first of two regions, cut at (a, b) and (c, d) across a line in direction
// `dir`, holds more player stones than the second.
//   dir 1: columns 1..a against columns c..15
//   dir 2: rows 1..b against rows d..15
//   dir 3: columns c..15 by rows d..15 against columns 1..a by rows 1..b
//   dir 4: columns 1..a by rows b..15 against columns c..15 by rows 1..d
bool ComparePlayerRegions(Game& g, int a, int b, int c, int d, int dir);

// A computer line of three or more with exactly two empty cells whose first empty cell
// would also make a live three in another line: plays (x, y).
bool ThreatReplyAt(Game& g, int x, int y, int skip);

} // namespace wuzi
