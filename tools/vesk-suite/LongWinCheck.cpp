#include "LongWinCheck.h"

#include "ExhaustiveCheck.h"
#include "LongWin.h"
#include "Symmetry.h"

#include <ostream>
#include <set>

namespace {

// Every empty cell could hold an attacker stone.
constexpr int kEveryStone = LineGrid::kCells;

// Whether some empty cell would give `side` two cells of five.
bool hasDoubleFive(const LineGrid& grid, int side) {
    int fives[2];
    for (int c = 0; c < LineGrid::kCells; ++c)
        if (grid.isEmpty(c) && grid.fivesMadeBy(c, side, fives, 2) == 2) return true;
    return false;
}

std::string stonesFault(const std::vector<int>& stones) {
    LineGrid grid;
    for (int c : stones) {
        if (c < 0 || !grid.isEmpty(c)) return "a stone off the board or on a taken cell";
        if (grid.makesFive(c, grid.sideToMove())) return "a five among the stones";
        grid.place(c, grid.sideToMove());
    }
    return "";
}

std::string exhaustiveFault(const SuiteLine& e) {
    std::vector<std::pair<int, int>> cells;
    for (int c : e.stones)
        cells.push_back({c % LineGrid::kSize, c / LineGrid::kSize});
    ExhaustiveCheck check(cells);
    if (e.byFours && check.shortestByFours(LongWin::kMostStones) != e.plies)
        return "the exhaustive check's shortest win by fours differs";
    if (!e.byFours && check.winsByFours(kEveryStone)) return "a win by fours exists";
    return "";
}

std::string judgedFault(const SuiteLine& e, long budget) {
    auto win = findLongWin(gridOf(e.stones), budget);
    if (!win) return "no long win found afresh";
    if (win->byFours != e.byFours || win->plies != e.plies)
        return "judged afresh as " + std::string(win->byFours ? "VCF " : "VCT ") +
               std::to_string(win->plies);
    return "";
}

std::string entryFault(const SuiteLine& e, long budget) {
    if (e.plies < 2 * LongWin::kLeastStones - 1) return "not a long win";
    for (auto fault : {stonesFault(e.stones), lineFault(e), exhaustiveFault(e)})
        if (!fault.empty()) return fault;
    return judgedFault(e, budget);
}

} // namespace

std::string lineFault(const SuiteLine& entry) {
    if (static_cast<int>(entry.line.size()) != entry.plies) return "the line's length differs";
    LineGrid grid = gridOf(entry.stones);
    int attacker = grid.sideToMove(), defender = 1 - attacker;
    for (std::size_t i = 0; i < entry.line.size(); ++i) {
        int c = entry.line[i];
        if (c < 0 || !grid.isEmpty(c)) return "a line stone off the board or on a taken cell";
        bool last = i + 1 == entry.line.size();
        if (last) return grid.makesFive(c, attacker) ? "" : "the line ends without five";
        if (grid.makesFive(c, grid.sideToMove())) return "a five before the line's end";
        if (i % 2 == 1) {
            std::vector<int> fives = grid.fiveCells(attacker);
            if (fives.size() == 1 && fives[0] != c) return "a four left unblocked";
            grid.place(c, defender);
            continue;
        }
        std::vector<int> theirs = grid.fiveCells(defender);
        if (!theirs.empty() && (theirs.size() > 1 || theirs[0] != c))
            return "the defender's four left unblocked";
        grid.place(c, attacker);
        // A block must threaten too, or keep a three of the attacker's standing.
        bool threat =
            !grid.fiveCells(attacker).empty() || (!entry.byFours && hasDoubleFive(grid, attacker));
        if (!threat) return "an attacker stone that threatens nothing";
    }
    return "an empty line";
}

std::vector<std::string> checkLongWins(const std::vector<SuiteLine>& entries, long budget,
                                       std::ostream& log) {
    std::vector<std::string> faults;
    std::set<std::string> seen;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const SuiteLine& e = entries[i];
        std::string fault = entryFault(e, budget);
        if (fault.empty() && !seen.insert(symmetryKey(gridOf(e.stones))).second)
            fault = "the same position as an earlier entry, turned or mirrored";
        std::string name = "entry " + std::to_string(i + 1);
        if (!fault.empty()) faults.push_back(name + ": " + fault);
        log << name << (fault.empty() ? ": good" : ": " + fault) << std::endl;
    }
    return faults;
}
