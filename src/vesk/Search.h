#pragma once

#include "vesk/Board.h"
#include "vesk/MovePicker.h"
#include "vesk/ThreatSolver.h"
#include "vesk/TimeManager.h"
#include "vesk/TranspositionTable.h"

#include <array>
#include <atomic>
#include <functional>
#include <vector>

// Principal-variation search with iterative deepening and aspiration windows on one
// thread, with a threat search (the side to move's fours) at its leaves. Threads
// searching the same position share the transposition table and the stop flag.
namespace vesk {

struct SearchSettings {
    int maxDepth = 64;
    long nodeLimit = 0;          // this thread's trial stones; 0: no limit. Reaching it
                                 // stops this thread only.
    bool leafFours = true;       // the leaves' threat search plays fours
    bool exactRoot = false;      // every root move gets an exact score, not just the best
    int lines = 1;               // the best moves searched with exact scores (multi-PV)
    int depthOffset = 0;         // a helper thread starts its iterations deeper
    long verifyNodes = 0;        // the check of each new best move for a win of the other side
    TimeManager* time = nullptr; // the thread that watches the clock
    // Called after each finished iteration; true ends the search.
    std::function<bool()> afterIteration;
};

struct RootMove {
    Pos move = kNoPos;
    Score score = -kInfinity;
    Score previousScore = -kInfinity;
    std::vector<Pos> pv;
};

class Searcher {
  public:
    Searcher(TranspositionTable& tt, std::atomic<bool>& stop);

    // Searches `position` (not over, not full) until the depth, the nodes or the time
    // run out or the stop flag is raised; the root moves come best first.
    void run(const Board& position, const SearchSettings& settings);

    // What the threat search at the leaves makes of `position`: a win or loss by fours
    // in plies from it, or the static score.
    Score leafScore(const Board& position);

    const std::vector<RootMove>& rootMoves() const { return completed_; }
    int completedDepth() const { return completedDepth_; }
    // Trial stones played by this thread.
    long nodes() const { return board_.stonesPlayed() - firstStone_; }

  private:
    void listRootMoves();
    bool iterate(int depth);
    Score aspirationSearch(int depth, int line);
    Score rootSearch(int depth, Score alpha, Score beta, int line);
    bool refuted(Pos move);
    Score search(int ply, int depth, Score alpha, Score beta, bool pvNode, bool cutNode);
    Score searchMoves(int ply, int depth, Score alpha, Score beta, bool pvNode, bool cutNode,
                      Pos ttMove, Score eval);
    Score quiescence(int ply, Score alpha, Score beta, int leafPly, bool pvNode);
    Score quiescenceFours(int ply, Score alpha, Score beta, int leafPly, bool pvNode, Pos ttMove,
                          Score eval);
    Score decided(int ply);
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
    std::array<std::array<Pos, kMaxPly + 1>, kMaxPly + 1> pv_{};
    std::array<int, kMaxPly + 1> pvLength_{};
};

} // namespace vesk
