#include "session/Session.h"

#include "engines/SearchEngine.h"
#include "opponents/Roster.h"
#include "opponents/TakeBack.h"
#include "opponents/VeskPlay.h"
#include "rules/Game.h"
#include "rules/Placement.h"
#include "rules/WinningLine.h"
#include "session/BackgroundTask.h"
#include "session/GameFlow.h"
#include "session/HeldMessages.h"
#include "session/Hint.h"
#include "session/SearchWorker.h"
#include "session/TwoPlayerGame.h"
#include "session/VeskWorker.h"

#include <algorithm>
#include <utility>

namespace wuzi {

VeskSettings DefaultVeskSettings() {
    return {VeskLimits, VeskLimits(1)};
}

// The stones on the board, by cell.
using Board = decltype(GameState::BoardCells);

// The view a front end holds: that of whichever game the board holds now.
class CurrentView final : public GameView {
  public:
    CurrentView(std::function<const GameView&()> active, const std::optional<ReviewCursor>& review)
        : GameView(review), active_(std::move(active)) {}

    Mode mode() const override { return active_().mode(); }
    Outcome outcome() const override { return active_().outcome(); }
    Match match() const override { return active_().match(); }
    bool gameRunning() const override { return active_().gameRunning(); }
    BoardScene scene() const override { return active_().scene(); }
    std::vector<Cell> moves() const override { return active_().moves(); }
    PlayResult canPlay(Cell c) const override { return active_().canPlay(c); }

  protected:
    Phase playPhase() const override { return active_().phase(); }

  private:
    std::function<const GameView&()> active_;
};

struct Session::Impl {
    Impl(SessionEvents& events, Clock& clock, RandomSource& random, std::function<void()> wake)
        : events(events), boxes(events), game(boxes, clock, random), twoPlayers(boxes),
          search(random, wake), vesk(veskSettings.hashMegabytes, wake), hint(wake),
          analysis(veskSettings.analysisHashMegabytes, wake) {}

    template <class Step> void announce(Step&& step, Outcome ending);
    Outcome outcomeOf(Outcome ending) const;
    bool thinking() const { return search.running() || vesk.running(); }
    bool playersTurn() const { return game.GameActive && game.PlayerTurn && !ReplyOwed(game); }
    const GameView& activeView() const {
        return mode == Mode::TwoPlayers ? static_cast<const GameView&>(twoPlayerView) : view;
    }
    GameRecord activeRecord() const {
        return mode == Mode::TwoPlayers ? twoPlayers.record() : RecordOf(game);
    }
    bool resumeOnPlayersTurn(const std::vector<SetUpStone>& stones);
    PlayResult playTwoPlayers(Cell c);
    bool resumeTwoPlayers(const std::vector<Cell>& moves);
    void startThinkingIfOwed();
    void startVeskIfOwed();
    void stopThinking();
    void finishThinking();
    void finishVesk();
    void startHint();
    void finishHint();
    bool stillAt(const Board& cells) const;
    void tellHint(std::optional<Cell> cell, bool master, std::uint64_t asked);
    void lookAt(std::vector<Cell> position);
    void finishAnalysis();

