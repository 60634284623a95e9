#include "ThreatSuiteHunt.h"

#include "ExhaustiveCheck.h"

#include "vesk/Defence.h"
#include "vesk/Engine.h"
#include "vesk/MovePicker.h"
#include "vesk/ThreatSolver.h"

#include <cstdio>
#include <ostream>
#include <random>
#include <set>
#include <string>

namespace {

constexpr int kMostFours = 8;   // attacker stones the exhaustive check of fours may use
constexpr int kMostThreats = 4; // ... and of threats
constexpr int kPerGame = 6;     // wins of each kind kept from one game
constexpr int kOtherMoves = 12; // positions one stone away from each of a game

std::string stoneText(wuzi::Cell c) {
    return std::string(1, static_cast<char>('A' + c.x - 1)) +
           std::to_string(wuzi::kBoardSize + 1 - c.y);
}

std::vector<std::pair<int, int>> zeroBased(const std::vector<wuzi::Cell>& stones) {
    std::vector<std::pair<int, int>> cells;
    for (wuzi::Cell c : stones)
        cells.push_back({c.x - 1, c.y - 1});
    return cells;
}

// The kind and length of a checked win in the position, or 0. Wins by threats are
// looked for only while `askThreats`.
int checkedWin(vesk::Engine& engine, const std::vector<wuzi::Cell>& stones, bool askThreats,
               bool& byFours) {
    using namespace vesk;
    engine.setPosition(stones);
    Board b = engine.board();
    Color me = b.sideToMove();
    if (b.hasFivePoint(me) || b.hasFivePoint(opposite(me)) || b.hasFlex4Point(me)) return 0;
    ThreatSolver solver(18);
    ThreatSolver::Limits limits;
    limits.nodes = 5000;
    byFours = solver.vcf(b, limits) > 0;
    if (!byFours && (!askThreats || !solver.vct(b, limits))) return 0;
    ExhaustiveCheck check(zeroBased(stones));
    if (byFours) {
        int fours = check.shortestByFours(kMostFours);
        return fours >= 5 ? fours : 0;
    }
    if (check.winsByFours(kMostFours)) return 0;
    return check.shortestByThreats(kMostThreats);
}

// The position itself, and after each of the likeliest other moves of the side to move.
std::vector<std::vector<wuzi::Cell>> nearby(vesk::Engine& engine,
                                            const std::vector<wuzi::Cell>& stones) {
    std::vector<std::vector<wuzi::Cell>> positions{stones};
    engine.setPosition(stones);
    vesk::Board b = engine.board();
    std::vector<vesk::ScoredMove> moves;
    vesk::pickMoves(b, vesk::kNoPos, 0, vesk::OrderingMemory(), moves);
    for (std::size_t i = 0; i < moves.size() && i < kOtherMoves; ++i) {
        positions.push_back(stones);
        positions.back().push_back(vesk::toCell(moves[i].move));
    }
    return positions;
}

} // namespace

void huntThreatSuite(const ThreatSuiteOptions& options, std::ostream& out) {
    long wantFours = options.fours, wantThreats = options.threats;
    std::mt19937 random(options.seed);
    vesk::Engine player({1, 16, options.seed});
    vesk::Engine solver;
    std::set<std::uint64_t> seen;
    long fours = 0, threats = 0;
    for (long game = 0; game < options.games && (fours < wantFours || threats < wantThreats);
         ++game) {
        std::uniform_int_distribution<int> near(-2, 2);
        wuzi::Cell black{8 + near(random), 8 + near(random)};
        wuzi::Cell white{black.x + near(random), black.y + near(random)};
        if (white == black) continue;
        std::vector<wuzi::Cell> stones{black, white};
        int found[2] = {0, 0}; // by threats, by fours
        player.newGame();
        while (stones.size() < 200) {
            for (const auto& position : nearby(solver, stones)) {
                bool byFours = false;
                int plies = checkedWin(solver, position, threats < wantThreats, byFours);
                long& total = byFours ? fours : threats;
                bool wanted =
                    found[byFours] < kPerGame && total < (byFours ? wantFours : wantThreats);
                if (plies == 0 || !wanted || !seen.insert(solver.board().hash()).second) continue;
                out << (byFours ? "VCF " : "VCT ") << plies;
                for (wuzi::Cell c : position)
                    out << ' ' << stoneText(c);
                out << std::endl;
                ++found[byFours];
                ++total;
            }
            player.setPosition(stones);
            vesk::ThinkLimits limits;
            limits.nodes = 4000;
            limits.vctNodes = 5000;
            if (stones.size() < 10) limits.depth = 3, limits.randomness = 80;
            vesk::ThinkResult r = player.think(limits);
            if (wuzi::isNoCell(r.move)) break;
            stones.push_back(r.move);
            if (r.winningPlies() == 1) break;
        }
        std::fprintf(stderr, "game %ld: %zu stones; %ld by fours, %ld by threats\n", game,
                     stones.size(), fours, threats);
    }
}
