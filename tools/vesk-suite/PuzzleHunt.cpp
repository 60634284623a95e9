#include "PuzzleHunt.h"

#include "PuzzleCheck.h"
#include "PuzzleFile.h"
#include "PuzzleJudge.h"
#include "SelfPlay.h"
#include "SuiteFile.h"
#include "Symmetry.h"

#include <algorithm>
#include <array>
#include <fstream>
#include <map>
#include <ostream>
#include <set>

namespace {

constexpr int kPerGame = 2; // puzzles a level takes from one game
constexpr int kNoGame = -1;
constexpr int kLevels = 4;
// Free-style's first moves already give wins by threes; a level takes at most a quarter
// of its puzzles from positions of fewer stones than this.
constexpr std::size_t kOpeningStones = 12;

struct Found {
    Puzzle puzzle;
    int game;
};

// The puzzles kept so far, and what each level still wants.
class Catch {
  public:
    explicit Catch(int count) : count_(count) {}

    std::array<bool, kLevels> wanted(int game, int side, bool opening) const {
        std::array<bool, kLevels> wants{};
        for (int i = 0; i < kLevels; ++i)
            wants[i] = size(i) < count_ && inGame(i, game) < kPerGame &&
                       sideCount(i, side) < mostOfOne() && (!opening || openings_[i] < count_ / 4);
        return wants;
    }
    bool wants(int level, int game, const Puzzle& p) const {
        auto sameStart = [&](const Found& f) {
            return f.game == game && f.puzzle.line.front() == p.line.front();
        };
        auto length = lengths_.find({level, p.moves});
        bool oneLength = puzzleLevels()[level].mostMoves == puzzleLevels()[level].leastMoves;
        return (oneLength || length == lengths_.end() || length->second < mostOfOne()) &&
               std::none_of(found_[level].begin(), found_[level].end(), sameStart) &&
               (!mending_ || place(level, p.moves) != places_[level].end());
    }
    // A puzzle kept from before the hunt, of no game.
    void keep(int level, const Puzzle& p) { take(level, kNoGame, p); }
    // In a mend, a place to fill: a new puzzle of `moves` (or, with 0, of any length).
    void wantPlace(int level, int moves) {
        mending_ = true;
        places_[level].push_back(moves);
    }
    void take(int level, int game, const Puzzle& p) {
        if (mending_ && game != kNoGame) places_[level].erase(place(level, p.moves));
        found_[level].push_back({p, game});
        ++lengths_[{level, p.moves}];
        ++sides_[{level, static_cast<int>(p.stones.size() % 2)}];
        openings_[level] += p.stones.size() < kOpeningStones;
    }
    bool full() const {
        for (int i = 0; i < kLevels; ++i)
            if (size(i) < count_) return false;
        return true;
    }
    // The puzzles a level took from the games (not those kept), by length, then in the
    // order found.
    std::vector<Puzzle> fresh(int level) const {
        std::vector<Puzzle> taken;
        for (const Found& f : found_[level])
            if (f.game != kNoGame) taken.push_back(f.puzzle);
        std::stable_sort(taken.begin(), taken.end(),
                         [](const Puzzle& a, const Puzzle& b) { return a.moves < b.moves; });
        return taken;
    }
    // A level's puzzles, by length, then in the order found, named in that order.
    std::vector<Puzzle> puzzles(int level) const {
        std::vector<Puzzle> sorted;
        for (const Found& f : found_[level])
            sorted.push_back(f.puzzle);
        std::stable_sort(sorted.begin(), sorted.end(),
                         [](const Puzzle& a, const Puzzle& b) { return a.moves < b.moves; });
        for (std::size_t i = 0; i < sorted.size(); ++i)
            sorted[i].name = puzzleName(puzzleLevels()[level], static_cast<int>(i));
        return sorted;
    }

