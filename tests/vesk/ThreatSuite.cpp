#include "ThreatSuite.h"

#include <fstream>
#include <sstream>

namespace vesk::test {

std::vector<SuiteEntry> readSuite(const std::string& path) {
    std::ifstream file(path);
    std::vector<SuiteEntry> entries;
    std::string line;
    while (std::getline(file, line)) {
        if (line.empty() || line[0] == '#') continue;
        std::istringstream in(line);
        SuiteEntry e;
        std::string kind, stone;
        in >> kind >> e.plies;
        e.byFours = kind == "VCF";
        while (in >> stone)
            e.stones.push_back(
                {stone[0] - 'A' + 1, wuzi::kBoardSize + 1 - std::stoi(stone.substr(1))});
        e.text = line;
        entries.push_back(e);
    }
    return entries;
}

} // namespace vesk::test
