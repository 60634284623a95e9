#include "session/PositionAnalyst.h"

#include "rules/GameRecord.h"
#include "rules/WinningLine.h"
#include "session/WinChance.h"

#include <stdexcept>

namespace wuzi {

namespace {

// A brief search of the position after another threat: enough to see a forced five that
// threats lead to, as the other side's only moves are the defences.
constexpr long kOtherThreatNodes = 20000;

vesk::EngineOptions optionsFor(const ReviewLimits& limits) {
    vesk::EngineOptions options;
    options.hashMegabytes = limits.hashMegabytes;
    // Threads sharing a table reach different nodes from run to run.
    if (limits.nodesPerPosition > 0) options.threads = 1;
    return options;
}

bool blackToMove(const std::vector<Cell>& stones) {
    return stones.size() % 2 == 0;
}

// The last stone made five.
bool endsInFive(const std::vector<Cell>& stones) {
    if (stones.empty()) return false;
    return !WinningLine(BoardAfter(GameRecord{stones}, stones.size()), stones.back()).empty();
}

double chanceFor(Proven proven, bool black) {
    double toMove = proven == Proven::Won ? 100.0 : 0.0;
    return black ? toMove : 100.0 - toMove;
}

} // namespace

PositionAnalyst::PositionAnalyst(const ReviewLimits& limits)
    : limits_(limits), engine_(optionsFor(limits)),
      prover_(limits.hashMegabytes / 2, limits.proofNodes, stopped_) {}

vesk::ThinkLimits PositionAnalyst::thinkLimits() const {
    vesk::ThinkLimits think;
    think.turnMs = limits_.msPerPosition;
    think.nodes = limits_.nodesPerPosition;
    think.vcfNodes = think.vctNodes = limits_.threatNodes;
    return think;
}

PositionVerdict PositionAnalyst::analyse(const std::vector<Cell>& stones) {
    PositionVerdict v = searched(stones, thinkLimits());
    if (v.over || stopped_) return v;
    Proof proof = prover_.prove(stones);
    if (ThreatWin win = FindThreatWin(stones, limits_.threatNodes))
        proof = {Proven::Won, std::move(win)};
    settle(proof, blackToMove(stones), v);
    return v;
}

void PositionAnalyst::proveAgain(const std::vector<Cell>& stones, PositionVerdict& verdict) {
    if (verdict.over || verdict.proven != Proven::Open || stopped_) return;
    settle(prover_.prove(stones), blackToMove(stones), verdict);
}

void PositionAnalyst::settle(const Proof& proof, bool black, PositionVerdict& v) const {
    if (proof.proven == Proven::Open) return;
    v.proven = proof.proven;
    v.threatWin = proof.win;
    v.blackChance = chanceFor(proof.proven, black);
}

PositionVerdict PositionAnalyst::judge(const std::vector<Cell>& stones, int depth) {
    vesk::ThinkLimits think = thinkLimits();
    think.depth = depth;
    return searched(stones, think);
}

PositionVerdict PositionAnalyst::searched(const std::vector<Cell>& stones,
                                          const vesk::ThinkLimits& limits) {
    PositionVerdict v;
    bool black = blackToMove(stones);
    if (endsInFive(stones)) {
        v.over = true;
        v.proven = Proven::Lost;
        v.blackChance = chanceFor(Proven::Lost, black);
        return v;
    }
    if (stones.size() == static_cast<std::size_t>(kCellCount)) {
        v.over = true; // a full board: a draw
        return v;
    }
    if (!engine_.setPosition(stones))
        throw std::invalid_argument("a stone off the board or on another stone");
    engine_.newGame();
    if (!stopped_) v.search = engine_.think(limits);
    v.blackChance = UnprovenChance(BlackWinChance(v.search, black));
    return v;
}

bool PositionAnalyst::soleWinningMove(const std::vector<Cell>& stones, Cell played) {
    vesk::Board b;
    for (Cell c : stones)
        b.play(vesk::fromCell(c));
    vesk::Color me = b.sideToMove();
    vesk::Color them = vesk::opposite(me);
    if (b.hasFivePoint(me) || b.hasFivePoint(them) || b.hasFlex4Point(me)) return false;
    for (vesk::Pos p : vesk::Board::cells()) {
        Cell other = vesk::toCell(p);
        if (!b.isEmpty(p) || b.pattern4(p, me) < vesk::kFlex3One || other == played) continue;
        if (stopped_ || keepsWin(stones, other)) return false;
    }
    return !stopped_;
}

bool PositionAnalyst::keepsWin(std::vector<Cell> stones, Cell move) {
    stones.push_back(move);
    vesk::ThinkLimits brief;
    brief.nodes = kOtherThreatNodes;
    return searched(stones, brief).search.winningPlies() < 0;
}

void PositionAnalyst::stop() {
    stopped_ = true;
    engine_.stop();
}

} // namespace wuzi
