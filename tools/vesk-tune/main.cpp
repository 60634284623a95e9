// vesk-tune: fits the evaluation's weights to the results of self-play games.
//
//   vesk-tune play [--games 1300] [--depth 8] [--nodes 300000] [--seed 1] > FILE
//   vesk-tune fit FILE... [--steps 2000] [--shape-penalty 1e-7] > src/vesk/FittedWeights.cpp
//
// `play` has Vesk play itself (see SelfPlay.h) and writes the positions of its games with
// their results (Samples.h); the same seed writes the same file. `fit` fits the weights
// to the positions of the files (Fit.h) and writes them as the engine's source file, its
// header naming the commands given in VESK_TUNE_HOW. The weights in use were made with
//
//   for seed in 1 2; do nice vesk-tune play --games 1300 --seed $seed > selfplay-$seed.txt & done
//   vesk-tune fit selfplay-1.txt selfplay-2.txt > src/vesk/FittedWeights.cpp
#include "Fit.h"
#include "Samples.h"
#include "SelfPlay.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

namespace {

int usage() {
    std::cerr << "usage: vesk-tune play [--games N] [--depth D] [--nodes N] [--seed S] > FILE\n"
                 "       vesk-tune fit FILE... [--steps N] [--shape-penalty P] "
                 "> src/vesk/FittedWeights.cpp\n";
    return 2;
}

int play(const std::vector<std::string>& args) {
    tune::SelfPlaySettings settings;
    for (std::size_t i = 0; i + 1 < args.size(); i += 2) {
        long value = std::atol(args[i + 1].c_str());
        if (args[i] == "--games")
            settings.games = static_cast<int>(value);
        else if (args[i] == "--depth")
            settings.depth = static_cast<int>(value);
        else if (args[i] == "--nodes")
            settings.nodes = value;
        else if (args[i] == "--seed")
            settings.seed = static_cast<unsigned>(value);
        else
            return usage();
    }
    std::cout << "# vesk-tune play --games " << settings.games << " --depth " << settings.depth
              << " --nodes " << settings.nodes << " --seed " << settings.seed << '\n';
    tune::playGames(settings, std::cout);
    return 0;
}

int fit(const std::vector<std::string>& args) {
    tune::FitSettings settings;
    std::vector<tune::Sample> samples;
    int games = 0;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--steps" && i + 1 < args.size()) {
            settings.steps = std::atoi(args[++i].c_str());
            continue;
        }
        if (args[i] == "--shape-penalty" && i + 1 < args.size()) {
            settings.shapePenalty = std::atof(args[++i].c_str());
            continue;
        }
        std::ifstream file(args[i]);
        if (!file) return usage();
        games = tune::readSamples(file, games, samples);
    }
    if (samples.empty()) return usage();
    tune::FitReport report = tune::fit(samples, settings);
    const char* how = std::getenv("VESK_TUNE_HOW");
    std::cout << tune::weightsSource(report, how ? how : "");
    std::fprintf(stderr, "win probability: %.0f points per unit of log-odds\n",
                 report.scorePerLogOdds);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) return usage();
    std::string command = argv[1];
    std::vector<std::string> args(argv + 2, argv + argc);
    if (command == "play") return play(args);
    if (command == "fit") return fit(args);
    return usage();
}
