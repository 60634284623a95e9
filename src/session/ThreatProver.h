#pragma once

#include "rules/Types.h"
#include "session/MoveMarks.h"
#include "session/ThreatWin.h"
#include "vesk/ProofSearch.h"

#include <atomic>
#include <vector>

namespace wuzi {

// What the proof search over threats settled of a position.
struct Proof {
    Proven proven = Proven::Open; // for the side to move
    ThreatWin win;                // the line of a proven win
};

// Proves positions of one game won or lost for the side to move by the proof-number search
// over threats, whose answers are certain. Its table keeps what it proved from one position
// to the next, so that a win proved later in the game is found at once in an earlier
// position that leads to it.
class ThreatProver {
  public:
    // `nodes` for each question; `stop` ends a question at once.
    ThreatProver(int tableMegabytes, long nodes, const std::atomic<bool>& stop);

    // `stones` in the order played, black first, with no five among them.
    Proof prove(const std::vector<Cell>& stones);

  private:
    vesk::ProofSearch search_;
    long nodes_;
    const std::atomic<bool>& stop_;
};

} // namespace wuzi
