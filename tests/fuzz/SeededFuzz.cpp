// wuzi_fuzz: plays seeded random sessions through the game session the window plays and checks
// every rule after every event. Deterministic: the same seed plays the same games.
//
//   wuzi_fuzz [--moves N] [--seconds S] [--seed S] [--require-coverage]
//   wuzi_fuzz --replay FILE [--trace]
//   wuzi_fuzz --make-seeds DIR [--seed S] | --check-seeds DIR
//
// A broken rule prints the last events and the board, saves the session's bytes to
// wuzi-fuzz-failure-SEED-SESSION.bin and exits 1; --replay plays such a file again (as
// does the libFuzzer target). The seed is printed first, so a long run that is cut short
// can be played again. At the end the process's memory and threads are compared with
// what they were once the first sessions had warmed it up: a leak across games (a table
// made for each game, a thread never joined) breaks the run too.
//
// --make-seeds writes the coverage-guided fuzzer's seed corpus (tests/fuzz/seeds/game):
// short sessions that together reach every mode, difficulty and menu command;
// --check-seeds plays such a corpus and checks that it still does.
#include "FuzzSession.h"
#include "SeedCorpus.h"
#include "SessionBytes.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <malloc.h>
#include <optional>
#include <string>
#include <vector>

using namespace wuzi::fuzz;

namespace {

constexpr std::size_t kSessionBytes = 4096;
constexpr long kReplayEvery = 25;
// The sessions after which the process counts as warmed up: every kind of table and
// thread has been made once.
constexpr long kWarmUpSessions = 50;
// Growth past the warmed-up figures that counts as a leak. The resident memory also grows
// with the allocator's per-thread arenas (13 MB over an hour's run), so its bound is far
// above that; the heap's bytes in use stay within tens of kilobytes, and a search table
// left behind by every game would pass its bound within a few dozen games.
constexpr long kLeakKilobytes = 48 * 1024;
constexpr long kHeapLeakKilobytes = 8 * 1024;

struct Options {
    long moves = 200000;
    double seconds = 0; // 0: no time limit
    unsigned long long seed = 1;
    bool requireCoverage = false;
    std::string replay;
    bool trace = false;
    std::string makeSeeds;
    std::string checkSeeds;
};

[[noreturn]] void usage() {
    std::fprintf(stderr, "usage: wuzi_fuzz [--moves N] [--seconds S] [--seed S] "
                         "[--require-coverage] | --replay FILE [--trace] | --make-seeds DIR "
                         "[--seed S] | --check-seeds DIR\n");
    std::exit(2);
}

Options parse(int argc, char** argv) {
    Options o;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        auto value = [&]() -> const char* { return i + 1 < argc ? argv[++i] : (usage(), ""); };
        if (arg == "--moves")
            o.moves = std::atol(value());
        else if (arg == "--seconds")
            o.seconds = std::atof(value());
        else if (arg == "--seed")
            o.seed = std::strtoull(value(), nullptr, 10);
        else if (arg == "--require-coverage")
            o.requireCoverage = true;
        else if (arg == "--replay")
            o.replay = value();
        else if (arg == "--trace")
            o.trace = true;
        else if (arg == "--make-seeds")
            o.makeSeeds = value();
        else if (arg == "--check-seeds")
            o.checkSeeds = value();
        else
            usage();
    }
    return o;
}

std::vector<std::uint8_t> sessionBytes(unsigned long long seed, long session) {
    std::mt19937_64 random(seed * 0x9E3779B97F4A7C15ULL + static_cast<unsigned long long>(session));
    return RandomBytes(random, kSessionBytes);
}

int fail(const Violation& v, const std::vector<std::uint8_t>& bytes, const std::string& saveAs) {
    std::fprintf(stderr, "BROKEN: %s\n%s", v.what.c_str(), v.report.c_str());
    if (!saveAs.empty()) {
        WriteBytes(saveAs, bytes);
        std::fprintf(stderr, "session saved: replay with  wuzi_fuzz --replay %s --trace\n",
                     saveAs.c_str());
    }
    return 1;
}

int replay(const Options& o) {
    if (!std::ifstream(o.replay)) {
        std::fprintf(stderr, "cannot read %s\n", o.replay.c_str());
        return 2;
    }
    std::vector<std::uint8_t> bytes = ReadBytes(o.replay);
    Stats stats;
    if (auto v = RunSession(bytes, stats, o.trace)) return fail(*v, bytes, "");
    std::printf("no rule broken\n%s", stats.Summary().c_str());
    return 0;
}

// The process's resident memory and threads, read from /proc, and the bytes its heap
// holds in use (0 where the allocator does not tell, as under the sanitizers).
struct Footprint {
    long residentKilobytes = 0;
    long heapKilobytes = 0;
    long threads = 0;
};

