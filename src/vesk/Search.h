#pragma once

#include "vesk/Board.h"
#include "vesk/MovePicker.h"
#include "vesk/ThreatSolver.h"
#include "vesk/TimeManager.h"
#include "vesk/TranspositionTable.h"

#include <atomic>
#include <vector>

// Principal-variation search with iterative deepening on one thread. Threads searching
// the same position share the transposition table and the stop flag.
namespace vesk {

struct SearchSettings {
    int maxDepth = 64;
    long nodeLimit = 0;          // this thread's trial stones; 0: no limit. Reaching it
                                 // stops this thread only.
    long leafVcfNodes = 60;      // the continuous-fours check at every leaf
    bool exactRoot = false;      // every root move gets an exact score, not just the best
    int depthOffset = 0;         // a helper thread starts its iterations deeper
    long verifyNodes = 0;        // the check of each new best move for a win of the other side
    TimeManager* time = nullptr; // the thread that watches the clock
};

struct RootMove {
    Pos move = kNoPos;
    Score score = -kInfinity;
    std::vector<Pos> pv;
};

class Searcher {
  public:
    Searcher(TranspositionTable& tt, std::atomic<bool>& stop);

    // Searches `position` (not over, not full) until the depth, the nodes or the time
    // run out or the stop flag is raised; the root moves come best first.
    void run(const Board& position, const SearchSettings& settings);

    const std::vector<RootMove>& rootMoves() const { return completed_; }
    int completedDepth() const { return completedDepth_; }
    // Trial stones played by this thread.
    long nodes() const { return board_.stonesPlayed() - firstStone_; }

  private:
    Score rootSearch(int depth);
    bool refuted(Pos move);
    Score search(int ply, int depth, Score alpha, Score beta, bool pvNode);
    Score leaf(int ply);
    bool stopping();
    bool stopped() const;
    void savePv(int ply, Pos move);

    TranspositionTable& tt_;
    std::atomic<bool>& stop_;
    SearchSettings settings_;
    Board board_;
    ThreatSolver threats_{14};
    OrderingMemory memory_;
    std::vector<RootMove> rootMoves_;
    std::vector<RootMove> completed_;
    std::vector<Pos> refuted_; // root moves that let the other side win by threats
    int completedDepth_ = 0;
    int rootDepth_ = 0;
    long firstStone_ = 0;
    long calls_ = 0;
    bool ownLimitReached_ = false;
    std::vector<std::vector<ScoredMove>> moveLists_;
    std::vector<std::vector<Pos>> pv_;
};

} // namespace vesk