  private:
    // The place a new puzzle of `moves` fills: one of its length, else one of any.
    std::vector<int>::const_iterator place(int level, int moves) const {
        const std::vector<int>& open = places_[level];
        auto same = std::find(open.begin(), open.end(), moves);
        return same != open.end() ? same : std::find(open.begin(), open.end(), 0);
    }
    int size(int level) const { return static_cast<int>(found_[level].size()); }
    int mostOfOne() const { return (count_ * 3 + 4) / 5; }
    int inGame(int level, int game) const {
        return static_cast<int>(std::count_if(found_[level].begin(), found_[level].end(),
                                              [game](const Found& f) { return f.game == game; }));
    }
    int sideCount(int level, int side) const {
        auto n = sides_.find({level, side});
        return n == sides_.end() ? 0 : n->second;
    }

    int count_;
    std::array<std::vector<Found>, kLevels> found_;
    std::map<std::pair<int, int>, int> lengths_; // level, moves
    std::map<std::pair<int, int>, int> sides_;   // level, side to move
    std::array<int, kLevels> openings_{};
    bool mending_ = false;
    std::array<std::vector<int>, kLevels> places_;
};

class Hunt {
  public:
    Hunt(const PuzzleOptions& options, const std::vector<std::string>& suites, std::ostream& log)
        : options_(options), catch_(options.count), log_(log) {
        for (const std::string& path : suites)
            for (const SuiteLine& e : readSuite(path))
                seen_.insert(symmetryKey(gridOf(e.stones)));
    }

    // Judges the positions of a game; whether it gave any puzzle.
    bool lookAt(const std::vector<int>& moves, int game) {
        bool gave = false;
        // The last position holds the five (or the game ran out of moves).
        for (std::size_t k = 2; k < moves.size() && !catch_.full(); ++k) {
            std::vector<int> prefix(moves.begin(), moves.begin() + k);
            for (const auto& stones : positionsAround(prefix, options_.otherMoves))
                gave = judge(stones, game) || gave;
        }
        return gave;
    }
    const Catch& caught() const { return catch_; }
    Catch& caught() { return catch_; }
    // A position not to be looked at, nor any of its turns and mirrors.
    void see(const std::vector<int>& stones) { seen_.insert(symmetryKey(gridOf(stones))); }

  private:
    bool judge(const std::vector<int>& stones, int game) {
        LineGrid grid = gridOf(stones);
        std::array<bool, kLevels> wanted =
            catch_.wanted(game, grid.sideToMove(), stones.size() < kOpeningStones);
        if (std::none_of(wanted.begin(), wanted.end(), [](bool w) { return w; })) return false;
        // A position looked at once, in any orientation, is not looked at again.
        if (!seen_.insert(symmetryKey(grid)).second) return false;
        auto judged = judgePuzzle(grid, options_.budget, wanted);
        if (!judged) return false;
        Puzzle p{"", judged->moves, stones, judged->line};
        const PuzzleLevel& level = puzzleLevels()[judged->level];
        if (!catch_.wants(judged->level, game, p)) return false;
        std::string fault = puzzleFault(p, level);
        log_ << "game " << game << ": " << level.prefix << " in " << p.moves
             << (fault.empty() ? "" : ", refused by the exhaustive check: " + fault) << std::endl;
        if (!fault.empty()) return false;
        catch_.take(judged->level, game, p);
        return true;
    }

