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

// Cut-offs remembered by the search: two killers per ply, a history score per cell and
// colour that grows for moves that cut and shrinks for those tried before them.
struct OrderingMemory {
    std::array<std::array<Pos, 2>, kMaxPly + 1> killers{};
    std::array<std::array<int, kArea>, 2> history{};

    void rememberCutoff(Color c, int ply, Pos move, int depth);
    void rememberFailure(Color c, Pos move, int depth);
    void clear();
};

// Hands out the moves of a node one at a time, best first, without allocating: the
// table move, then the threats (cells where either side makes a four or an open three),
// then the killers, then the quiet moves, each group sorted only as far as it is used.
class MovePicker {
  public:
    MovePicker(const Board& b, Pos ttMove, int ply, const OrderingMemory& memory);

    NodeKind kind() const { return kind_; }
    // In a forced or defence node: how many moves it has.
    int answers() const { return count_; }
    // kNoPos once every move has been handed out.
    Pos next();
    // The move last handed out was a quiet one: no threat of either side on its cell.
    bool lastWasQuiet() const { return stage_ >= kQuietStage; }
    // No move is left to hand out in this node (a defence node with no defence).
    bool exhausted() const { return stage_ == kDone; }

  private:
    enum Stage { kTableStage, kThreatStage, kKillerStage, kQuietStage, kDone };

    void generateThreats();
    void generateQuiet();
    void add(Pos p, int bonus);
    Pos pickBest();

    const Board& board_;
    const OrderingMemory& memory_;
    Pos ttMove_;
    int ply_;
    NodeKind kind_;
    Stage stage_ = kTableStage;
    CellSet handedOut_;
    CellSet threats_;
    std::array<ScoredMove, kSize * kSize> moves_;
    int count_ = 0;
    int picked_ = 0;
    int killerIndex_ = 0;
};

// Every move of the side to move, best first: for tools that list a position's moves.
NodeKind pickMoves(const Board& b, Pos ttMove, int ply, const OrderingMemory& memory,
                   std::vector<ScoredMove>& out);

} // namespace vesk
