#include "session/GameReview.h"

#include "rules/WinningLine.h"
#include "session/ReviewAssembly.h"

#include <chrono>
#include <exception>
#include <thread>
#include <utility>

namespace wuzi {

namespace {

// Why a record cannot be reviewed; empty when it can.
std::string recordFault(const GameRecord& record) {
    ColourBoard board{};
    for (std::size_t i = 0; i < record.moves.size(); ++i) {
        Cell c = record.moves[i];
        std::string move = "第 " + std::to_string(i + 1) + " 手";
        if (!onBoard(c) || at(board, c) != 0) return move + "不在棋盘上，或落在已有棋子的位置上。";
        if (i > 0 && !WinningLine(board, record.moves[i - 1]).empty())
            return move + "在棋局已经分出胜负之后。";
        at(board, c) = isBlackMove(i) ? kBlackStone : kWhiteStone;
    }
    return {};
}

} // namespace

GameReview::GameReview(std::function<void()> wake) : task_(std::move(wake)) {}

GameReview::~GameReview() {
    cancel();
}

void GameReview::start(GameRecord record, ReviewLimits limits) {
    cancel();
    if (limits.msPerPosition <= 0 && limits.nodesPerPosition <= 0)
        limits.msPerPosition = ReviewLimits{}.msPerPosition;
    fault_.clear();
    cancelled_ = false;
    done_ = 0;
    total_ = static_cast<int>(record.moves.size()) + 1;
    std::string fault;
    try {
        analyst_ = std::make_unique<PositionAnalyst>(limits);
    } catch (const std::exception& e) { // no memory for the table: said as the review's end
        analyst_.reset();
        fault = e.what();
    }
    task_.start([this, record = std::move(record), fault] {
        return fault.empty() ? run(record) : Outcome{{}, fault};
    });
}

GameReview::Progress GameReview::progress() const {
    return {done_, total_};
}

std::optional<Review> GameReview::collect() {
    if (!task_.busy()) return std::nullopt;
    Outcome outcome = task_.collect();
    fault_ = std::move(outcome.fault);
    return std::move(outcome.review);
}

void GameReview::cancel() {
    if (!task_.busy()) return;
    cancelled_ = true;
    // A search that has only just begun clears the engine's stop flag as it starts: ask
    // again until the review has ended.
    while (!task_.done()) {
        if (analyst_) analyst_->stop();
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    task_.drop();
}

// On the review's thread: every position, and after each move the position it left when
// that needs judging; then the proofs that later positions make possible. Nothing once
// cancelled.
std::optional<GameAnalysis> GameReview::analyse(const GameRecord& record) {
    GameAnalysis analysis;
    const std::vector<Cell>& moves = record.moves;
    for (std::size_t i = 0; i <= moves.size(); ++i) {
        if (cancelled_) return std::nullopt;
        std::vector<Cell> stones(moves.begin(), moves.begin() + i);
        analysis.positions.push_back(analyst_->analyse(stones));
        if (i < moves.size()) {
            const PositionVerdict& before = analysis.positions.back();
            std::optional<PositionVerdict> after;
            stones.push_back(moves[i]);
            if (NeedsJudging(before, moves[i]))
                after = analyst_->judge(stones, before.search.depth - 1);
            analysis.judged.push_back(std::move(after));
        }
        ++done_;
    }
    proveWithHindsight(moves, analysis);
    return cancelled_ ? std::nullopt : std::optional(std::move(analysis));
}

// From the last position back to the first, the proof search looks again at the
// positions it left open, now knowing the proofs of the positions that came after them.
void GameReview::proveWithHindsight(const std::vector<Cell>& moves, GameAnalysis& analysis) {
    for (std::size_t i = moves.size() + 1; i-- > 0 && !cancelled_;) {
        std::vector<Cell> stones(moves.begin(), moves.begin() + i);
        analyst_->proveAgain(stones, analysis.positions[i]);
    }
}

// On the review's thread. A fault of the analysis ends the review with its text.
GameReview::Outcome GameReview::run(const GameRecord& record) {
    Outcome outcome;
    try {
        outcome.fault = recordFault(record);
        if (!outcome.fault.empty()) return outcome;
        std::optional<GameAnalysis> analysis = analyse(record);
        if (!analysis) return outcome;
        auto sole = [&](std::size_t i) {
            std::vector<Cell> before(record.moves.begin(), record.moves.begin() + i);
            return analyst_->soleWinningMove(before, record.moves[i]);
        };
        Review review = AssembleReview(record, std::move(*analysis), sole);
        if (!cancelled_) outcome.review = std::move(review);
    } catch (const std::exception& e) {
        outcome.fault = e.what();
    }
    return outcome;
}

} // namespace wuzi