    const PuzzleOptions& options_;
    Catch catch_;
    std::ostream& log_;
    std::set<std::string> seen_;
};

std::string kindText(const PuzzleLevel& level) {
    std::string moves = std::to_string(level.leastMoves);
    if (level.mostMoves > level.leastMoves) moves += " to " + std::to_string(level.mostMoves);
    if (level.byFours)
        return "#   wins by continuous fours in " + moves +
               " moves, the shortest: no win is shorter, by\n"
               "#   fours, threes or quiet stones.\n";
    return "#   wins by fours and threes in " + moves +
           " moves, the shortest: no win is shorter,\n"
           "#   quiet stones allowed; no win by fours alone exists, however long.\n";
}

std::string optionsText(const PuzzleOptions& o, int gamesPlayed) {
    return " --seed " + std::to_string(o.seed) + " --count " + std::to_string(o.count) +
           " --games " + std::to_string(gamesPlayed) + " --budget " + std::to_string(o.budget) +
           " \\\n"
           "#       assets/puzzles\n";
}

std::string grownText(const PuzzleOptions& o, int gamesPlayed) {
    return "# Grown from Vesk's games against itself, from random two-stone openings, and\n"
           "# from positions one stone away from them (another likely stone of the side to\n"
           "# move), by\n"
           "#   build/tools/vesk-suite/vesk-suite --puzzles" +
           optionsText(o, gamesPlayed);
}

constexpr const char* kRunFrom = "# run from the source tree";

// How a file was made, as its header says: from its "Grown" line to the line that says
// where the commands run.
std::string madeText(const std::string& path) {
    std::ifstream in(path);
    std::string line, text;
    bool inside = false;
    while (std::getline(in, line) && line.rfind(kRunFrom, 0) != 0) {
        inside = inside || line.rfind("# Grown from", 0) == 0;
        if (inside) text += line + "\n";
    }
    return text;
}

std::string mendedText(const PuzzleOptions& o, int gamesPlayed) {
    return "# then mended by\n"
           "#   build/tools/vesk-suite/vesk-suite --mend-puzzles" +
           optionsText(o, gamesPlayed) +
           "# which kept every puzzle that passes the check and put a new puzzle of the level\n"
           "# grown as above in the place of each other one, named with a letter after its\n"
           "# number (f5-062b), so that what a player did of the old puzzle is not taken for\n"
           "# the new one;\n";
}

// "f5-062" -> "f5-062b" -> "f5-062c": the name of a new puzzle in an old one's place.
std::string nextName(const std::string& name) {
    if (!name.empty() && name.back() >= 'b' && name.back() < 'z')
        return name.substr(0, name.size() - 1) + static_cast<char>(name.back() + 1);
    return name + "b";
}

void writeAll(const Catch& caught, const PuzzleOptions& options, const std::string& folder,
              int gamesPlayed) {
    for (int i = 0; i < kLevels; ++i) {
        const PuzzleLevel& level = puzzleLevels()[i];
        writePuzzles(puzzlePath(folder, level),
                     puzzleHeader(level, grownText(options, gamesPlayed)), caught.puzzles(i));
    }
}

// Each place takes a new puzzle of its old one's length, if any; the places of lengths
// the level no longer holds take the rest, shortest first.
void fill(std::vector<Puzzle>& puzzles, const std::vector<std::size_t>& places,
          std::vector<Puzzle> fresh) {
    std::vector<std::size_t> open;
    for (std::size_t k : places) {
        auto same = std::find_if(fresh.begin(), fresh.end(),
                                 [&](const Puzzle& p) { return p.moves == puzzles[k].moves; });
        if (same == fresh.end()) {
            open.push_back(k);
            continue;
        }
        same->name = nextName(puzzles[k].name);
        puzzles[k] = *same;
        fresh.erase(same);
    }
    for (std::size_t i = 0; i < open.size() && i < fresh.size(); ++i) {
        fresh[i].name = nextName(puzzles[open[i]].name);
        puzzles[open[i]] = fresh[i];
    }
}

} // namespace

std::vector<std::vector<Puzzle>> huntPuzzles(const PuzzleOptions& options,
                                             const std::string& folder,
                                             const std::vector<std::string>& suites,
                                             std::ostream& log) {
    Hunt hunt(options, suites, log);
    std::mt19937 random(options.seed);
    vesk::Engine player({1, 16, options.seed});
    for (int game = 0; game < options.games && !hunt.caught().full(); ++game) {
        std::vector<int> moves = playGame(player, random, 200);
        if (hunt.lookAt(moves, game)) writeAll(hunt.caught(), options, folder, game + 1);
        log << "game " << game << " done: " << moves.size() << " stones" << std::endl;
    }
    std::vector<std::vector<Puzzle>> puzzles;
    for (int i = 0; i < kLevels; ++i)
        puzzles.push_back(hunt.caught().puzzles(i));
    return puzzles;
}