Footprint footprint() {
    Footprint f;
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmRSS:", 0) == 0) f.residentKilobytes = std::atol(line.c_str() + 6);
    std::error_code error;
    for (auto it = std::filesystem::directory_iterator("/proc/self/task", error);
         it != std::filesystem::directory_iterator(); ++it)
        ++f.threads;
    f.heapKilobytes = static_cast<long>(mallinfo2().uordblks / 1024);
    return f;
}

// What the run left behind beyond the warmed-up process, or nothing.
std::optional<Violation> leaked(const Footprint& warm, const Footprint& end) {
    std::printf("memory: %ld MB resident once warmed up, %ld MB at the end; heap in use %ld KB, "
                "%ld KB; threads %ld, %ld\n",
                warm.residentKilobytes / 1024, end.residentKilobytes / 1024, warm.heapKilobytes,
                end.heapKilobytes, warm.threads, end.threads);
    if (end.threads > warm.threads)
        return Violation{"threads left running across games: " + std::to_string(warm.threads) +
                             " once warmed up, " + std::to_string(end.threads) + " at the end",
                         ""};
    if (end.heapKilobytes > warm.heapKilobytes + kHeapLeakKilobytes)
        return Violation{"the heap's bytes in use grew across games from " +
                             std::to_string(warm.heapKilobytes) + " KB to " +
                             std::to_string(end.heapKilobytes) + " KB",
                         ""};
    if (end.residentKilobytes > warm.residentKilobytes + kLeakKilobytes)
        return Violation{"memory grew across games from " +
                             std::to_string(warm.residentKilobytes / 1024) + " MB to " +
                             std::to_string(end.residentKilobytes / 1024) + " MB",
                         ""};
    return std::nullopt;
}

// A game holds all its state: played again from the start, a session must do exactly
// what it did, or something reads memory it never set or keeps state between games.
bool playsAlike(const std::vector<std::uint8_t>& bytes, const Stats& first) {
    Stats again;
    return !RunSession(bytes, again) && again.fingerprint == first.fingerprint;
}

// The run must have reached every corner it is meant to cover; a harness that quietly
// stopped reaching one would prove nothing there.
bool covered(const Stats& s) {
    // Beyond what the seed corpus reaches: every way a game ends, and a late reply.
    std::vector<std::string> missing = Unreached(s);
    auto need = [&](bool holds, const char* what) {
        if (!holds) missing.push_back(what);
    };
    need(s.playerFives > 0, "a player's five");
    need(s.computerFives > 0, "a computer's five");
    need(s.draws > 0, "a draw on a full board");
    need(s.lateReplies > 0, "a reply of opponent 3 after other events");
    for (const std::string& what : missing)
        std::fprintf(stderr, "NOT COVERED: %s\n", what.c_str());
    return missing.empty();
}

} // namespace

int main(int argc, char** argv) {
    Options o = parse(argc, argv);
    if (!o.replay.empty()) return replay(o);
    if (!o.makeSeeds.empty()) return MakeSeedCorpus(o.makeSeeds, o.seed);
    if (!o.checkSeeds.empty()) return CheckSeedCorpus(o.checkSeeds);

    auto start = std::chrono::steady_clock::now();
    auto elapsed = [&] {
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    };
    std::printf("wuzi_fuzz seed %llu\n", o.seed);
    std::fflush(stdout);
    Stats total;
    long session = 0;
    std::optional<Footprint> warm;
    // Plays on until both the moves and the time asked for are reached.
    while (total.playerMoves < o.moves || elapsed() < o.seconds) {
        std::vector<std::uint8_t> bytes = sessionBytes(o.seed, session);
        Stats stats;
        std::string saveAs =
            "wuzi-fuzz-failure-" + std::to_string(o.seed) + "-" + std::to_string(session) + ".bin";
        if (auto v = RunSession(bytes, stats)) return fail(*v, bytes, saveAs);
        if (session % kReplayEvery == 0 && !playsAlike(bytes, stats))
            return fail({"the same session played differently the second time", ""}, bytes, saveAs);
        total += stats;
        if (++session == kWarmUpSessions) warm = footprint();
    }
    double seconds = elapsed();
    std::printf("seed %llu: %ld sessions in %.1f s, %.0f player moves a second\n%s", o.seed,
                session, seconds, static_cast<double>(total.playerMoves) / seconds,
                total.Summary().c_str());
    std::fflush(stdout);
    if (warm)
        if (auto v = leaked(*warm, footprint())) return fail(*v, {}, "");
    return o.requireCoverage && !covered(total) ? 1 : 0;
}