    SessionEvents& events;
    HeldMessages boxes; // the game's boxes, on their way to the events
    BookGame game;
    MenuChecks checks;     // the options for the next game
    MenuChecks gameChecks; // the options the game in hand was started with
    int lessonNo = 0;
    Outcome outcome = Outcome::None;
    TakeBack takeBack;
    std::optional<ReviewCursor> review;
    ComputerGameView view{game, checks, outcome, review};
    Mode mode = Mode::VersusComputer;
    TwoPlayerGame twoPlayers;
    TwoPlayerView twoPlayerView{twoPlayers, view, review};
    CurrentView currentView{[this]() -> const GameView& { return activeView(); }, review};
    SearchWorker search;
    std::optional<Deadline> replyDeadline;
    VeskSettings veskSettings = DefaultVeskSettings();
    VeskWorker vesk;
    BackgroundTask<std::optional<Cell>> hint;
    GameSnapshot hintAskedAt;
    std::optional<Board> hintWaiting; // asked again while a hint is looked for, on this board
    VeskWorker analysis;              // 大师分析 and 大师提示
    std::vector<Cell> analysed;
    bool masterHintWanted = false;
    // The hints asked, numbered in order: the hint's and the master's latest, and the one
    // whose ring was told last.
    std::uint64_t hintsAsked = 0, hintNo = 0, masterHintNo = 0, hintToldNo = 0;
    bool analysisWanted = false;
};

Session::Session(SessionEvents& events, Clock& clock, RandomSource& random,
                 std::function<void()> wake)
    : impl_(std::make_unique<Impl>(events, clock, random, std::move(wake))) {}

Session::~Session() {
    impl_->search.stop();
    impl_->vesk.stop();
    impl_->analysis.stop();
    impl_->hint.drop();
}

const GameView& Session::view() const {
    return impl_->currentView;
}

const BookGame& Session::state() const {
    return impl_->game;
}

void Session::setVeskSettings(VeskSettings settings) {
    impl_->veskSettings = std::move(settings);
    impl_->vesk.resize(impl_->veskSettings.hashMegabytes);
    impl_->analysis.resize(impl_->veskSettings.analysisHashMegabytes);
}

// Runs one step of the game and tells the events what it did to the board, then the
// step's boxes; a game that the step ends ends by `ending`, or as its board says.
template <class Step> void Session::Impl::announce(Step&& step, Outcome ending) {
    std::size_t players = game.playerStones.size(), computers = game.compStones.size();
    bool wasActive = game.GameActive;
    boxes.hold();
    step();
    for (std::size_t k = players; k < game.playerStones.size(); ++k)
        events.stonePlaced(game.playerStones[k], kPlayer);
    for (std::size_t k = computers; k < game.compStones.size(); ++k)
        events.stonePlaced(game.compStones[k], kComputer);
    if (wasActive && !game.GameActive) {
        outcome = outcomeOf(ending);
        events.gameOver();
    }
    boxes.release();
}

Outcome Session::Impl::outcomeOf(Outcome ending) const {
    std::optional<Cell> last = view.lastMove();
    if (last && !WinningLine(game.BoardCells, *last).empty())
        return game.cell(last->x, last->y) == kPlayer ? Outcome::PlayerWon : Outcome::ComputerWon;
    return ending;
}

void Session::choosePlayerFirst() {
    OnPlayerFirst(impl_->game, impl_->checks);
}
void Session::chooseComputerFirst() {
    OnComputerFirst(impl_->game, impl_->checks);
}
void Session::chooseDifficulty(int level) {
    OnDifficulty(impl_->game, level);
}
void Session::chooseOpponent(int index) {
    OnOpponent(impl_->game, impl_->checks, index);
}

int Session::lessonNo() const {
    return impl_->lessonNo;
}
void Session::setLessonNo(int lessonNo) {
    impl_->lessonNo = lessonNo;
}

void Session::newGame() {
    Impl& s = *impl_;
    s.mode = Mode::VersusComputer;
    s.twoPlayers.end();
    s.stopThinking();
    s.analysis.stop();
    s.review.reset();
    s.takeBack.clear();
    s.vesk.newGame();
    s.outcome = Outcome::None;
    s.gameChecks = s.checks;
    NewGame(s.game, s.checks);
    // The computer's opening stone, when it moves first.
    for (Cell c : s.game.compStones)
        s.events.stonePlaced(c, kComputer);
}

void Session::newTwoPlayerGame() {
    Impl& s = *impl_;
    endGame();
    s.analysis.stop();
    s.review.reset();
    s.mode = Mode::TwoPlayers;
    s.twoPlayers.start();
}

void Session::endGame() {
    Impl& s = *impl_;
    if (s.mode == Mode::TwoPlayers) {
        bool wasRunning = s.twoPlayers.running();
        s.twoPlayers.end();
        if (wasRunning) s.events.gameOver();
        return;
    }
    s.stopThinking();
    s.announce([&] { EndGame(s.game); }, Outcome::Ended);
}

PlayResult Session::play(Cell c) {
    Impl& s = *impl_;
    if (s.mode == Mode::TwoPlayers) return s.playTwoPlayers(c);
    PlayResult verdict = s.view.canPlay(c);
    // Refused stones change nothing, but for the first one off the centre, which the
    // rules answer with their box.
    if (verdict != PlayResult::Placed && verdict != PlayResult::CentreFirst) return verdict;
    int before = s.game.PlayerMoveNo;
    s.announce([&] { s.takeBack.playerClick(s.game, [&] { OnBoardClick(s.game, c); }); },
               Outcome::Draw);
    s.startThinkingIfOwed();
    return s.game.PlayerMoveNo > before ? PlayResult::Placed : verdict;
}

bool Session::playFromPosition(const std::vector<SetUpStone>& stones) {
    Impl& s = *impl_;
    auto last = std::find_if(stones.rbegin(), stones.rend(),
                             [](const SetUpStone& stone) { return stone.side == kPlayer; });
    if (last == stones.rend()) return false;
    s.stopThinking();
    s.review.reset();
    s.takeBack.clear();
    if (!SetUpPosition(s.game, s.checks, stones)) return false;
    s.mode = Mode::VersusComputer;
    s.outcome = Outcome::None;
    s.gameChecks = s.checks;
    s.announce([&] { AnswerSetUpPosition(s.game, last->cell); }, Outcome::Draw);
    s.startThinkingIfOwed();
    return true;
}

PlayResult Session::Impl::playTwoPlayers(Cell c) {
    bool wasRunning = twoPlayers.running();
    boxes.hold();
    PlayResult result = twoPlayers.play(c);
    if (result == PlayResult::Placed) events.stonePlaced(c, kPlayer);
    if (wasRunning && !twoPlayers.running()) events.gameOver();
    boxes.release();
    return result;
}

bool Session::resume(const std::vector<Cell>& moves, const Match& match) {
    Impl& s = *impl_;
    if (s.activeView().gameRunning() || match.opponent < 0 || match.opponent >= kOpponentCount ||
        match.difficulty < 0 || match.difficulty > 2)
        return false;
    if (match.mode == Mode::TwoPlayers) return s.resumeTwoPlayers(moves);
    if (moves.empty()) {
        s.checks = {match.playerFirst, match.opponent};
        OnDifficulty(s.game, match.difficulty);
        newGame();
        return true;
    }
    std::vector<SetUpStone> stones;
    for (std::size_t i = 0; i < moves.size(); ++i) {
        bool black = i % 2 == 0;
        stones.push_back({moves[i], black == match.playerFirst ? kPlayer : kComputer});
    }
    MenuChecks before = s.checks;
    int difficultyBefore = s.game.Difficulty;
    s.checks = {match.playerFirst, match.opponent};
    OnDifficulty(s.game, match.difficulty);
    // A last stone of the player's the computer answers, as in a position set up.
    bool resumed =
        stones.back().side == kPlayer ? playFromPosition(stones) : s.resumeOnPlayersTurn(stones);
    if (!resumed) {
        s.checks = before;
        OnDifficulty(s.game, difficultyBefore);
    }
    return resumed;
}

bool Session::playOn(const std::vector<Cell>& moves) {
    Impl& s = *impl_;
    if (s.activeView().gameRunning()) return false;
    bool sideChosen = s.checks.playerFirst;
    Match match = view().match();
    match.playerFirst = isBlackMove(moves.size());
    match.mode = Mode::VersusComputer;
    if (!resume(moves, match)) return false;
    // The game has its own side; the options, and a game revived by 悔棋 once over, keep
    // the one chosen.
    s.checks.playerFirst = s.gameChecks.playerFirst = sideChosen;
    return true;
}

bool Session::Impl::resumeTwoPlayers(const std::vector<Cell>& moves) {
    // Tried first without a word: the moves must all be playable, and leave the game running.
    SilentMessages quiet;
    TwoPlayerGame trial(quiet);
    trial.start();
    for (Cell c : moves)
        if (!trial.running() || trial.play(c) != PlayResult::Placed) return false;
    if (!trial.running()) return false;
    review.reset();
    twoPlayers.start();
    for (Cell c : moves)
        twoPlayers.play(c);
    mode = Mode::TwoPlayers;
    return true;
}

bool Session::Impl::resumeOnPlayersTurn(const std::vector<SetUpStone>& stones) {
    if (!SetUpPlayersTurn(game, checks, stones)) return false;
    mode = Mode::VersusComputer;
    review.reset();
    takeBack.clear();
    vesk.newGame();
    outcome = Outcome::None;
    gameChecks = checks;
    return true;
}

bool Session::canUndo() const {
    const Impl& s = *impl_;
    if (s.mode == Mode::TwoPlayers) return s.twoPlayers.canUndo();
    return !VeskReplyDue(s.game) && s.takeBack.CanUndo(s.game);
}

bool Session::undo() {
    Impl& s = *impl_;
    if (s.mode == Mode::TwoPlayers) {
        if (!s.twoPlayers.undo()) return false;
        s.review.reset();
        return true;
    }
    if (!canUndo() || !s.takeBack.Undo(s.game)) return false;
    // Taken back past a five, the game runs again with its own options.
    s.checks = s.gameChecks;
    s.outcome = Outcome::None;
    s.review.reset();
    return true;
}

bool Session::thinking() const {
    return impl_->thinking();
}

void Session::setReplyDeadline(std::optional<Deadline> deadline) {
    impl_->replyDeadline = deadline;
}

void Session::Impl::startThinkingIfOwed() {
    startVeskIfOwed();
    if (search.running() || !EngineReplyOwed(game)) return;
    search.start(game.engine, game.SearchLevel, replyDeadline);
    events.thinkingStarted();
}

// Vesk thinks for its difficulty's time, or until the reply's deadline if that comes first.
void Session::Impl::startVeskIfOwed() {
    if (vesk.running() || !VeskReplyDue(game)) return;
    vesk::ThinkLimits limits = veskSettings.play(game.Difficulty);
    if (replyDeadline) {
        std::int64_t left = replyDeadline->at - replyDeadline->clock->milliseconds();
        std::int64_t allowed = std::max<std::int64_t>(1, left);
        limits.turnMs = limits.turnMs > 0 ? std::min(limits.turnMs, allowed) : allowed;
    }
    vesk.start(VeskPosition(game), limits);
    events.thinkingStarted();
}

void Session::Impl::stopThinking() {
    if (!thinking()) return;
    search.stop();
    vesk.stop();
    events.thinkingFinished();
}

void Session::stopThinking() {
    impl_->stopThinking();
}

void Session::resumeThinking() {
    impl_->startThinkingIfOwed();
}

void Session::Impl::finishThinking() {
    int best = search.collect();
    events.thinkingFinished();
    announce([&] { PlaceEngineReply(game, best); }, Outcome::Draw);
}

void Session::Impl::finishVesk() {
    Cell reply = vesk.collect().move;
    events.thinkingFinished();
    announce([&] { PlaceVeskReply(game, reply); }, Outcome::Draw);
}

void Session::deliver() {
    Impl& s = *impl_;
    if (s.search.finished()) s.finishThinking();
    if (s.vesk.finished()) s.finishVesk();
    if (s.hint.done()) s.finishHint();
    if (s.analysis.finished()) s.finishAnalysis();
}

void Session::waitForReply() {
    Impl& s = *impl_;
    if (s.search.running()) s.finishThinking();
    if (s.vesk.running()) s.finishVesk();
}

// One hint is looked for at a time: one asked meanwhile waits for it, and is looked for
// next unless the answer under way serves it.
void Session::hint() {
    Impl& s = *impl_;
    if (!s.game.GameActive || !s.game.PlayerTurn) return;
    s.hintNo = ++s.hintsAsked;
    if (s.hint.busy())
        s.hintWaiting = s.game.BoardCells;
    else
        s.startHint();
}

void Session::Impl::startHint() {
    hintAskedAt = game;
    vesk::ThinkLimits limits = veskSettings.play(game.Difficulty);
    int megabytes = veskSettings.hintHashMegabytes;
    hint.start(
        [position = hintAskedAt, limits, megabytes] { return Hint(position, limits, megabytes); });
}

bool Session::hintPending() const {
    return impl_->hint.busy() || (impl_->analysis.running() && impl_->masterHintWanted);
}

bool Session::Impl::stillAt(const Board& cells) const {
    return game.GameActive && game.PlayerTurn && game.BoardCells == cells;
}

void Session::Impl::finishHint() {
    std::optional<Cell> cell = hint.collect();
    std::optional<Board> waiting = std::exchange(hintWaiting, std::nullopt);
    // A stone played, taken back or a new game meanwhile makes the hint stale; a hint
    // asked since, on the board as it is, is looked for in its place.
    bool current = stillAt(hintAskedAt.BoardCells);
    if (!current && waiting && stillAt(*waiting)) return startHint();
    tellHint(current ? cell : std::nullopt, false, hintNo);
}

// An answer never covers the ring of a hint asked after it: F2 then Shift+F2 shows the
// master's ring, whichever comes first.
void Session::Impl::tellHint(std::optional<Cell> cell, bool master, std::uint64_t asked) {
    if (asked < hintToldNo) cell.reset();
    if (cell) hintToldNo = asked;
    events.hintFound(cell, master);
}

void Session::waitForHint() {
    Impl& s = *impl_;
    while (s.hint.busy())
        s.finishHint();
    if (s.analysis.running() && s.masterHintWanted) s.finishAnalysis();
}

void Session::masterHint() {
    Impl& s = *impl_;
    if (!s.playersTurn()) return;
    s.lookAt(VeskPosition(s.game));
    s.masterHintWanted = true;
    s.masterHintNo = ++s.hintsAsked;
}

void Session::analyse(std::vector<Cell> position) {
    impl_->lookAt(std::move(position));
    impl_->analysisWanted = true;
}

void Session::dropAnalysis() {
    impl_->analysisWanted = false;
    if (!impl_->masterHintWanted) impl_->analysis.stop();
}

bool Session::analysing() const {
    return impl_->analysis.running() && impl_->analysisWanted;
}

// 大师分析 and 大师提示 share one search: a request for the position already under study
// joins it, any other replaces it.
void Session::Impl::lookAt(std::vector<Cell> position) {
    if (analysis.running() && analysed == position) return;
    bool hintDropped = analysis.running() && masterHintWanted;
    analysis.stop();
    masterHintWanted = analysisWanted = false;
    if (hintDropped) events.hintFound(std::nullopt, true);
    analysed = std::move(position);
    analysis.start(analysed, veskSettings.analysis);
}

void Session::Impl::finishAnalysis() {
    Analysis found{std::move(analysed), analysis.collect()};
    bool hintWanted = std::exchange(masterHintWanted, false);
    if (std::exchange(analysisWanted, false)) events.analysisFound(found);
    if (!hintWanted) return;
    // The master's hint is for the game as it was asked: not after a stone or a take-back.
    bool samePosition =
        playersTurn() && VeskPosition(game) == found.position && !isNoCell(found.result.move);
    tellHint(samePosition ? std::optional<Cell>(found.result.move) : std::nullopt, true,
             masterHintNo);
}

void Session::waitForAnalysis() {
    if (analysing()) impl_->finishAnalysis();
}

bool Session::canReview() const {
    // A game in progress is played, not reviewed.
    const GameView& game = impl_->activeView();
    return impl_->review || (!game.gameRunning() && game.moveCount() > 0);
}

void Session::reviewGame() {
    review(impl_->activeRecord());
}

void Session::review(GameRecord record, RecordSource source) {
    impl_->review.emplace(std::move(record), source);
}

void Session::leaveReview() {
    impl_->review.reset();
}

const ReviewCursor* Session::reviewCursor() const {
    return impl_->review ? &*impl_->review : nullptr;
}

ReviewCursor* Session::reviewCursor() {
    return impl_->review ? &*impl_->review : nullptr;
}

GameRecord Session::recordToSave() const {
    return impl_->review ? impl_->review->record() : impl_->activeRecord();
}

} // namespace wuzi
