// vesk-suite: grows Vesk's test suites and the puzzle trainer's puzzles from self-play.
//
//   vesk-suite --out FILE [--seed 16] [--fours 200] [--threes 100] [--games 1000]
//       The threat suite (tests/vesk/data/threat-suite.txt): short wins found by the
//       engine's threat search and checked exhaustively (ThreatSuiteHunt.h).
//
//   vesk-suite --long [--seed 1] [--count 100] [--games 2000] [--budget 2000000] FILE
//       The long-win suite (tests/vesk/data/long-wins.txt) and its winning lines (FILE
//       with "-lines" before ".txt"): wins by fours, or by fours and threes, whose
//       shortest is 15 plies or more, found and judged by the tool's own threat-game
//       search (LongWinHunt.h, LongWin.h). The same seed and options write the same
//       files; --budget is the search nodes spent on one position. The suite was made
//       with --long --seed 1 --count 100 tests/vesk/data/long-wins.txt (run it niced).
//
//   vesk-suite --verify-long FILE [--budget 2000000]
//       Checks the long-win suite afresh (LongWinCheck.h); exits 1 on any fault.
//
//   vesk-suite --puzzles [--seed 1] [--count 90] [--games 1000] [--budget 2000000]
//              [--suites tests/vesk/data] FOLDER
//       The puzzle trainer's puzzles (习题), --count of each level, written to the four
//       files of FOLDER (assets/puzzles): wins by fours in 3 moves and in 5 or 6, by
//       fours and threes in 3 and in 4 to 6 (Puzzle.h), from self-play, each kept only
//       when the exhaustive check confirms it (PuzzleHunt.h). Positions of the threat
//       suites in --suites are left out. Run from the source tree, niced; the same seed
//       and options write the same files. The puzzles were made with
//       --puzzles --seed 1 --count 90 assets/puzzles.
//
//   vesk-suite --mend-puzzles [--seed 1] [--count 90] [--games 1000] [--budget 2000000]
//              [--suites tests/vesk/data] FOLDER
//       Keeps the puzzles of FOLDER's files that pass the check and hunts as --puzzles
//       does for new ones in the places of the others, of the same length where the
//       level still holds it, each named after the puzzle it replaces with a letter
//       added (PuzzleHunt.h). The puzzles were mended with --mend-puzzles --seed 2
//       assets/puzzles after the check came to try quiet stones.
//
//   vesk-suite --verify-puzzles [--suites tests/vesk/data] FOLDER
//       Checks every puzzle of FOLDER's files with the exhaustive check, and that no
//       position comes twice or from the suites (PuzzleCheck.h); exits 1 on any fault.
#include "LongWinCheck.h"
#include "LongWinHunt.h"
#include "PuzzleCheck.h"
#include "PuzzleHunt.h"
#include "SuiteFile.h"
#include "ThreatSuiteHunt.h"

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <map>
#include <set>
#include <string>

namespace {

struct Arguments {
    std::set<std::string> flags;
    std::map<std::string, std::string> values;
    std::string path;

