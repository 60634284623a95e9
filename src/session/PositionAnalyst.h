#pragma once

#include "rules/Types.h"
#include "session/MoveMarks.h"
#include "session/ThreatProver.h"
#include "session/ThreatWin.h"
#include "vesk/Engine.h"

#include <atomic>
#include <cstdint>
#include <vector>

namespace wuzi {

// How long the review looks at each position. Times vary with the machine's load; a
// count of nodes instead makes a review repeatable, searched on one thread.
struct ReviewLimits {
    std::int64_t msPerPosition = 500;
    long nodesPerPosition = 0; // 0: no limit but the time
    long threatNodes = 20000;  // for each question of the threat searches
    long proofNodes = 100000;  // for each question of the proof search
    int hashMegabytes = 16;
};

// What the review learns of one position. Only a proof makes a position won or lost, and
// its chance certain: a forced five that Vesk's search alone sees may hide in what it
// pruned.
struct PositionVerdict {
    bool over = false;            // five on the board, or the board full
    vesk::ThinkResult search;     // Vesk's move, score and line; empty when the game is over
    ThreatWin threatWin;          // the side to move's proven forced win by threats
    Proven proven = Proven::Open; // for the side to move
    double blackChance = 50;
};

// Vesk looking at the positions of one game. Every search starts from an empty table, so
// that what one position taught does not reach into another at a different depth; the
// proofs, being certain, are kept from one position to the next.
class PositionAnalyst {
  public:
    explicit PositionAnalyst(const ReviewLimits& limits);

    // `stones` in the order played, black first, on distinct cells of the board.
    PositionVerdict analyse(const std::vector<Cell>& stones);
    // The position after a move, searched to `depth`: one ply less than the position
    // before it reached, so that both look equally far ahead and their chances compare.
    // Scores swing from one depth to the next in sharp positions, the side to move
    // gaining from its threats; a move judged at another depth than the position before
    // it would earn marks for that swing. No threat search and no line.
    PositionVerdict judge(const std::vector<Cell>& stones, int depth);
    // Asks the proof search again of a position `analyse` left open, now that the proofs of
    // other positions of the game are known to it; a proof settles `verdict`.
    void proveAgain(const std::vector<Cell>& stones, PositionVerdict& verdict);
    // Whether `played`, a move that keeps the side to move's won position, is the only move
    // that does. Vesk searches no more than one line at a time, so the other threats of
    // the side to move (its fours and threes) are each played and searched briefly: the
    // move is alone when none of them leaves the other side lost. A quiet move is not
    // expected to keep a win. Five, the block of a four and an open four are never alone:
    // anyone would find them.
    bool soleWinningMove(const std::vector<Cell>& stones, Cell played);
    // Any thread may ask the running search to stop; the analyst then answers at once
    // with what it has, and soleWinningMove() with false.
    void stop();

  private:
    vesk::ThinkLimits thinkLimits() const;
    PositionVerdict searched(const std::vector<Cell>& stones, const vesk::ThinkLimits& limits);
    bool keepsWin(std::vector<Cell> stones, Cell move);
    void settle(const Proof& proof, bool blackToMove, PositionVerdict& verdict) const;

    ReviewLimits limits_;
    vesk::Engine engine_;
    std::atomic<bool> stopped_{false};
    ThreatProver prover_;
};

} // namespace wuzi
