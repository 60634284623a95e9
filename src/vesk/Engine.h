#pragma once

#include "rules/Types.h"
#include "vesk/Board.h"
#include "vesk/ProofSearch.h"
#include "vesk/TimeManager.h"
#include "vesk/TranspositionTable.h"

#include <atomic>
#include <cstdint>
#include <memory>
#include <vector>

// Vesk: a searching engine for free-style gomoku on 15 x 15. Give it the stones in the
// order they were played (black first), then ask it to think.
namespace vesk {

struct RootMove;
class RootThreats;

// Half the machine's cores, at least one and at most four.
int defaultThreadCount();

struct EngineOptions {
    int threads = defaultThreadCount(); // search threads sharing one table
    int hashMegabytes = 32;             // the transposition table
    std::uint64_t seed = 1;             // for the random choice among near-equal moves
};

// What one think may spend, and how it chooses. Unlimited fields are 0.
struct ThinkLimits {
    int depth = 64;          // iterations of the principal-variation search
    long nodes = 0;          // trial stones of the search, per thread
    std::int64_t turnMs = 0; // the time for this move
    std::int64_t matchLeftMs = 0;
    long vcfNodes = 20000; // the root's search for a win by continuous fours
    // The root's search for a long win by fours and threes (0: none), in slices between
    // the search's iterations; each new best move is also checked for such a win of the
    // other side.
    long vctNodes = 300000;
    long leafVcfNodes = 60; // 0: the threat search at the leaves plays no fours
    // 0 plays the best move. Higher values choose at random among the moves scored
    // within `randomness` points of the best (every root move is then scored exactly,
    // which costs depth): a weaker, more varied player.
    int randomness = 0;
    // The best moves given exact scores and lines (multi-PV), for analysis.
    int lines = 1;
};

// One root move as the search left it.
struct ThinkLine {
    wuzi::Cell move;
    Score score = 0;
    std::vector<wuzi::Cell> pv; // from the move on
    int winningPlies() const;
};

struct ThinkResult {
    wuzi::Cell move; // (0, 0): no move (the game is over or the board is full)
    Score score = 0; // the side to move's view; see winningPlies()
    int depth = 0;   // the last completed iteration; 0 when a threat search decided
    // The principal variation; when the score is a forced win or loss, it is played out
    // to the five.
    std::vector<wuzi::Cell> pv;
    long nodes = 0;
    std::int64_t ms = 0;
    // The side to move's chance to win, read from the score.
    double winProbability = 0.5;
    // With ThinkLimits::lines above 1: that many best moves, best first, with their
    // scores and lines; the first is the move played.
    std::vector<ThinkLine> lines;

    // Plies up to and including the five when the score is a forced win (positive) or
    // loss (negative) for the side to move, its line ending in that five; 0 otherwise.
    // A winner's moves are (plies + 1) / 2.
    int winningPlies() const;
};

class Engine {
  public:
    explicit Engine(EngineOptions options = {}, TimeSource* clock = nullptr);
    ~Engine();

    // Forgets what earlier searches learned.
    void newGame();
    // False if a stone is off the board or on a taken cell.
    bool setPosition(const std::vector<wuzi::Cell>& stones);
    const Board& board() const { return board_; }

    ThinkResult think(const ThinkLimits& limits);
    // Any thread may ask a running think to stop; it answers with what it has.
    void stop() { stop_ = true; }

  private:
    ThinkResult decidedAtOnce() const;
    // The side to move must block a four, or has one answer to an open three.
    bool onlyMove() const;
    ThinkResult searchMoves(const ThinkLimits& limits, TimeManager& time, RootThreats& threats);
    ThinkResult resultOf(const std::vector<RootMove>& moves, const ThinkLimits& limits, int depth);
    Pos chooseAtRandom(const std::vector<RootMove>& moves, int randomness) const;
    // A mate score stands only when its line plays out to the five.
    void checkWin(ThinkLine& line);

    // The tables come with the first think, on its clock.
    void makeTables();

    EngineOptions options_;
    wuzi::SteadyClock steady_;
    TimeSource& clock_;
    std::unique_ptr<TranspositionTable> tt_;
    std::unique_ptr<ProofSearch> proof_;
    Board board_;
    std::atomic<bool> stop_{false};
};

} // namespace vesk
