#pragma once

#include "rules/Game.h"

namespace wuzi {

// Visits the stones of `side` newest first until `visit(stone)` answers true; returns
// whether it did. The stones are those counted when the walk starts.
template <class Visit> bool forEachStone(const Game& g, int side, Visit&& visit) {
    int count = (side == kComputer ? g.CompMoveNo : g.PlayerMoveNo) - 1;
    for (int n = count; n >= 1; --n)
        if (visit(side == kComputer ? g.compStone(n) : g.playerStone(n))) return true;
    return false;
}

// Visits the lines through the stones of `side`, newest stone first, each stone's
// directions 1..4 in order, until `visit(stone, direction)` answers true.
template <class Visit> void forEachStoneLine(const Game& g, int side, Visit&& visit) {
    forEachStone(g, side, [&](Cell stone) {
        for (const Direction& d : kDirections)
            if (visit(stone, d)) return true;
        return false;
    });
}

} // namespace wuzi
