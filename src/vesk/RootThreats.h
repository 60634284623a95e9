#pragma once

#include "vesk/Engine.h"
#include "vesk/ProofSearch.h"

#include <atomic>
#include <vector>

// The root's threat searches: a win by fours first, then a long win by fours and threes
// that goes on in slices between the main search's iterations, so that it takes about a
// quarter of the move's time (or of its nodes when no clock runs). The proof search's
// table outlives the move: each slice, and each move, goes on from what the last learned.
namespace vesk {

class RootThreats {
  public:
    RootThreats(ProofSearch& proof, Board& position, const ThinkLimits& limits,
                const TimeManager& time, const std::atomic<bool>& stop);

    // Before the search: true when a win is found.
    bool lookFirst();
    // After an iteration of the search: true when a win is found.
    bool goOn();

    bool won() const { return plies_ > 0; }
    int plies() const { return plies_; }
    const std::vector<Pos>& line() const { return line_; }
    long nodes() const { return nodes_; }

  private:
    bool ask(bool foursOnly, long nodes, std::int64_t untilMs);

    ProofSearch& proof_;
    Board& board_;
    const ThinkLimits& limits_;
    const TimeManager& time_;
    const std::atomic<bool>& stop_;
    bool threatsSettled_ = false;
    long threatNodesLeft_;
    std::int64_t threatMs_ = 0;
    int plies_ = 0;
    std::vector<Pos> line_;
    long nodes_ = 0;
};

} // namespace vesk
