#include "LongWinHunt.h"

#include "SelfPlay.h"
#include "Symmetry.h"

#include <algorithm>
#include <map>
#include <ostream>
#include <set>
#include <string>

namespace {

constexpr std::size_t kPerGame = 4;

// What the hunt still wants: each kind may fill at most three quarters of the suite,
// and each length of a kind at most a fifth, so that both kinds and long lines appear.
class Quota {
  public:
    explicit Quota(int count) : count_(count) {}

    bool wants(const LongWin& w) const {
        auto length = lengths_.find({w.byFours, w.plies});
        int sameLength = length == lengths_.end() ? 0 : length->second;
        return wantsKind(w.byFours) && sameLength < (count_ + 4) / 5;
    }
    bool wantsKind(bool byFours) const {
        auto kind = kinds_.find(byFours);
        return total_ < count_ && (kind == kinds_.end() || kind->second < count_ * 3 / 4);
    }
    void take(const LongWin& w) {
        ++total_;
        ++kinds_[w.byFours];
        ++lengths_[{w.byFours, w.plies}];
    }
    bool full() const { return total_ >= count_; }

  private:
    int count_;
    int total_ = 0;
    std::map<bool, int> kinds_;
    std::map<std::pair<bool, int>, int> lengths_;
};

// The position of `stones` and those one other stone of the side to move away.
std::vector<std::vector<int>> positionsAround(const std::vector<int>& stones, int others) {
    std::vector<std::vector<int>> positions{stones};
    LineGrid grid = gridOf(stones);
    for (int m : otherMoves(grid, others)) {
        if (grid.makesFive(m, grid.sideToMove())) continue;
        positions.push_back(stones);
        positions.back().push_back(m);
    }
    return positions;
}

// The positions looked at so far and the wins kept.
class Hunt {
  public:
    Hunt(const HuntOptions& options, std::ostream& log)
        : options_(options), quota_(options.count), log_(log) {}

    // Judges the positions of a game until it gives kPerGame wins; whether it gave any.
    bool lookAt(const std::vector<int>& moves, int game) {
        std::size_t before = found_.size();
        // The last position holds the five (or the game ran out of moves).
        for (std::size_t k = 2; k < moves.size(); ++k) {
            std::vector<int> prefix(moves.begin(), moves.begin() + k);
            for (const auto& stones : positionsAround(prefix, options_.otherMoves)) {
                if (quota_.full() || found_.size() >= before + kPerGame)
                    return found_.size() > before;
                judge(stones, game);
            }
        }
        return found_.size() > before;
    }
    bool full() const { return quota_.full(); }
    const std::vector<FoundWin>& found() const { return found_; }

  private:
    void judge(const std::vector<int>& stones, int game) {
        LineGrid grid = gridOf(stones);
        // A position judged once, in any orientation, is not judged again.
        if (!seen_.insert(symmetryKey(grid)).second) return;
        auto win = findLongWin(grid, options_.budget, quota_.wantsKind(false));
        if (!win || !quota_.wants(*win)) return;
        quota_.take(*win);
        found_.push_back({stones, *win});
        log_ << "game " << game << ": " << (win->byFours ? "VCF " : "VCT ") << win->plies
             << std::endl;
    }

    const HuntOptions& options_;
    Quota quota_;
    std::ostream& log_;
    std::set<std::string> seen_;
    std::vector<FoundWin> found_;
};

} // namespace

std::vector<FoundWin> huntLongWins(const HuntOptions& options, const std::string& path,
                                   std::ostream& log) {
    Hunt hunt(options, log);
    std::mt19937 random(options.seed);
    vesk::Engine player({1, 16, options.seed});
    for (int game = 0; game < options.games && !hunt.full(); ++game) {
        std::vector<int> moves = playGame(player, random, 200);
        if (hunt.lookAt(moves, game))
            writeSuite(path, longWinHeader(options, game + 1), suiteLines(hunt.found()));
        log << "game " << game << " done: " << moves.size() << " stones, " << hunt.found().size()
            << " kept" << std::endl;
    }
    return hunt.found();
}

std::vector<SuiteLine> suiteLines(const std::vector<FoundWin>& found) {
    std::vector<SuiteLine> lines;
    for (const FoundWin& f : found)
        lines.push_back({f.win.byFours, f.win.plies, f.stones, f.win.line});
    std::stable_sort(lines.begin(), lines.end(), [](const SuiteLine& a, const SuiteLine& b) {
        return a.byFours != b.byFours ? a.byFours : a.plies < b.plies;
    });
    return lines;
}

std::string longWinHeader(const HuntOptions& o, int gamesPlayed) {
    return "# Vesk's long wins: forced wins of 15 plies and more, grown from self-play by\n"
           "# tools/vesk-suite:\n"
           "#   build/tools/vesk-suite/vesk-suite --long --seed " +
           std::to_string(o.seed) + " --count " + std::to_string(o.count) + " --games " +
           std::to_string(gamesPlayed) + " --budget " + std::to_string(o.budget) +
           " \\\n"
           "#       tests/vesk/data/long-wins.txt\n"
           "# which also writes one winning line an entry to long-wins-lines.txt.\n"
           "# Positions are those of Vesk's games against itself from random two-stone\n"
           "# openings, and those one stone away from them (another likely stone of the side\n"
           "# to move). Each was judged by the tool's own search of the threat game, which\n"
           "# shares no code with the engine, and checked afresh by\n"
           "#   build/tools/vesk-suite/vesk-suite --verify-long tests/vesk/data/long-wins.txt\n"
           "# In the threat game the attacker plays only fours (VCF), or fours and threes (VCT);\n"
           "# a three is any stone after which some cell would give it two cells of five. After\n"
           "# a four the defender takes its cell of five; after a three it may play anywhere:\n"
           "# every cell after which no such double five is left, and every four of its own,\n"
           "# is searched, and any other stone loses at once to a double five still there. A\n"
           "# four of the defender's must be blocked first, and the line goes on only if it\n"
           "# still wins.\n"
           "#   VCF  the shortest win by fours is PLIES, and no win by fours and threes is\n"
           "#        shorter than 15 plies; the exhaustive check of ExhaustiveCheck (code of\n"
           "#        its own) finds the same shortest win by fours.\n"
           "#   VCT  there is no win by fours at all (the exhaustive check agrees), and the\n"
           "#        shortest win by fours and threes is PLIES.\n"
           "# No position is another's turned or mirrored.\n"
           "#\n"
           "# One position a line:  KIND PLIES STONE...\n"
           "#   KIND   VCF (by continuous fours) or VCT (by fours and threes)\n"
           "#   PLIES  the shortest win, the attacker's stones and the defender's answers up\n"
           "#          to and including the five\n"
           "#   STONE  the stones in the order played, black first, as column A-O and row 1-15\n"
           "#          counted from the bottom; the side to move wins\n";
}
