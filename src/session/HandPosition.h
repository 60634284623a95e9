#pragma once

#include "rules/GameRecord.h"

#include <vector>

namespace wuzi {

// A position set up by hand (摆棋): the stones of each colour and the side to move.
struct HandPosition {
    std::vector<Cell> black, white;
    bool blackToMove = true;
    friend bool operator==(const HandPosition&, const HandPosition&) = default;
};

// What keeps a position set up by hand from being played on.
enum class PositionProblem {
    None,
    Stones, // a stone off the board, or two on one cell
    Five,   // one side has five already: the game would be over
    Counts, // no game reaches these counts with this side to move: black moves with as
            // many stones of each colour, white with one black stone more
};

PositionProblem CheckPosition(const HandPosition& position);

// The position as a record a game could have played: black and white stones in turn.
// Only for a position without a problem.
GameRecord RecordOfPosition(const HandPosition& position);

// A record's stones by colour, the side to move the one whose turn comes next.
HandPosition PositionOfRecord(const GameRecord& record);

} // namespace wuzi
