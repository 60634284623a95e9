// vesk-tune: fits the evaluation's weights to the results of self-play games.
//
//   vesk-tune [--games 300] [--nodes 5000] [--seed S]
//
// Vesk plays itself from random two-stone openings with small searches. Every position
// of every game where neither side can make five or an open four is kept, with its
// features and the game's result for the side to move. The weights are then fitted by
// logistic regression (the score, scaled, read as the chance to win), starting from the
// weights in use, and printed as the table of Evaluation.cpp.
#include "vesk/Engine.h"
#include "vesk/Evaluation.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr double kScale = 400.0; // a score of kScale reads as 1 : e odds

struct Sample {
    vesk::Features features;
    double result; // 1 the side to move won, 0 lost, 0.5 drawn
};

// One game from a random opening; its quiet positions are appended with the result.
void playGame(vesk::Engine& engine, std::mt19937& random, long nodes,
              std::vector<Sample>& samples) {
    std::uniform_int_distribution<int> near(-2, 2);
    wuzi::Cell black{8 + near(random), 8 + near(random)};
    wuzi::Cell white{black.x + near(random), black.y + near(random)};
    if (white == black) return;
    std::vector<wuzi::Cell> stones{black, white};
    std::vector<std::pair<vesk::Features, int>> positions; // features, side to move
    int winner = -1;
    engine.newGame();
    while (stones.size() < 225) {
        engine.setPosition(stones);
        const vesk::Board& b = engine.board();
        vesk::Color me = b.sideToMove();
        bool quiet = !b.hasFivePoint(me) && !b.hasFivePoint(vesk::opposite(me)) &&
                     !b.hasFlex4Point(me) && !b.hasFlex4Point(vesk::opposite(me));
        if (quiet && stones.size() >= 6) positions.push_back({vesk::features(b), me});
        vesk::ThinkLimits limits;
        limits.nodes = nodes;
        limits.vctNodes = 2000;
        if (stones.size() < 8) limits.depth = 2, limits.randomness = 100;
        vesk::ThinkResult r = engine.think(limits);
        if (wuzi::isNoCell(r.move)) break;
        stones.push_back(r.move);
        if (b.pattern4(vesk::fromCell(r.move), me) == vesk::kFiveAny) {
            winner = me;
            break;
        }
    }
    for (const auto& [f, side] : positions)
        samples.push_back({f, winner < 0 ? 0.5 : winner == side ? 1.0 : 0.0});
}

double sigmoid(double x) {
    return 1.0 / (1.0 + std::exp(-x));
}

double loss(const std::vector<Sample>& samples, const std::array<double, vesk::kFeatureCount>& w) {
    double total = 0;
    for (const Sample& s : samples) {
        double score = 0;
        for (int i = 0; i < vesk::kFeatureCount; ++i)
            score += w[i] * s.features[i];
        double p = std::clamp(sigmoid(score / kScale), 1e-9, 1 - 1e-9);
        total -= s.result * std::log(p) + (1 - s.result) * std::log(1 - p);
    }
    return total / samples.size();
}

// Plain gradient descent with Adam's step sizes.
std::array<double, vesk::kFeatureCount> fit(const std::vector<Sample>& samples) {
    std::array<double, vesk::kFeatureCount> w{}, m{}, v{};
    for (int i = 0; i < vesk::kFeatureCount; ++i)
        w[i] = vesk::defaultWeights()[i];
    const double rate = 0.5, b1 = 0.9, b2 = 0.999;
    for (int step = 1; step <= 3000; ++step) {
        std::array<double, vesk::kFeatureCount> g{};
        for (const Sample& s : samples) {
            double score = 0;
            for (int i = 0; i < vesk::kFeatureCount; ++i)
                score += w[i] * s.features[i];
            double error = sigmoid(score / kScale) - s.result;
            for (int i = 0; i < vesk::kFeatureCount; ++i)
                g[i] += error * s.features[i] / kScale / samples.size();
        }
        for (int i = 0; i < vesk::kFeatureCount; ++i) {
            m[i] = b1 * m[i] + (1 - b1) * g[i];
            v[i] = b2 * v[i] + (1 - b2) * g[i] * g[i];
            double mh = m[i] / (1 - std::pow(b1, step)), vh = v[i] / (1 - std::pow(b2, step));
            w[i] -= rate * mh / (std::sqrt(vh) + 1e-12);
        }
        if (step % 500 == 0) std::fprintf(stderr, "step %d: loss %.5f\n", step, loss(samples, w));
    }
    return w;
}

} // namespace

int main(int argc, char** argv) {
    std::map<std::string, long> args{{"--games", 300}, {"--nodes", 5000}, {"--seed", 1}};
    for (int i = 1; i + 1 < argc; i += 2)
        args[argv[i]] = std::atol(argv[i + 1]);
    std::mt19937 random(static_cast<unsigned>(args["--seed"]));
    vesk::Engine engine({1, 16, static_cast<std::uint64_t>(args["--seed"])});
    std::vector<Sample> samples;
    for (long game = 0; game < args["--games"]; ++game) {
        playGame(engine, random, args["--nodes"], samples);
        if (game % 20 == 19)
            std::fprintf(stderr, "%ld games, %zu positions\n", game + 1, samples.size());
    }
    std::array<double, vesk::kFeatureCount> start{};
    for (int i = 0; i < vesk::kFeatureCount; ++i)
        start[i] = vesk::defaultWeights()[i];
    std::fprintf(stderr, "loss with the weights in use: %.5f\n", loss(samples, start));
    std::array<double, vesk::kFeatureCount> w = fit(samples);
    std::printf("fitted on %zu positions of %ld games:\n", samples.size(), args["--games"]);
    for (int i = 0; i < vesk::kFeatureCount; ++i)
        std::printf("%s%5ld,", i % (vesk::kFeatureCount / 2) == 0 ? "\n" : " ", std::lround(w[i]));
    std::printf("\n");
    return 0;
}
