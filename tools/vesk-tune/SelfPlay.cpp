#include "SelfPlay.h"

#include "Samples.h"

#include "vesk/Engine.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <random>

namespace tune {

namespace {

// Openings: this many stones or up to two more, in the centre's square of this side,
// scored by a search this deep within this many points of even.
constexpr int kOpeningStones = 4;
constexpr int kOpeningSquare = 7;
constexpr int kOpeningDepth = 6;
constexpr vesk::Score kOpeningScore = 250;

bool worthKeeping(const vesk::Board& b) {
    vesk::Color me = b.sideToMove();
    return b.moveCount() >= 6 && !b.hasFivePoint(me) && !b.hasFivePoint(vesk::opposite(me)) &&
           !b.hasFlex4Point(me);
}

std::vector<wuzi::Cell> randomOpening(vesk::Engine& engine, std::mt19937& random) {
    std::uniform_int_distribution<int> extra(0, 2);
    std::uniform_int_distribution<int> near(1 + (wuzi::kBoardSize - kOpeningSquare) / 2,
                                            (wuzi::kBoardSize + kOpeningSquare) / 2);
    for (;;) {
        std::vector<wuzi::Cell> stones;
        int count = kOpeningStones + extra(random);
        while (static_cast<int>(stones.size()) < count) {
            wuzi::Cell c{near(random), near(random)};
            if (std::find(stones.begin(), stones.end(), c) == stones.end()) stones.push_back(c);
        }
        engine.newGame();
        engine.setPosition(stones);
        vesk::ThinkLimits limits;
        limits.depth = kOpeningDepth;
        vesk::ThinkResult r = engine.think(limits);
        if (std::abs(r.score) <= kOpeningScore) return stones;
    }
}

// One game; its positions are written once its result is known.
void playGame(vesk::Engine& engine, std::mt19937& random, const SelfPlaySettings& settings,
              std::ostream& out) {
    std::vector<wuzi::Cell> stones = randomOpening(engine, random);
    std::vector<std::pair<vesk::Color, Sample>> positions; // with the side to move
    int winner = -1;
    engine.newGame();
    while (stones.size() < wuzi::kBoardSize * wuzi::kBoardSize) {
        engine.setPosition(stones);
        const vesk::Board& b = engine.board();
        vesk::Color me = b.sideToMove();
        vesk::ThinkLimits limits;
        limits.depth = settings.depth;
        limits.nodes = settings.nodes;
        vesk::ThinkResult r = engine.think(limits);
        if (wuzi::isNoCell(r.move)) break;
        if (worthKeeping(b)) positions.push_back({me, {0.5, r.score, 0, stones}});
        bool five = b.pattern4(vesk::fromCell(r.move), me) == vesk::kFiveAny;
        stones.push_back(r.move);
        if (five) {
            winner = me;
            break;
        }
    }
    for (auto& [side, s] : positions) {
        if (winner >= 0) s.result = winner == side ? 1.0 : 0.0;
        writeSample(out, s);
    }
    out.flush();
}

} // namespace

void playGames(const SelfPlaySettings& settings, std::ostream& out) {
    std::mt19937 random(settings.seed);
    vesk::Engine engine({1, 16, settings.seed});
    for (int game = 0; game < settings.games; ++game) {
        playGame(engine, random, settings, out);
        if (game % 20 == 19) std::fprintf(stderr, "%d games\n", game + 1);
    }
}

} // namespace tune
