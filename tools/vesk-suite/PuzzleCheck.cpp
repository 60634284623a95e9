#include "PuzzleCheck.h"

#include "ExhaustiveCheck.h"
#include "LineGrid.h"
#include "LongWinCheck.h"
#include "PuzzleFile.h"
#include "SuiteFile.h"
#include "Symmetry.h"

#include <map>
#include <ostream>

namespace {

// Every empty cell could hold an attacker stone.
constexpr int kEveryStone = LineGrid::kCells;

int pliesOf(int moves) {
    return 2 * moves - 1;
}

std::string positionFault(const Puzzle& p) {
    std::string fault = stonesFault(p.stones);
    if (!fault.empty()) return fault;
    LineGrid grid = gridOf(p.stones);
    if (grid.hasFiveCell(0) || grid.hasFiveCell(1)) return "a four stands on the board";
    return "";
}

std::string winFault(const Puzzle& p, const PuzzleLevel& level) {
    if (level.byFours) {
        if (ExhaustiveCheck::ofCells(p.stones).shortestByFours(p.moves) != pliesOf(p.moves))
            return "the shortest win by fours is not MOVES";
        if (ExhaustiveCheck::ofCells(p.stones).shortestByThreats(p.moves - 1) != 0)
            return "a win by fours and threes is shorter";
        return "";
    }
    if (ExhaustiveCheck::ofCells(p.stones).winsByFours(kEveryStone)) return "a win by fours exists";
    if (ExhaustiveCheck::ofCells(p.stones).shortestByThreats(p.moves) != pliesOf(p.moves))
        return "the shortest win by fours and threes is not MOVES";
    return "";
}

std::string lineFaultOf(const Puzzle& p, const PuzzleLevel& level) {
    return lineFault({level.byFours, pliesOf(p.moves), p.stones, p.line});
}

// The positions of the suite files, by their symmetry keys.
std::map<std::string, std::string> suitePositions(const std::vector<std::string>& suites) {
    std::map<std::string, std::string> keys;
    for (const std::string& path : suites) {
        std::vector<SuiteLine> entries = readSuite(path);
        for (std::size_t i = 0; i < entries.size(); ++i)
            keys.emplace(symmetryKey(gridOf(entries[i].stones)),
                         path.substr(path.rfind('/') + 1) + " entry " + std::to_string(i + 1));
    }
    return keys;
}

// Checks the files' shape and positions, apart from each puzzle's win.
class FolderCheck {
  public:
    explicit FolderCheck(const std::vector<std::string>& suites) : seen_(suitePositions(suites)) {
        for (const std::string& path : suites)
            if (readSuite(path).empty()) faults_.push_back(path + ": no entries to compare with");
    }

    std::string placeFault(const Puzzle& p, const PuzzleLevel& level, int index) {
        if (p.name != puzzleName(level, index)) return "named out of order";
        if (p.stones.empty() || !stonesFault(p.stones).empty()) return "";
        auto [where, added] = seen_.emplace(symmetryKey(gridOf(p.stones)), p.name);
        return added ? "" : "the same position as " + where->second + ", turned or mirrored";
    }

    std::vector<std::string>& faults() { return faults_; }

  private:
    std::map<std::string, std::string> seen_;
    std::vector<std::string> faults_;
};

} // namespace

std::string puzzleFault(const Puzzle& p, const PuzzleLevel& level) {
    if (p.moves < level.leastMoves || p.moves > level.mostMoves)
        return "MOVES is out of the level's range";
    std::string fault = positionFault(p);
    if (fault.empty()) fault = lineFaultOf(p, level);
    return fault.empty() ? winFault(p, level) : fault;
}

std::vector<std::string> checkPuzzles(const std::string& folder,
                                      const std::vector<std::string>& suites, std::ostream& log) {
    FolderCheck folderCheck(suites);
    std::vector<std::string>& faults = folderCheck.faults();
    for (const PuzzleLevel& level : puzzleLevels()) {
        std::vector<Puzzle> puzzles = readPuzzles(puzzlePath(folder, level));
        if (puzzles.empty()) faults.push_back(std::string(level.file) + ": no puzzles");
        for (std::size_t i = 0; i < puzzles.size(); ++i) {
            const Puzzle& p = puzzles[i];
            std::string fault = folderCheck.placeFault(p, level, static_cast<int>(i));
            if (fault.empty()) fault = puzzleFault(p, level);
            std::string where =
                std::string(level.file) + " " + std::to_string(i + 1) + " " + p.name;
            if (!fault.empty()) faults.push_back(where + ": " + fault);
            log << where << (fault.empty() ? ": good" : ": " + fault) << std::endl;
        }
    }
    return faults;
}

bool firstMoveWins(const Puzzle& p, const PuzzleLevel& level, int cell) {
    return ExhaustiveCheck::ofCells(p.stones).winsWith(cell, p.moves, !level.byFours);
}