std::vector<std::vector<Puzzle>> mendPuzzles(const PuzzleOptions& options,
                                             const std::string& folder,
                                             const std::vector<std::string>& suites,
                                             std::ostream& log) {
    Hunt hunt(options, suites, log);
    std::vector<std::vector<Puzzle>> puzzles;
    std::vector<std::vector<std::size_t>> places(kLevels);
    for (int i = 0; i < kLevels; ++i) {
        const PuzzleLevel& level = puzzleLevels()[i];
        puzzles.push_back(readPuzzles(puzzlePath(folder, level)));
        for (std::size_t k = 0; k < puzzles[i].size(); ++k) {
            const Puzzle& p = puzzles[i][k];
            hunt.see(p.stones);
            std::string fault = puzzleFault(p, level);
            log << p.name << (fault.empty() ? ": kept" : ": to replace, " + fault) << std::endl;
            bool fits = p.moves >= level.leastMoves && p.moves <= level.mostMoves;
            if (fault.empty()) {
                hunt.caught().keep(i, p);
            } else {
                places[i].push_back(k);
                hunt.caught().wantPlace(i, fits ? p.moves : 0);
            }
        }
    }
    std::mt19937 random(options.seed);
    vesk::Engine player({1, 16, options.seed});
    int game = 0;
    for (; game < options.games && !hunt.caught().full(); ++game) {
        std::vector<int> moves = playGame(player, random, 200);
        hunt.lookAt(moves, game);
        log << "game " << game << " done: " << moves.size() << " stones" << std::endl;
    }
    for (int i = 0; i < kLevels; ++i) {
        const PuzzleLevel& level = puzzleLevels()[i];
        fill(puzzles[i], places[i], hunt.caught().fresh(i));
        std::string path = puzzlePath(folder, level);
        writePuzzles(path, puzzleHeader(level, madeText(path) + mendedText(options, game)),
                     puzzles[i]);
    }
    return puzzles;
}

std::string puzzleHeader(const PuzzleLevel& level, const std::string& made) {
    return "# 习题: positions where the side to move forces five, black (黑先胜) or white\n"
           "# (白先胜); free-style, five or more in a row wins. This file holds\n" +
           kindText(level) +
           "# A win's moves are the winner's stones, the five included (3 moves are 5 plies).\n"
           "#\n" +
           made + kRunFrom +
           ", which also writes the other levels' files. Each\n"
           "# puzzle was judged by the tool's own threat-game search and kept only when the\n"
           "# exhaustive checks (ExhaustiveCheck and AnyStoneCheck, code of their own that\n"
           "# shares none with the engine or that search) confirmed it: the win and its\n"
           "# length, no shorter win even with quiet stones, and the line, each of whose\n"
           "# winner's stones wins against every defence and each of whose answers holds out\n"
           "# longest. Every file is checked again by\n"
           "#   build/tools/vesk-suite/vesk-suite --verify-puzzles assets/puzzles\n"
           "# In the threat game the attacker plays only fours, or fours and threes; a three\n"
           "# is any stone after which some cell would give two cells of five. After a four\n"
           "# the defender takes its cell of five; after a three it may play anywhere, as it\n"
           "# may after a quiet stone, which the check of no shorter win tries too. No\n"
           "# four stands on the board, so the first stone is free. No position is another's,\n"
           "# turned or mirrored, in any of the four files, nor an entry's of Vesk's threat\n"
           "# suites (tests/vesk/data).\n"
           "#\n"
           "# One puzzle a line:  NAME MOVES STONE... / LINE...\n"
           "#   NAME   the puzzle's name\n"
           "#   MOVES  the shortest win's moves\n"
           "#   STONE  the stones in an order a game could have played them, black first, as\n"
           "#          column A-O and row 1-15 counted from the bottom; the side to move wins\n"
           "#   LINE   a winning line: the winner's stones with the longest-lasting answers,\n"
           "#          from the position to the five\n";
}
