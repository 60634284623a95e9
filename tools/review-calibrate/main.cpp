// review-calibrate: how the game review judges Vesk's play against itself.
//
//   review-calibrate [--games 10] [--from 0] [--play-ms 2000 | --play-nodes N]
//                    [--review-ms 500 | --review-nodes N] [--openings FILE] [--records DIR]
//                    [--moves FILE]
//   review-calibrate --review DIR [--review-ms 500 | --review-nodes N] [--moves FILE]
//
// Vesk plays itself at 高级 (each side an engine of its own, --play-ms a move) from the
// two-stone openings of FILE (tools/match/data/openings-2stone.txt; --games of them from
// the one numbered --from), and every game is
// reviewed as 复盘分析 reviews it. --records keeps the games as PSQ files; --review
// reviews such a directory again without playing. Counts of nodes instead of times
// (400000 a move is about 高级's two seconds on one free core, 100000 a position the
// review's half second) make the measure independent of the machine's load: a loaded
// machine searches less deeply in the same time, and both plays and reviews worse.
// It prints:
//   - the marks earned, and how often the mover's chance dropped by more than 10 and
//     20 points, with the largest drops: the marks' thresholds are set so that 失误
//     stays almost unseen in this play;
//   - the chances' confidence: the factor k for which black's chance, as logistic odds
//     multiplied by k, best predicts the results (maximum likelihood). k near 1 means
//     the chances are calibrated; a logistic map's scale should be divided by k.
// --moves writes every move as a tab-separated line for a closer look.
#include "Openings.h"

#include "rules/Psq.h"
#include "rules/WinningLine.h"
#include "session/Coordinates.h"
#include "session/GameReview.h"
#include "session/WinChance.h"
#include "vesk/Levels.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

using wuzi::Cell;
using wuzi::GameRecord;

std::map<std::string, std::string> parseArguments(int argc, char** argv) {
    std::map<std::string, std::string> args;
    for (int i = 1; i + 1 < argc; i += 2)
        args[argv[i]] = argv[i + 1];
    return args;
}

long number(const std::map<std::string, std::string>& args, const std::string& key, long fallback) {
    auto it = args.find(key);
    return it == args.end() ? fallback : std::atol(it->second.c_str());
}

bool endsInFive(const GameRecord& game) {
    return !game.moves.empty() &&
           !wuzi::WinningLine(wuzi::BoardAfter(game, game.moves.size()), game.moves.back()).empty();
}

// Vesk against itself from the opening, each colour an engine of its own.
GameRecord playGame(const Opening& opening, long playMs, long playNodes) {
    vesk::ThinkLimits limits = vesk::limitsForDifficulty(2);
    limits.turnMs = playNodes > 0 ? 0 : playMs;
    limits.nodes = playNodes;
    vesk::Engine black, white;
    GameRecord game{opening};
    while (game.moves.size() < static_cast<std::size_t>(wuzi::kCellCount) && !endsInFive(game)) {
        vesk::Engine& engine = wuzi::isBlackMove(game.moves.size()) ? black : white;
        engine.setPosition(game.moves);
        vesk::ThinkResult r = engine.think(limits);
        if (wuzi::isNoCell(r.move)) break;
        game.moves.push_back(r.move);
    }
    return game;
}

std::vector<GameRecord> playGames(const std::map<std::string, std::string>& args) {
    std::ifstream file(args.count("--openings") ? args.at("--openings")
                                                : "tools/match/data/openings-2stone.txt");
    std::vector<Opening> openings = readOpenings(file);
    long from = number(args, "--from", 0);
    long to =
        std::min<long>(from + number(args, "--games", 10), static_cast<long>(openings.size()));
    std::vector<GameRecord> games;
    for (long i = from; i < to; ++i) {
        games.push_back(playGame(openings[i], number(args, "--play-ms", 2000),
                                 number(args, "--play-nodes", 0)));
        std::cerr << "played opening " << i << ", " << games.back().moves.size() << " moves\n";
        if (args.count("--records")) {
            std::filesystem::create_directories(args.at("--records"));
            char name[32];
            std::snprintf(name, sizeof name, "/game-%03ld.psq", i + 1);
            std::ofstream(args.at("--records") + name) << wuzi::WritePsq(games.back());
        }
    }
    return games;
}

std::vector<GameRecord> readGames(const std::string& directory) {
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(directory))
        if (entry.path().extension() == ".psq") files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    std::vector<GameRecord> games;
    for (const auto& path : files) {
        std::ifstream in(path);
        std::stringstream text;
        text << in.rdbuf();
        wuzi::PsqResult read = wuzi::ParsePsq(text.str());
        if (read.ok()) games.push_back(read.record);
    }
    return games;
}

// Black's result: 1 a win, 0 a loss, ½ a draw.
double blackResult(const GameRecord& game) {
    if (!endsInFive(game)) return 0.5;
    return wuzi::isBlackMove(game.moves.size() - 1) ? 1.0 : 0.0;
}

struct Sample {
    double odds; // black's chance as logistic odds
    double result;
};

