#include "session/TwoPlayerGame.h"

#include "rules/Placement.h"
#include "rules/WinningLine.h"

namespace wuzi {

void TwoPlayerGame::start() {
    record_.moves.clear();
    running_ = true;
    outcome_ = Outcome::None;
}

void TwoPlayerGame::end() {
    if (!running_) return;
    running_ = false;
    outcome_ = Outcome::Ended;
}

PlayResult TwoPlayerGame::canPlay(Cell c) const {
    if (!running_) return PlayResult::NoGame;
    if (record_.moves.empty() && c != kCentre) return PlayResult::CentreFirst;
    if (!onBoard(c)) return PlayResult::OffBoard;
    for (Cell taken : record_.moves)
        if (taken == c) return PlayResult::Taken;
    return PlayResult::Placed;
}

PlayResult TwoPlayerGame::play(Cell c) {
    PlayResult verdict = canPlay(c);
    if (verdict == PlayResult::CentreFirst) messages_.information(kHintTitle, kCentreFirst);
    if (verdict != PlayResult::Placed) return verdict;
    bool black = record_.moves.size() % 2 == 0;
    record_.moves.push_back(c);
    ColourBoard board = BoardAfter(record_, record_.moves.size());
    if (!WinningLine(board, c).empty()) {
        running_ = false;
        outcome_ = black ? Outcome::BlackWon : Outcome::WhiteWon;
        messages_.information(kHintTitle, black ? kBlackWins : kWhiteWins);
    } else if (record_.moves.size() == kCellCount) {
        running_ = false;
        outcome_ = Outcome::Draw;
        messages_.information(kHintTitle, kDrawText);
    }
    return PlayResult::Placed;
}

bool TwoPlayerGame::canUndo() const {
    // In a running game, or one that ended on five.
    bool onFive = outcome_ == Outcome::BlackWon || outcome_ == Outcome::WhiteWon;
    return !record_.moves.empty() && (running_ || onFive);
}

bool TwoPlayerGame::undo() {
    if (!canUndo()) return false;
    record_.moves.pop_back();
    running_ = true;
    outcome_ = Outcome::None;
    return true;
}

Match TwoPlayerView::match() const {
    Match m = computer_.match();
    if (game_.running()) m.mode = Mode::TwoPlayers;
    return m;
}

Phase TwoPlayerView::playPhase() const {
    if (game_.running()) return Phase::PlayerToMove;
    return game_.record().moves.empty() ? Phase::NoGame : Phase::GameOver;
}

} // namespace wuzi
