#include "PuzzleCheck.h"

#include "AnyStoneCheck.h"
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

int shortestOf(ExhaustiveCheck check, const PuzzleLevel& level, int moves) {
    return level.byFours ? check.shortestByFours(moves) : check.shortestByThreats(moves);
}

// Any stone may win: a quiet one too, after which the defender plays where it likes.
bool winsSooner(const std::vector<int>& stones, int moves) {
    return AnyStoneCheck(stones).winsWithin(moves - 1);
}

std::string winFault(const Puzzle& p, const PuzzleLevel& level) {
    if (level.byFours) {
        if (shortestOf(ExhaustiveCheck::ofCells(p.stones), level, p.moves) != pliesOf(p.moves))
            return "the shortest win by fours is not MOVES";
    } else {
        if (ExhaustiveCheck::ofCells(p.stones).winsByFours(kEveryStone))
            return "a win by fours exists";
        if (shortestOf(ExhaustiveCheck::ofCells(p.stones), level, p.moves) != pliesOf(p.moves))
            return "the shortest win by fours and threes is not MOVES";
    }
    if (winsSooner(p.stones, p.moves)) return "a shorter win exists, any stone allowed";
    return "";
}

std::string lineFaultOf(const Puzzle& p, const PuzzleLevel& level) {
    return lineFault({level.byFours, pliesOf(p.moves), p.stones, p.line});
}

// Each attacker stone of the line forces five within the moves left, against every
// defence; after each answer the attacker needs all the moves left, so no answer could
// have held out longer.
std::string lineWinFault(const Puzzle& p, const PuzzleLevel& level) {
    std::vector<int> position = p.stones;
    for (int k = 0; k + 1 < p.moves; ++k) {
        int left = p.moves - k;
        if (!ExhaustiveCheck::ofCells(position).winsWith(p.line[2 * k], left, !level.byFours))
            return "the line's stone " + std::to_string(2 * k + 1) + " does not win";
        position.push_back(p.line[2 * k]);
        position.push_back(p.line[2 * k + 1]);
        if (shortestOf(ExhaustiveCheck::ofCells(position), level, left - 1) != pliesOf(left - 1) ||
            winsSooner(position, left - 1))
            return "the line's answer " + std::to_string(2 * k + 2) + " does not hold out longest";
    }
    return "";
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

// The name of the `index`th puzzle of the level, or that name with a letter added: a
// later puzzle in the place of an earlier one (f5-062b).
bool namedFor(const std::string& name, const PuzzleLevel& level, std::size_t index) {
    std::string first = puzzleName(level, static_cast<int>(index));
    if (name == first) return true;
    return name.size() == first.size() + 1 && name.rfind(first, 0) == 0 && name.back() >= 'b' &&
           name.back() <= 'z';
}

// "fours-3.txt 2 f3-002": where a puzzle is.
std::string placeOf(const PuzzleLevel& level, std::size_t index, const Puzzle& p) {
    return std::string(level.file) + " " + std::to_string(index + 1) + " " + p.name;
}

} // namespace

std::string puzzleFault(const Puzzle& p, const PuzzleLevel& level) {
    if (p.moves < level.leastMoves || p.moves > level.mostMoves)
        return "MOVES is out of the level's range";
    std::string fault = positionFault(p);
    if (fault.empty()) fault = lineFaultOf(p, level);
    if (fault.empty()) fault = winFault(p, level);
    return fault.empty() ? lineWinFault(p, level) : fault;
}

std::vector<std::string> folderFaults(const std::string& folder,
                                      const std::vector<std::string>& suites) {
    std::vector<std::string> faults;
    for (const std::string& path : suites)
        if (readSuite(path).empty()) faults.push_back(path + ": no entries to compare with");
    std::map<std::string, std::string> seen = suitePositions(suites);
    for (const PuzzleLevel& level : puzzleLevels()) {
        std::vector<Puzzle> puzzles = readPuzzles(puzzlePath(folder, level));
        if (puzzles.empty()) faults.push_back(std::string(level.file) + ": no puzzles");
        for (std::size_t i = 0; i < puzzles.size(); ++i) {
            const Puzzle& p = puzzles[i];
            std::string where = placeOf(level, i, p) + ": ";
            if (!namedFor(p.name, level, i)) faults.push_back(where + "named out of order");
            if (p.stones.empty() || !stonesFault(p.stones).empty()) continue;
            auto [first, added] = seen.emplace(symmetryKey(gridOf(p.stones)), p.name);
            if (!added)
                faults.push_back(where + "the same position as " + first->second +
                                 ", turned or mirrored");
        }
    }
    return faults;
}

std::vector<std::string> checkPuzzles(const std::string& folder,
                                      const std::vector<std::string>& suites, std::ostream& log) {
    std::vector<std::string> faults = folderFaults(folder, suites);
    for (const PuzzleLevel& level : puzzleLevels()) {
        std::vector<Puzzle> puzzles = readPuzzles(puzzlePath(folder, level));
        for (std::size_t i = 0; i < puzzles.size(); ++i) {
            std::string where = placeOf(level, i, puzzles[i]);
            std::string fault = puzzleFault(puzzles[i], level);
            if (!fault.empty()) faults.push_back(where + ": " + fault);
            log << where << (fault.empty() ? ": good" : ": " + fault) << std::endl;
        }
    }
    return faults;
}

bool firstMoveWins(const Puzzle& p, const PuzzleLevel& level, int cell) {
    return ExhaustiveCheck::ofCells(p.stones).winsWith(cell, p.moves, !level.byFours);
}
