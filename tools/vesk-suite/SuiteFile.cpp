#include "SuiteFile.h"

#include "LineGrid.h"

#include <fstream>
#include <sstream>

namespace {

std::string movesText(const std::vector<int>& cells) {
    std::string text;
    for (int c : cells)
        text += (text.empty() ? "" : " ") + cellText(c);
    return text;
}

std::vector<int> cellsOf(std::istream& in) {
    std::vector<int> cells;
    std::string word;
    while (in >> word)
        cells.push_back(cellFromText(word));
    return cells;
}

// The next line that is not a '#' comment, or false at the end.
bool nextEntry(std::istream& in, std::string& line) {
    while (std::getline(in, line))
        if (!line.empty() && line[0] != '#') return true;
    return false;
}

} // namespace

std::string cellText(int cell) {
    constexpr int n = LineGrid::kSize;
    return std::string(1, static_cast<char>('A' + cell % n)) + std::to_string(n - cell / n);
}

int cellFromText(const std::string& text) {
    constexpr int n = LineGrid::kSize;
    if (text.size() < 2 || text[0] < 'A' || text[0] >= 'A' + n) return -1;
    int row = std::atoi(text.c_str() + 1);
    if (row < 1 || row > n || std::to_string(row) != text.substr(1)) return -1;
    return (n - row) * n + (text[0] - 'A');
}

std::string linesPath(const std::string& suitePath) {
    std::size_t dot = suitePath.rfind(".txt");
    std::string stem = dot == std::string::npos ? suitePath : suitePath.substr(0, dot);
    return stem + "-lines.txt";
}

void writeSuite(const std::string& path, const std::string& header,
                const std::vector<SuiteLine>& entries) {
    std::ofstream suite(path), lines(linesPath(path));
    suite << header;
    lines << "# The winning lines of " << path.substr(path.rfind('/') + 1)
          << ", one a line in the same order: the\n"
             "# attacker's stones with the defender's longest-lasting answers, from the "
             "position\n# to the five; a line's length is its entry's PLIES.\n";
    for (const SuiteLine& e : entries) {
        suite << (e.byFours ? "VCF " : "VCT ") << e.plies << ' ' << movesText(e.stones) << '\n';
        lines << movesText(e.line) << '\n';
    }
}

std::vector<SuiteLine> readSuite(const std::string& path) {
    std::ifstream suite(path), lines(linesPath(path));
    std::vector<SuiteLine> entries;
    std::string text, lineText;
    while (nextEntry(suite, text)) {
        std::istringstream in(text);
        std::string kind;
        SuiteLine e;
        in >> kind >> e.plies;
        e.byFours = kind == "VCF";
        if (kind != "VCF" && kind != "VCT") e.plies = 0; // no entry of either kind
        e.stones = cellsOf(in);
        if (nextEntry(lines, lineText)) {
            std::istringstream line(lineText);
            e.line = cellsOf(line);
        }
        entries.push_back(e);
    }
    return entries;
}
