#pragma once

#include "vesk/Board.h"

#include <array>
#include <vector>

// The moves a search node tries, and their order.
namespace vesk {

struct ScoredMove {
    Pos move;
    int score;
};

// What the side to move must answer, which decides the moves worth trying.
enum class NodeKind {
    Forced,  // the other side has a four: only its five cell
    Defence, // the other side has an open three or a double-four point: the defences
             // and the mover's own fours
    Free,    // every empty cell near the stones
};

// Cut-offs remembered by the search: two killers per ply, a history score per cell.
struct OrderingMemory {
    std::array<std::array<Pos, 2>, kMaxPly + 1> killers{};
    std::array<std::array<int, kArea>, 2> history{};

    void rememberCutoff(Color c, int ply, Pos move, int depth);
    void clear();
};

// How much a stone on p does for the mover and against the other side.
int threatScore(const Board& b, Pos p);

// Fills `out` with the moves of the side to move, best first: the table move, then by
// threat score, killers and history.
NodeKind pickMoves(Board& b, Pos ttMove, int ply, const OrderingMemory& memory,
                   std::vector<ScoredMove>& out);

} // namespace vesk
