#pragma once

#include "rules/Types.h"

#include <vector>

namespace wuzi {

// How the side to move can force five without giving the other side a free move.
enum class ThreatKind {
    None,
    Fours,          // every attacking stone makes a four
    FoursAndThrees, // fours and open threes
};

// A forced win of the side to move and one way to play it out: the attacker's and the
// defender's stones in turn, the defender always choosing the answer that holds out
// longest, up to the attacker's five.
struct ThreatWin {
    ThreatKind kind = ThreatKind::None;
    std::vector<Cell> line;
    explicit operator bool() const { return kind != ThreatKind::None; }
    friend bool operator==(const ThreatWin&, const ThreatWin&) = default;
};

// The side to move's win by fours, else by fours and threes, found by Vesk's threat
// search within `nodes` trial stones for each question. `stones` are in the order played,
// black first, on distinct cells of the board.
ThreatWin FindThreatWin(const std::vector<Cell>& stones, long nodes);

} // namespace wuzi
