#include "SeedCorpus.h"

#include "Episodes.h"
#include "SessionBytes.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>

namespace wuzi::fuzz {

namespace {

// Short sessions tried before the corpus maker gives up on reaching everything.
constexpr long kMostTries = 200000;

} // namespace

std::vector<std::string> Unreached(const Stats& s) {
    std::vector<std::string> missing;
    auto need = [&](bool holds, const std::string& what) {
        if (!holds) missing.push_back(what);
    };
    for (int m = 0; m < Stats::kModes; ++m)
        for (int d = 0; d < 3; ++d)
            need(s.gamesByModeAndLevel[m][d] > 0,
                 "a game of mode " + std::to_string(m) + " at difficulty " + std::to_string(d));
    for (int digit = 0; digit < 10; ++digit)
        need(s.gamesByDigit[digit] > 0, "a game for the seconds digit " + std::to_string(digit));
    need(s.endedFromMenu > 0, "a game ended from the menu");
    need(s.replacedByNewGame > 0, "a new game over a running one");
    need(s.takeBacks > 0, "a move taken back");
    need(s.hints > 0, "a hint during a game");
    need(s.twoPlayerGames > 0, "a game of two players");
    need(s.setUps > 0, "a position set up and played on");
    need(s.puzzles > 0 || ProgramPuzzles().empty(), "a puzzle tried");
    return missing;
}

int MakeSeedCorpus(const std::string& dir, unsigned long long seed) {
    std::filesystem::create_directories(dir);
    std::mt19937_64 random(seed);
    Stats reached;
    int kept = 0;
    for (long tried = 0; tried < kMostTries && !Unreached(reached).empty(); ++tried) {
        std::vector<std::uint8_t> bytes = RandomBytes(random, kSeedBytes);
        Stats stats;
        if (RunSession(bytes, stats)) continue; // a failing session is for the fuzzer to find
        Stats with = reached;
        with += stats;
        if (Unreached(with).size() == Unreached(reached).size()) continue;
        reached = with;
        char name[32];
        std::snprintf(name, sizeof name, "seed-%03d", kept++);
        WriteBytes(std::filesystem::path(dir) / name, bytes);
    }
    std::printf("%d seeds written to %s\n", kept, dir.c_str());
    for (const std::string& what : Unreached(reached))
        std::fprintf(stderr, "NOT REACHED: %s\n", what.c_str());
    return Unreached(reached).empty() ? 0 : 1;
}

int CheckSeedCorpus(const std::string& dir) {
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(dir))
        files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    Stats reached;
    for (const auto& path : files) {
        std::vector<std::uint8_t> bytes = ReadBytes(path);
        if (bytes.size() > kSeedBytes) {
            std::fprintf(stderr, "%s: %zu bytes, longer than the fuzzer's inputs\n", path.c_str(),
                         bytes.size());
            return 1;
        }
        if (auto v = RunSession(bytes, reached)) {
            std::fprintf(stderr, "%s: BROKEN: %s\n%s", path.c_str(), v->what.c_str(),
                         v->report.c_str());
            return 1;
        }
    }
    std::printf("%zu seeds\n%s", files.size(), reached.Summary().c_str());
    for (const std::string& what : Unreached(reached))
        std::fprintf(stderr, "NOT REACHED: %s\n", what.c_str());
    return Unreached(reached).empty() ? 0 : 1;
}

} // namespace wuzi::fuzz