    long number(const std::string& key, long fallback) const {
        auto v = values.find(key);
        return v == values.end() ? fallback : std::atol(v->second.c_str());
    }
};

Arguments parse(int argc, char** argv) {
    const std::set<std::string> flags{"--long", "--verify-long", "--puzzles", "--mend-puzzles",
                                      "--verify-puzzles"};
    Arguments args;
    for (int i = 1; i < argc; ++i) {
        std::string word = argv[i];
        if (flags.count(word))
            args.flags.insert(word);
        else if (word.rfind("--", 0) == 0 && i + 1 < argc)
            args.values[word] = argv[++i];
        else
            args.path = word;
    }
    return args;
}

double secondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

int huntLong(const Arguments& args) {
    HuntOptions options;
    options.seed = static_cast<unsigned>(args.number("--seed", options.seed));
    options.count = static_cast<int>(args.number("--count", options.count));
    options.games = static_cast<int>(args.number("--games", options.games));
    options.budget = args.number("--budget", options.budget);
    auto start = std::chrono::steady_clock::now();
    std::vector<FoundWin> found = huntLongWins(options, args.path, std::cerr);
    std::cerr << found.size() << " long wins in " << secondsSince(start) << " s\n";
    return 0;
}

int verifyLong(const Arguments& args) {
    auto start = std::chrono::steady_clock::now();
    std::vector<SuiteLine> entries = readSuite(args.path);
    auto faults = checkLongWins(entries, args.number("--budget", HuntOptions().budget), std::cerr);
    for (const auto& fault : faults)
        std::cout << fault << '\n';
    std::cout << entries.size() << " entries, " << faults.size() << " faults, "
              << secondsSince(start) << " s\n";
    return faults.empty() && !entries.empty() ? 0 : 1;
}

// The threat suites, whose positions the puzzles leave out.
std::vector<std::string> suitePaths(const Arguments& args) {
    auto folder = args.values.find("--suites");
    std::string suites = folder == args.values.end() ? "tests/vesk/data" : folder->second;
    return {suites + "/threat-suite.txt", suites + "/long-wins.txt"};
}

PuzzleOptions puzzleOptions(const Arguments& args) {
    PuzzleOptions options;
    options.seed = static_cast<unsigned>(args.number("--seed", options.seed));
    options.count = static_cast<int>(args.number("--count", options.count));
    options.games = static_cast<int>(args.number("--games", options.games));
    options.budget = args.number("--budget", options.budget);
    return options;
}

int huntPuzzleFiles(const Arguments& args) {
    auto start = std::chrono::steady_clock::now();
    auto puzzles = args.flags.count("--mend-puzzles")
                       ? mendPuzzles(puzzleOptions(args), args.path, suitePaths(args), std::cerr)
                       : huntPuzzles(puzzleOptions(args), args.path, suitePaths(args), std::cerr);
    for (std::size_t i = 0; i < puzzles.size(); ++i)
        std::cerr << puzzleLevels()[i].file << ": " << puzzles[i].size() << " puzzles\n";
    std::cerr << secondsSince(start) << " s\n";
    return 0;
}

int verifyPuzzles(const Arguments& args) {
    auto start = std::chrono::steady_clock::now();
    auto faults = checkPuzzles(args.path, suitePaths(args), std::cerr);
    for (const auto& fault : faults)
        std::cout << fault << '\n';
    std::cout << faults.size() << " faults, " << secondsSince(start) << " s\n";
    return faults.empty() ? 0 : 1;
}

int huntThreats(const Arguments& args) {
    ThreatSuiteOptions options;
    options.seed = static_cast<unsigned>(args.number("--seed", options.seed));
    options.fours = args.number("--fours", options.fours);
    options.threats = args.number("--threes", options.threats);
    options.games = args.number("--games", options.games);
    std::ofstream out(args.values.at("--out"), std::ios::app);
    huntThreatSuite(options, out);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    Arguments args = parse(argc, argv);
    if (args.flags.count("--long") && !args.path.empty()) return huntLong(args);
    if (args.flags.count("--verify-long") && !args.path.empty()) return verifyLong(args);
    if ((args.flags.count("--puzzles") || args.flags.count("--mend-puzzles")) && !args.path.empty())
        return huntPuzzleFiles(args);
    if (args.flags.count("--verify-puzzles") && !args.path.empty()) return verifyPuzzles(args);
    if (args.values.count("--out")) return huntThreats(args);
    std::cerr << "usage: vesk-suite --out FILE [--seed S] [--fours N] [--threes N] [--games N]\n"
                 "       vesk-suite --long [--seed S] [--count N] [--games N] [--budget NODES] "
                 "FILE\n"
                 "       vesk-suite --verify-long FILE [--budget NODES]\n"
                 "       vesk-suite --puzzles [--seed S] [--count N] [--games N] [--budget NODES] "
                 "[--suites DIR] FOLDER\n"
                 "       vesk-suite --mend-puzzles [--seed S] [--count N] [--games N] "
                 "[--budget NODES] "
                 "[--suites DIR] FOLDER\n"
                 "       vesk-suite --verify-puzzles [--suites DIR] FOLDER\n";
    return 2;
}
