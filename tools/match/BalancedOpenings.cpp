// balanced-openings: openings for matches that Vesk scores near even.
//
//   balanced-openings --count 60 [--seed 1] [--depth 10] [--within 0.1] > FILE
//
// Each opening is three or four stones, black first, placed at random near the centre
// and near one another; it is kept when a search to the given depth gives the side to
// move a chance to win within `within` of one half, neither side has a four or an open
// three to make at once, and no opening kept before is the same up to the board's eight
// symmetries. The same seed writes the same file, in the match runner's format.
#include "Openings.h"

#include "vesk/Engine.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <map>
#include <random>
#include <set>
#include <string>

namespace {

// The opening's stones with their colours under one of the eight symmetries, sorted.
std::vector<int> transformed(const Opening& opening, int symmetry) {
    std::vector<int> cells;
    const int last = wuzi::kBoardSize - 1;
    for (std::size_t i = 0; i < opening.size(); ++i) {
        int x = opening[i].x, y = opening[i].y;
        if (symmetry & 1) x = last - x;
        if (symmetry & 2) y = last - y;
        if (symmetry & 4) std::swap(x, y);
        cells.push_back((y * wuzi::kBoardSize + x) * 2 + static_cast<int>(i % 2));
    }
    std::sort(cells.begin(), cells.end());
    return cells;
}

std::vector<int> canonical(const Opening& opening) {
    std::vector<int> best = transformed(opening, 0);
    for (int s = 1; s < 8; ++s)
        best = std::min(best, transformed(opening, s));
    return best;
}

// The first stone within a step of the centre, each other within two steps of one
// placed before it.
Opening randomOpening(std::mt19937& random) {
    std::uniform_int_distribution<int> step(-2, 2);
    const int centre = wuzi::kBoardSize / 2;
    Opening opening{{centre + step(random) / 2, centre + step(random) / 2}};
    int count = 3 + static_cast<int>(random() % 2);
    while (static_cast<int>(opening.size()) < count) {
        wuzi::Cell from = opening[random() % opening.size()];
        wuzi::Cell c{from.x + step(random), from.y + step(random)};
        if (std::find(opening.begin(), opening.end(), c) == opening.end()) opening.push_back(c);
    }
    return opening;
}

bool quiet(const vesk::Board& b) {
    for (vesk::Color c : {vesk::kBlack, vesk::kWhite})
        if (b.hasFourPoint(c) || b.hasFlex4Point(c) || b.hasFivePoint(c) ||
            !b.points(c, vesk::kThreePoint).empty())
            return false;
    return true;
}

} // namespace

int main(int argc, char** argv) {
    std::map<std::string, double> args{
        {"--count", 60}, {"--seed", 1}, {"--depth", 10}, {"--within", 0.1}};
    for (int i = 1; i + 1 < argc; i += 2) {
        if (!args.count(argv[i])) {
            std::cerr << "usage: balanced-openings --count N [--seed S] [--depth D] "
                         "[--within P]\n";
            return 2;
        }
        args[argv[i]] = std::atof(argv[i + 1]);
    }
    std::mt19937 random(static_cast<unsigned>(args["--seed"]));
    vesk::Engine engine({1, 32, 1});
    std::set<std::vector<int>> seen;
    std::printf("# Openings Vesk scores near even, 0-based \"x,y\" cells, black first:\n"
                "# balanced-openings --count %.0f --seed %.0f --depth %.0f --within %.2f\n",
                args["--count"], args["--seed"], args["--depth"], args["--within"]);
    int written = 0;
    while (written < args["--count"]) {
        Opening opening = randomOpening(random);
        std::vector<wuzi::Cell> stones;
        for (wuzi::Cell c : opening)
            stones.push_back({c.x + 1, c.y + 1});
        engine.newGame();
        engine.setPosition(stones);
        if (!quiet(engine.board()) || !seen.insert(canonical(opening)).second) continue;
        vesk::ThinkLimits limits;
        limits.depth = static_cast<int>(args["--depth"]);
        vesk::ThinkResult r = engine.think(limits);
        if (std::abs(r.winProbability - 0.5) > args["--within"]) continue;
        std::printf("%s  # %.2f for the side to move\n", openingText(opening).c_str(),
                    r.winProbability);
        std::fflush(stdout);
        ++written;
    }
    return 0;
}
