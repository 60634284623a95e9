#pragma once

#include "rules/GameRecord.h"
#include "rules/Types.h"
#include "session/MoveMarks.h"
#include "session/ThreatWin.h"

#include <vector>

namespace wuzi {

// One move of a reviewed game. Chances are black's, in points from 0 to 100.
struct ReviewedMove {
    int number = 0; // 1 for black's first move
    Cell cell;
    double blackBefore = 50;            // black's chance to win in the position before the move
    double blackAfter = 50;             // and after it
    Proven provenBefore = Proven::Open; // what was proven of the position before, for the mover
    Cell best;                          // Vesk's move in the position before
    std::vector<Cell> bestLine;
    ThreatWin threatWin; // the mover's forced win in the position before, if there was one
    MoveMark mark = MoveMark::None;

    bool black() const { return number % 2 == 1; }
    // How many points of their chance the mover gave away (negative: gained).
    double moverLoss() const {
        return black() ? blackBefore - blackAfter : blackAfter - blackBefore;
    }
    friend bool operator==(const ReviewedMove&, const ReviewedMove&) = default;
};

// A finished game as Vesk reviewed it: every move, and how accurately each side played
// (0–100, see MoveAccuracy).
struct Review {
    GameRecord record;
    std::vector<ReviewedMove> moves;
    double blackAccuracy = 100;
    double whiteAccuracy = 100;
    friend bool operator==(const Review&, const Review&) = default;
};

} // namespace wuzi
