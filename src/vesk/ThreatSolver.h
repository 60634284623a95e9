#pragma once

#include "vesk/Board.h"
#include "vesk/TimeManager.h"

#include <cstdint>
#include <vector>

// Threat-space search for the side to move: a forced five through continuous fours
// (VCF), or through fours and open threes (VCT) against every defence that stops the
// three and every counter-four. Results are in plies up to and including the five; 0
// means no win was found within the limits.
namespace vesk {

class ThreatSolver {
  public:
    struct Limits {
        int fours = 20;    // fours the attacker may play in a row (VCF)
        int threats = 4;   // threes the attacker may play (VCT)
        long nodes = 1000; // trial stones for one question
        // With a clock, the question also ends once it reads `untilMs`.
        const TimeManager* time = nullptr;
        std::int64_t untilMs = 0;
    };

    explicit ThreatSolver(int cacheBits = 16);

    int vcf(Board& b, Limits limits, std::vector<Pos>* line = nullptr);
    int vct(Board& b, Limits limits, std::vector<Pos>* line = nullptr);

    long nodes() const { return totalNodes_; }

  private:
    int vcfAttack(Board& b, int fours, std::vector<Pos>* line);
    int afterFour(Board& b, Pos move, int fours, std::vector<Pos>* line);
    int vctAttack(Board& b, int threats, Pos* first);
    int vctDefend(Board& b, int threats);
    int afterAttack(Board& b, Pos move, int threats);
    bool spend();
    void start(Limits limits);

    // Answers by position and question: a win in `plies`, or no win with `depth` left.
    struct Slot {
        std::uint64_t key = 0;
        std::int16_t depth = -1;
        std::int16_t plies = 0;
    };
    Slot* probe(std::uint64_t key);
    void store(std::uint64_t key, int depth, int plies);

    std::vector<Slot> cache_;
    std::uint64_t mask_;
    Limits limits_;
    long nodes_ = 0;
    long totalNodes_ = 0;
    bool exhausted_ = false;
};

} // namespace vesk
