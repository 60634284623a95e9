#pragma once

#include "Board.h"

#include <cstdint>
#include <vector>

// Threat-space search: can the attacker, moving now, force five through an unbroken
// series of threats the defender must answer? VCF uses fours only; VCT also threes,
// against every defence that stops the three and every counter-four.
namespace bookgen {

// Cells where a stone of `s` makes five.
std::vector<int> fivePoints(const Board& b, Stone s);

class ThreatSolver {
  public:
    struct Limits {
        int vcfDepth = 12;  // fours in a row
        int vctDepth = 4;   // threats that may be threes
        long nodes = 40000; // per question; a spent budget answers "no win"
    };

    ThreatSolver() = default;
    explicit ThreatSolver(Limits limits) : limits_(limits) {}

    // The first move of a forced win for `attacker`, moving now, or -1.
    int vcf(Board& b, Stone attacker);
    int vct(Board& b, Stone attacker);

    // Those of `tries`, moves of the attacker's opponent, after which the attacker
    // (then moving) surely has no forced win: by fours only, or by fours and threes. A
    // try whose search runs out of budget is not counted.
    std::vector<int> refutations(Board& b, Stone attacker, const std::vector<int>& tries,
                                 bool foursOnly);

  private:
    int vcfAttack(Board& b, Stone att, int depth);
    int vctAttack(Board& b, Stone att, int depth);
    bool vctDefend(Board& b, Stone att, int depth);
    bool budgetLeft();
    std::uint64_t key(const Board& b, int kind, Stone att, int depth) const;
    bool cached(std::uint64_t key, int& result) const;
    void remember(std::uint64_t key, int result);
    void startQuestion();

    // Answers already found, by position and question; a newer answer takes the slot.
    struct Slot {
        std::uint64_t key = 0;
        int result = 0;
    };

    Limits limits_;
    long nodes_ = 0;
    bool spent_ = false; // a "no" found after the budget ran out is not exact
    std::vector<Slot> cache_ = std::vector<Slot>(std::size_t{1} << 20);
};

} // namespace bookgen
