#pragma once

#include "vesk/Board.h"
#include "vesk/MoveList.h"
#include "vesk/TimeManager.h"

#include <atomic>
#include <cstdint>
#include <vector>

// Proof-number search for a forced five of the side to move by threats: by fours alone,
// or by fours and open threes. The attacker plays a four or an open three at every turn
// (or blocks the defender's four); the defender answers a four with its block and an
// open three with every defence and every four of its own. The search goes depth first,
// following the move whose proof or disproof looks cheapest and keeping what it learns in
// a table of its own, so that it reaches wins of twenty to thirty plies.
namespace vesk {

// What one entry of the proof search's table takes.
inline constexpr std::size_t kProofEntryBytes = 24;

class ProofSearch {
  public:
    struct Limits {
        bool foursOnly = false;
        long nodes = 100000; // trial stones
        // With a clock, the search also ends once it reads `untilMs`.
        const TimeManager* time = nullptr;
        std::int64_t untilMs = 0;
        const std::atomic<bool>* stop = nullptr;
    };

    explicit ProofSearch(int tableBits = 20);

    // The plies up to and including the five of a win proved within the limits, 0 when
    // none was: the length of the line the proof shows, the attacker taking its quickest
    // proved way and the defender resisting longest, played out to the five. The line
    // goes to `line` if asked for.
    int solve(Board& b, const Limits& limits, std::vector<Pos>* line = nullptr);
    // Whether the side to move, facing a four or an open three, was proved lost within the
    // limits: every answer, its own fours included, leaves the other side a win by threats.
    bool provesLoss(Board& b, const Limits& limits);

    // The last question was answered no: there is no win in the threats' game at all.
    bool disproved() const { return disproved_; }
    void clear();
    long nodes() const { return totalNodes_; }

  private:
    struct Entry {
        std::uint64_t key = 0;
        std::uint32_t proof = 0;
        std::uint32_t disproof = 0;
        std::uint32_t work = 0; // trial stones spent below the node
        std::uint16_t plies = 0;
    };
    static_assert(sizeof(Entry) == kProofEntryBytes);
    struct Numbers {
        std::uint32_t proof = 1;
        std::uint32_t disproof = 1;
        int plies = 0;
    };

    void search(Board& b, bool attacker, std::uint32_t proofLimit, std::uint32_t disproofLimit);
    bool terminal(const Board& b, bool attacker, Numbers& result) const;
    void listMoves(const Board& b, bool attacker, MoveList& moves) const;
    Numbers child(const Board& b, Pos move) const;
    std::uint64_t keyOf(std::uint64_t hash) const;
    bool lookup(std::uint64_t key, Numbers& n) const;
    void store(std::uint64_t key, const Numbers& numbers, std::uint32_t work);
    bool outOfBudget();
    // Searches the root, the attacker's turn or the defender's, and reads it back.
    Numbers searchRoot(Board& b, bool attacker, const Limits& limits);
    void extractLine(Board& b, bool attacker, std::vector<Pos>& line, bool relearned);

    static constexpr int kBucketSize = 4;
    std::vector<Entry> table_; // buckets of kBucketSize entries
    std::uint64_t mask_;
    Limits limits_;
    Color attacker_ = kBlack;
    long nodes_ = 0;
    long checks_ = 0;
    long totalNodes_ = 0;
    bool exhausted_ = false;
    bool disproved_ = false;
};

} // namespace vesk
