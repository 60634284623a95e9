#pragma once

#include <string>
#include <vector>

// The long-win suite's two files. The suite (tests/vesk/data/long-wins.txt), after a
// header of '#' lines, holds one position a line:
//   KIND PLIES STONE...
// KIND VCF or VCT, PLIES the shortest win's plies up to and including the five, the
// stones in the order played, black first, as column A-O and row 1-15 counted from the
// bottom; the side to move wins. The lines file (long-wins-lines.txt beside it) holds,
// in the same order, one winning line a line: the stones from the position to the five.
struct SuiteLine {
    bool byFours = false;
    int plies = 0;
    std::vector<int> stones; // LineGrid cells
    std::vector<int> line;
};

std::string cellText(int cell);
int cellFromText(const std::string& text); // -1 when it names no cell

// The lines file of a suite file: "long-wins.txt" gives "long-wins-lines.txt".
std::string linesPath(const std::string& suitePath);

void writeSuite(const std::string& path, const std::string& header,
                const std::vector<SuiteLine>& entries);
// Entries without their lines when the lines file is missing or short.
std::vector<SuiteLine> readSuite(const std::string& path);
