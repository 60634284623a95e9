#include "session/GameView.h"

#include "engines/EngineGame.h"
#include "opponents/VeskPlay.h"
#include "rules/GameRecord.h"
#include "rules/ReviewCursor.h"
#include "session/GameFlow.h"

namespace wuzi {

Phase GameView::phase() const {
    return review_ ? Phase::Review : playPhase();
}

BoardScene GameView::shownScene() const {
    return review_ ? SceneOf(*review_) : scene();
}

Phase ComputerGameView::playPhase() const {
    if (!game_.GameActive) return moveCount() == 0 ? Phase::NoGame : Phase::GameOver;
    return ReplyOwed(game_) ? Phase::ComputerThinking : Phase::PlayerToMove;
}

Match ComputerGameView::match() const {
    // During a game the checks cannot change, and the side is the game's own.
    bool playerFirst = game_.GameActive ? game_.PlayerFirst : checks_.playerFirst;
    return {checks_.opponent, playerFirst, game_.Difficulty};
}

bool ComputerGameView::gameRunning() const {
    return game_.GameActive;
}

BoardScene ComputerGameView::scene() const {
    return SceneOf(game_);
}

std::vector<Cell> ComputerGameView::moves() const {
    return RecordOf(game_).moves;
}

PlayResult ComputerGameView::canPlay(Cell c) const {
    if (!game_.GameActive) return PlayResult::NoGame;
    if (ReplyOwed(game_)) return PlayResult::Thinking;
    if (!game_.PlayerTurn) return PlayResult::NotYourTurn;
    if (game_.CentreRule && c != kCentre) return PlayResult::CentreFirst;
    if (!onBoard(c)) return PlayResult::OffBoard;
    if (!game_.isEmpty(c)) return PlayResult::Taken;
    return PlayResult::Placed;
}

} // namespace wuzi
