#include "session/Session.h"

#include "engines/SearchEngine.h"
#include "opponents/VeskPlay.h"
#include "session/Hint.h"

#include <algorithm>
#include <utility>

namespace wuzi {

VeskSettings DefaultVeskSettings() {
    return {VeskLimits, VeskLimits(1), 32};
}

Session::Session(SessionEvents& events, Clock& clock, RandomSource& random,
                 std::function<void()> wake)
    : events_(events), game_(events, clock, random), search_(random, wake),
      vesk_(veskSettings_.hashMegabytes, wake), hint_(wake),
      analysis_(veskSettings_.hashMegabytes, wake) {}

Session::~Session() {
    search_.stop();
    vesk_.stop();
    analysis_.stop();
    hint_.drop();
}

void Session::setVeskSettings(VeskSettings settings) {
    veskSettings_ = std::move(settings);
    vesk_.resize(veskSettings_.hashMegabytes);
    analysis_.resize(veskSettings_.hashMegabytes);
}

template <class Step> void Session::announce(Step&& step) {
    std::size_t players = game_.playerStones.size(), computers = game_.compStones.size();
    bool wasActive = game_.GameActive;
    step();
    for (std::size_t k = players; k < game_.playerStones.size(); ++k)
        events_.stonePlaced(game_.playerStones[k], kPlayer);
    for (std::size_t k = computers; k < game_.compStones.size(); ++k)
        events_.stonePlaced(game_.compStones[k], kComputer);
    if (wasActive && !game_.GameActive) events_.gameOver();
}

void Session::choosePlayerFirst() {
    OnPlayerFirst(game_);
}
void Session::chooseComputerFirst() {
    OnComputerFirst(game_);
}
void Session::chooseDifficulty(int level) {
    OnDifficulty(game_, level);
}
void Session::chooseOpponent(int index) {
    OnOpponent(game_, index);
}

void Session::newGame() {
    stopThinking();
    analysis_.stop();
    leaveReview();
    takeBack_.clear();
    vesk_.newGame();
    NewGame(game_);
    // The computer's opening stone, when it moves first.
    for (Cell c : game_.compStones)
        events_.stonePlaced(c, kComputer);
}

void Session::endGame() {
    stopThinking();
    announce([&] { OnEndGame(game_); });
}

PlayResult Session::play(Cell c) {
    if (thinking()) return PlayResult::Thinking;
    if (!game_.GameActive || !game_.PlayerTurn) return PlayResult::NotPlayersTurn;
    bool offCentre = game_.CentreRule && c != Cell{8, 8};
    int before = game_.PlayerMoveNo;
    announce([&] { takeBack_.playerClick(game_, [&] { OnBoardClick(game_, c); }); });
    startThinkingIfOwed();
    if (game_.PlayerMoveNo > before) return PlayResult::Placed;
    return offCentre ? PlayResult::CentreFirst : PlayResult::Refused;
}

bool Session::playFromPosition(const std::vector<SetUpStone>& stones) {
    auto last = std::find_if(stones.rbegin(), stones.rend(),
                             [](const SetUpStone& s) { return s.side == kPlayer; });
    if (last == stones.rend()) return false;
    stopThinking();
    leaveReview();
    takeBack_.clear();
    if (!SetUpPosition(game_, stones)) return false;
    announce([&] { AnswerSetUpPosition(game_, last->cell); });
    startThinkingIfOwed();
    return true;
}

bool Session::undo() {
    if (!takeBack_.Undo(game_)) return false;
    leaveReview();
    return true;
}

void Session::startThinkingIfOwed() {
    startVeskIfOwed();
    if (search_.running() || !EngineReplyOwed(game_)) return;
    search_.start(game_.engine, game_.SearchLevel, replyDeadline_);
    events_.thinkingStarted();
}

// Vesk thinks for its difficulty's time, or until the reply's deadline if that comes first.
void Session::startVeskIfOwed() {
    if (vesk_.running() || !VeskReplyDue(game_)) return;
    vesk::ThinkLimits limits = veskSettings_.play(game_.Difficulty);
    if (replyDeadline_) {
        std::int64_t left = replyDeadline_->at - replyDeadline_->clock->milliseconds();
        std::int64_t allowed = std::max<std::int64_t>(1, left);
        limits.turnMs = limits.turnMs > 0 ? std::min(limits.turnMs, allowed) : allowed;
    }
    vesk_.start(VeskPosition(game_), limits);
    events_.thinkingStarted();
}

void Session::stopThinking() {
    if (!thinking()) return;
    search_.stop();
    vesk_.stop();
    events_.thinkingFinished();
}

void Session::resumeThinking() {
    startThinkingIfOwed();
}

void Session::finishThinking() {
    int best = search_.collect();
    events_.thinkingFinished();
    announce([&] { PlaceEngineReply(game_, best); });
}

void Session::finishVesk() {
    Cell reply = vesk_.collect().move;
    events_.thinkingFinished();
    announce([&] { PlaceVeskReply(game_, reply); });
}

void Session::deliver() {
    if (search_.finished()) finishThinking();
    if (vesk_.finished()) finishVesk();
    if (hint_.done()) finishHint();
    if (analysis_.finished()) finishAnalysis();
}

void Session::waitForReply() {
    if (search_.running()) finishThinking();
    if (vesk_.running()) finishVesk();
}

void Session::hint() {
    if (hint_.busy() || !game_.GameActive || !game_.PlayerTurn) return;
    hintAskedAt_ = game_;
    vesk::ThinkLimits limits = veskSettings_.play(game_.Difficulty);
    hint_.start([position = hintAskedAt_, limits] { return Hint(position, limits); });
}

void Session::finishHint() {
    std::optional<Cell> cell = hint_.collect();
    // A stone played, taken back or a new game meanwhile makes the hint stale.
    bool samePosition =
        game_.GameActive && game_.PlayerTurn && game_.BoardCells == hintAskedAt_.BoardCells;
    events_.hintFound(samePosition ? cell : std::nullopt);
}

void Session::waitForHint() {
    if (hint_.busy()) finishHint();
    if (analysis_.running() && masterHintWanted_) finishAnalysis();
}

void Session::masterHint() {
    if (!game_.GameActive || !game_.PlayerTurn || game_.replyOwed()) return;
    lookAt(VeskPosition(game_));
    masterHintWanted_ = true;
}

void Session::analyse(std::vector<Cell> position) {
    lookAt(std::move(position));
    analysisWanted_ = true;
}

void Session::dropAnalysis() {
    analysisWanted_ = false;
    if (!masterHintWanted_) analysis_.stop();
}

// 大师分析 and 大师提示 share one search: a request for the position already under study
// joins it, any other replaces it.
void Session::lookAt(std::vector<Cell> position) {
    if (analysis_.running() && analysed_ == position) return;
    bool hintDropped = analysis_.running() && masterHintWanted_;
    analysis_.stop();
    masterHintWanted_ = analysisWanted_ = false;
    if (hintDropped) events_.hintFound(std::nullopt);
    analysed_ = std::move(position);
    analysis_.start(analysed_, veskSettings_.analysis);
}

void Session::finishAnalysis() {
    Analysis found{std::move(analysed_), analysis_.collect()};
    bool hintWanted = std::exchange(masterHintWanted_, false);
    if (std::exchange(analysisWanted_, false)) events_.analysisFound(found);
    if (!hintWanted) return;
    // The master's hint is for the game as it was asked: not after a stone or a take-back.
    bool samePosition = game_.GameActive && game_.PlayerTurn &&
                        VeskPosition(game_) == found.position && !isNoCell(found.result.move);
    events_.hintFound(samePosition ? std::optional<Cell>(found.result.move) : std::nullopt);
}

void Session::waitForAnalysis() {
    if (analysing()) finishAnalysis();
}

bool Session::canReview() const {
    // A game in progress is played, not reviewed.
    return review_ || (!game_.GameActive && !RecordOf(game_).moves.empty());
}

void Session::reviewGame() {
    review(RecordOf(game_));
}

void Session::review(GameRecord record) {
    review_.emplace(std::move(record));
}

GameRecord Session::recordToSave() const {
    return review_ ? review_->record() : RecordOf(game_);
}

} // namespace wuzi
