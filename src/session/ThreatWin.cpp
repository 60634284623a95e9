#include "session/ThreatWin.h"

#include "session/ThreatAnswers.h"

#include "vesk/Defence.h"
#include "vesk/ThreatSolver.h"

namespace wuzi {

namespace {

using vesk::Board;
using vesk::Color;
using vesk::Pos;

// A line longer than this is not followed further: no threat search goes that deep.
constexpr std::size_t kLongestLine = 60;
// Once a win is found, playing it out may ask harder questions than finding it did:
// what the first search answered from its cache is asked afresh.
constexpr long kFollowFactor = 10;

// Finishes a line that ends in an unstoppable four: the defender blocks one end, the
// attacker fives at the other.
void playToFive(Board& b, Color attacker, std::vector<Pos>& line) {
    while (line.size() < kLongestLine && b.hasFivePoint(attacker)) {
        bool five = b.sideToMove() == attacker;
        line.push_back(vesk::findPoint(b, attacker, vesk::kFiveAny));
        b.play(line.back());
        if (five) return;
    }
}

class LineBuilder {
  public:
    LineBuilder(Board& b, long nodes) : b_(b), attacker_(b.sideToMove()) {
        limits_.nodes = nodes;
        followLimits_.nodes = nodes * kFollowFactor;
    }

    // Appends the win of fours from here, played out to five; false when there is none.
    bool byFours(std::vector<Pos>& line) {
        std::vector<Pos> fours;
        if (!solver_.vcf(b_, limitsFor(line), &fours)) return false;
        bool five = false;
        for (Pos p : fours) {
            five = b_.pattern4(p, b_.sideToMove()) == vesk::kFiveAny;
            b_.play(p);
            line.push_back(p);
        }
        if (!five) playToFive(b_, attacker_, line);
        return true;
    }

    // Appends the win of fours and threes from here: each attacking stone, and the answer
    // after which the attacker needs the most stones. Stops early should the search lose
    // the thread within its budget.
    void byThreats(std::vector<Pos>& line) {
        while (line.size() < kLongestLine && !byFours(line)) {
            std::vector<Pos> first;
            if (!solver_.vct(b_, limitsFor(line), &first)) return;
            line.push_back(first.front());
            b_.play(first.front());
            Pos answer = longestDefence();
            if (answer == vesk::kNoPos) return;
            line.push_back(answer);
            b_.play(answer);
        }
    }

  private:
    const vesk::ThreatSolver::Limits& limitsFor(const std::vector<Pos>& line) const {
        return line.empty() ? limits_ : followLimits_;
    }

    // An answer the search cannot see through within its budget is passed over.
    Pos longestDefence() {
        Pos longest = vesk::kNoPos;
        int most = 0;
        for (Pos answer : ThreatAnswers(b_, attacker_)) {
            vesk::TrialStone stone(b_, answer);
            int plies = solver_.vct(b_, followLimits_);
            if (plies > most) most = plies, longest = answer;
        }
        return longest;
    }

    Board& b_;
    Color attacker_;
    vesk::ThreatSolver solver_{18};
    vesk::ThreatSolver::Limits limits_;
    vesk::ThreatSolver::Limits followLimits_;
};

} // namespace

ThreatWin FindThreatWin(const std::vector<Cell>& stones, long nodes) {
    Board b;
    for (Cell c : stones)
        b.play(vesk::fromCell(c));
    LineBuilder builder(b, nodes);
    std::vector<Pos> line;
    ThreatWin win;
    if (builder.byFours(line)) {
        win.kind = ThreatKind::Fours;
    } else {
        builder.byThreats(line);
        if (!line.empty()) win.kind = ThreatKind::FoursAndThrees;
    }
    for (Pos p : line)
        win.line.push_back(vesk::toCell(p));
    return win;
}

} // namespace wuzi
