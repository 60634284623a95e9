#include "session/PuzzleGame.h"

#include "rules/GameRecord.h"
#include "rules/WinningLine.h"
#include "session/ThreatAnswers.h"
#include "session/ThreatWin.h"
#include "vesk/Defence.h"
#include "vesk/ThreatSolver.h"

#include <algorithm>
#include <array>

namespace wuzi {

namespace {

using vesk::Board;
using vesk::Color;
using vesk::Pos;

Board boardOf(const std::vector<Cell>& stones) {
    Board b;
    for (Cell c : stones)
        b.play(vesk::fromCell(c));
    return b;
}

// The plies of the side to move's forced win, by fours or by fours and threes; 0: none.
int winPlies(vesk::ThreatSolver& solver, Board& b, long nodes) {
    vesk::ThreatSolver::Limits limits;
    limits.nodes = nodes;
    limits.threats = 8;
    if (int plies = solver.vcf(b, limits)) return plies;
    return solver.vct(b, limits);
}

// Where the defender may answer a quiet stone: every empty cell within two of a stone,
// the stored win's next attacking stone first, where a refutation is likeliest.
std::vector<Pos> quietAnswers(const std::vector<Cell>& stones, std::optional<Cell> likeliest) {
    std::array<bool, kCellCount> taken{}, near{};
    for (Cell c : stones)
        taken[(c.y - 1) * kBoardSize + (c.x - 1)] = true;
    for (Cell c : stones)
        for (int dy = -2; dy <= 2; ++dy)
            for (int dx = -2; dx <= 2; ++dx)
                if (onBoard(c.x + dx, c.y + dy))
                    near[(c.y + dy - 1) * kBoardSize + (c.x + dx - 1)] = true;
    std::vector<Pos> answers;
    if (likeliest) answers.push_back(vesk::fromCell(*likeliest));
    for (int i = 0; i < kCellCount; ++i)
        if (near[i] && !taken[i])
            answers.push_back(vesk::fromCell({i % kBoardSize + 1, i / kBoardSize + 1}));
    return answers;
}

} // namespace

PuzzleGame::PuzzleGame(Puzzle puzzle, long refereeNodes)
    : puzzle_(std::move(puzzle)), refereeNodes_(refereeNodes) {}

std::vector<Cell> PuzzleGame::stones() const {
    std::vector<Cell> all = puzzle_.stones;
    all.insert(all.end(), played_.begin(), played_.end());
    return all;
}

PuzzleGame::Answer PuzzleGame::play(Cell c) {
    std::vector<Cell> before = stones();
    if (over() || refuted_ || !onBoard(c) ||
        std::find(before.begin(), before.end(), c) != before.end())
        return {};
    std::optional<Cell> likeliest = hint();
    Board b = boardOf(before);
    Color attacker = b.sideToMove();
    b.play(vesk::fromCell(c));
    played_.push_back(c);
    GameRecord all{stones()};
    if (!WinningLine(BoardAfter(all, all.moves.size()), c).empty()) {
        solved_ = true;
        return {Verdict::Solved, {}};
    }
    // Along the stored line the stored answer is the one that holds out longest: the
    // puzzle was checked so, deeper than the referee looks within a move's time.
    if (std::optional<Cell> stored = storedAnswer(c)) {
        played_.push_back(*stored);
        return {Verdict::GoesOn, *stored};
    }
    // A stone that leaves the defender a five of its own is refuted by it.
    Color defender = b.sideToMove();
    if (b.hasFivePoint(defender))
        return refute(vesk::toCell(vesk::findPoint(b, defender, vesk::kFiveAny)));
    std::vector<Pos> answers = ThreatAnswers(b, attacker);
    if (answers.empty()) answers = quietAnswers(stones(), likeliest);
    // The answer after which the attacker needs the most; one after which no win is left
    // refutes the stone.
    vesk::ThreatSolver solver(18);
    Pos longest = answers.front();
    int most = -1;
    for (Pos answer : answers) {
        vesk::TrialStone stone(b, answer);
        int plies = winPlies(solver, b, refereeNodes_);
        if (plies == 0) return refute(vesk::toCell(answer));
        if (plies > most) most = plies, longest = answer;
    }
    played_.push_back(vesk::toCell(longest));
    return {Verdict::GoesOn, vesk::toCell(longest)};
}

PuzzleGame::Answer PuzzleGame::refute(Cell defence) {
    refuted_ = true;
    played_.push_back(defence);
    return {Verdict::Refuted, defence};
}

bool PuzzleGame::retry() {
    if (!refuted_) return false;
    played_.resize(played_.size() - 2);
    refuted_ = false;
    return true;
}

bool PuzzleGame::onStoredLine() const {
    return played_.size() < puzzle_.line.size() &&
           std::equal(played_.begin(), played_.end(), puzzle_.line.begin());
}

std::optional<Cell> PuzzleGame::storedAnswer(Cell c) const {
    // `c` is already among the stones played.
    std::size_t at = played_.size() - 1;
    bool followed = at + 1 < puzzle_.line.size() && puzzle_.line[at] == c &&
                    std::equal(played_.begin(), played_.end() - 1, puzzle_.line.begin());
    if (!followed) return std::nullopt;
    return puzzle_.line[at + 1];
}

std::optional<Cell> PuzzleGame::hint() const {
    if (over() || refuted_) return std::nullopt;
    // Along the stored line while the player follows it, else the referee's own win.
    if (onStoredLine()) return puzzle_.line[played_.size()];
    ThreatWin win = FindThreatWin(stones(), refereeNodes_);
    if (!win) return std::nullopt;
    return win.line.front();
}

} // namespace wuzi