// The k that makes σ(k · odds) the likeliest predictor of the results.
double confidenceFactor(const std::vector<Sample>& samples) {
    auto logLikelihood = [&](double k) {
        double total = 0;
        for (const Sample& s : samples) {
            double p = std::clamp(1 / (1 + std::exp(-k * s.odds)), 1e-9, 1 - 1e-9);
            total += s.result * std::log(p) + (1 - s.result) * std::log(1 - p);
        }
        return total;
    };
    double low = 0.02, high = 5; // golden-section search: the likelihood has one peak in k
    const double ratio = (std::sqrt(5.0) - 1) / 2;
    for (int i = 0; i < 100; ++i) {
        double a = high - ratio * (high - low), b = low + ratio * (high - low);
        if (logLikelihood(a) < logLikelihood(b))
            low = a;
        else
            high = b;
    }
    return (low + high) / 2;
}

struct Tally {
    std::map<wuzi::MoveMark, int> marks;
    std::vector<double> losses; // the mover's drop, every move not made in a lost position
    std::vector<Sample> samples;
    double blackAccuracy = 0, whiteAccuracy = 0;
    int games = 0, moves = 0, blackWins = 0;
};

void account(const GameRecord& game, const wuzi::Review& review, Tally& tally,
             std::ofstream& moves) {
    ++tally.games;
    tally.blackAccuracy += review.blackAccuracy;
    tally.whiteAccuracy += review.whiteAccuracy;
    double result = blackResult(game);
    if (result == 1.0) ++tally.blackWins;
    for (const wuzi::ReviewedMove& m : review.moves) {
        ++tally.moves;
        ++tally.marks[m.mark];
        if (m.provenBefore != wuzi::Proven::Lost) tally.losses.push_back(m.moverLoss());
        if (m.provenBefore == wuzi::Proven::Open) {
            double c = m.blackBefore / 100;
            tally.samples.push_back({std::log(c / (1 - c)), result});
        }
        if (moves)
            moves << tally.games << '\t' << m.number << '\t' << wuzi::CoordinateText(m.cell) << '\t'
                  << m.blackBefore << '\t' << m.blackAfter << '\t' << (m.best == m.cell) << '\t'
                  << wuzi::MarkKey(m.mark) << '\n';
    }
}

void report(const Tally& tally) {
    std::vector<double> losses = tally.losses;
    std::sort(losses.begin(), losses.end());
    auto over = [&](double points) {
        return losses.end() - std::upper_bound(losses.begin(), losses.end(), points);
    };
    auto quantile = [&](double q) {
        return losses.empty() ? 0.0 : losses[static_cast<std::size_t>(q * (losses.size() - 1))];
    };
    std::printf("games %d, moves %d\n", tally.games, tally.moves);
    for (auto mark : {wuzi::MoveMark::Brilliant, wuzi::MoveMark::Dubious, wuzi::MoveMark::Mistake,
                      wuzi::MoveMark::Losing, wuzi::MoveMark::MissedWin}) {
        auto it = tally.marks.find(mark);
        std::printf("  %-10s %d\n", std::string(wuzi::MarkKey(mark)).c_str(),
                    it == tally.marks.end() ? 0 : it->second);
    }
    std::printf("drops over %.0f points: %ld, over %.0f: %ld (of %zu moves)\n", wuzi::kDubiousLoss,
                static_cast<long>(over(wuzi::kDubiousLoss)), wuzi::kMistakeLoss,
                static_cast<long>(over(wuzi::kMistakeLoss)), losses.size());
    std::printf("drop quantiles: 50%% %.1f, 90%% %.1f, 95%% %.1f, 99%% %.1f, largest %.1f\n",
                quantile(0.5), quantile(0.9), quantile(0.95), quantile(0.99), quantile(1));
    if (tally.games)
        std::printf("accuracy: black %.1f, white %.1f\n", tally.blackAccuracy / tally.games,
                    tally.whiteAccuracy / tally.games);
    if (tally.blackWins == 0 || tally.blackWins == tally.games) {
        // Every chance short of certainty then errs the same way, and the likeliest k
        // grows without bound.
        std::printf("one side won every game: the chances cannot be checked against them\n");
        return;
    }
    double k = confidenceFactor(tally.samples);
    std::printf("confidence factor k = %.2f over %zu positions: the logistic scale %.0f would "
                "be %.0f\n",
                k, tally.samples.size(), wuzi::kWinChanceScale, wuzi::kWinChanceScale / k);
}

} // namespace

int main(int argc, char** argv) {
    auto args = parseArguments(argc, argv);
    std::vector<GameRecord> games =
        args.count("--review") ? readGames(args.at("--review")) : playGames(args);
    wuzi::ReviewLimits limits;
    limits.nodesPerPosition = number(args, "--review-nodes", 0);
    limits.msPerPosition = limits.nodesPerPosition > 0 ? 0 : number(args, "--review-ms", 500);
    std::ofstream moves;
    if (args.count("--moves")) moves.open(args.at("--moves"));
    Tally tally;
    wuzi::GameReview review;
    for (const GameRecord& game : games) {
        review.start(game, limits);
        std::optional<wuzi::Review> reviewed = review.collect();
        if (!reviewed) {
            std::cerr << "review failed: " << review.fault() << '\n';
            return 1;
        }
        account(game, *reviewed, tally, moves);
        std::cerr << "reviewed game " << tally.games << " of " << games.size() << '\n';
    }
    report(tally);
    return 0;
}
