#include "session/Session.h"

#include "engines/SearchEngine.h"
#include "session/Hint.h"

#include <algorithm>
#include <utility>

namespace wuzi {

Session::Session(SessionEvents& events, Clock& clock, RandomSource& random,
                 std::function<void()> wake)
    : events_(events), game_(events, clock, random), search_(random, wake), hint_(wake) {}

Session::~Session() {
    search_.stop();
    hint_.drop();
}

template <class Step> void Session::announce(Step&& step) {
    std::size_t players = game_.playerStones.size(), computers = game_.compStones.size();
    bool wasActive = game_.GameActive == kTrue;
    step();
    for (std::size_t k = players; k < game_.playerStones.size(); ++k)
        events_.stonePlaced(game_.playerStones[k], kPlayer);
    for (std::size_t k = computers; k < game_.compStones.size(); ++k)
        events_.stonePlaced(game_.compStones[k], kComputer);
    if (wasActive && game_.GameActive != kTrue) events_.gameOver();
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
    leaveReview();
    takeBack_.clear();
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
    if (game_.GameActive != kTrue || game_.PlayerTurn != kTrue) return PlayResult::NotPlayersTurn;
    bool offCentre = game_.CentreRule == kTrue && c != Cell{8, 8};
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
    if (search_.running() || !EngineReplyOwed(game_)) return;
    search_.start(game_.engine, game_.SearchLevel, replyDeadline_);
    events_.thinkingStarted();
}

void Session::stopThinking() {
    if (!search_.running()) return;
    search_.stop();
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

void Session::deliver() {
    if (search_.finished()) finishThinking();
    if (hint_.done()) finishHint();
}

void Session::waitForReply() {
    if (search_.running()) finishThinking();
}

void Session::hint() {
    if (hint_.busy() || game_.GameActive != kTrue || game_.PlayerTurn != kTrue) return;
    hintAskedAt_ = game_;
    hint_.start([position = hintAskedAt_] { return Hint(position); });
}

void Session::finishHint() {
    std::optional<Cell> cell = hint_.collect();
    // A stone played, taken back or a new game meanwhile makes the hint stale.
    bool samePosition = game_.GameActive == kTrue && game_.PlayerTurn == kTrue &&
                        game_.BoardCells == hintAskedAt_.BoardCells;
    events_.hintFound(samePosition ? cell : std::nullopt);
}

void Session::waitForHint() {
    if (hint_.busy()) finishHint();
}

bool Session::canReview() const {
    // A game in progress is played, not reviewed.
    return review_ || (game_.GameActive != kTrue && !RecordOf(game_).moves.empty());
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
