#include "ui/ReviewPresenter.h"

#include "ui/Actions.h"
#include "ui/BoardOverlays.h"
#include "ui/EvalGraph.h"
#include "ui/ReviewRunner.h"
#include "ui/ViewMenu.h"

#include <QAction>
#include <QMainWindow>

namespace wuzi {

ReviewPresenter::ReviewPresenter(Session& session, ViewMenu* view, QString directory,
                                 QMainWindow* window)
    : QObject(window), session_(session), view_(view), runner_(new ReviewRunner(directory, this)),
      action_(MakeWindowAction(window, "gameReview", QT_TRANSLATE_NOOP("Menu", "复盘分析(&Y)"))) {
    connect(action_, &QAction::triggered, this, &ReviewPresenter::start);
    connect(runner_, &ReviewRunner::changed, this, &ReviewPresenter::changed);
}

void ReviewPresenter::refresh() {
    // A position laid out by hand has no moves to judge.
    const ReviewCursor* cursor = session_.reviewCursor();
    action_->setEnabled(session_.canReview() && !(cursor && cursor->source().laidOut));
    if (!session_.view().gameRunning()) return;
    runner_->cancel();
    branchedFrom_.reset();
}

void ReviewPresenter::start() {
    if (!session_.reviewCursor()) {
        if (!session_.canReview()) return;
        session_.reviewGame();
    }
    branchedFrom_.reset();
    runner_->start(session_.reviewCursor()->record());
    view_->refresh();
    emit view_->shownPositionChanged();
}

void ReviewPresenter::playMissedWin() {
    const ReviewCursor* cursor = session_.reviewCursor();
    if (!cursor) return;
    if (branchedFrom_) {
        ReviewCursor back = *branchedFrom_;
        branchedFrom_.reset();
        view_->review(back.record(), back.source());
        view_->showPosition(back.position());
        runner_->start(back.record()); // kept: at once
        return;
    }
    const std::optional<Review>& review = runner_->review();
    if (!review || cursor->position() == 0) return;
    std::size_t before = cursor->position() - 1;
    const ReviewedMove& move = review->moves[before];
    GameRecord line{{cursor->record().moves.begin(),
                     cursor->record().moves.begin() + static_cast<long>(before)}};
    line.moves.insert(line.moves.end(), move.threatWin.line.begin(), move.threatWin.line.end());
    branchedFrom_ = *cursor;
    view_->review(line, cursor->source());
    view_->showPosition(before);
}

std::optional<ReviewShown> ReviewPresenter::shown() const {
    const ReviewCursor* cursor = session_.reviewCursor();
    if (!cursor) return std::nullopt;
    // While a missed win is played out, the review is still the game's it branched from.
    const GameRecord& reviewed = branchedFrom_ ? branchedFrom_->record() : cursor->record();
    if (runner_->record() != reviewed) return std::nullopt;
    GameReview::Progress progress = runner_->progress();
    ReviewShown shown{runner_->running(),
                      progress.done,
                      progress.total,
                      runner_->review(),
                      branchedFrom_ ? branchedFrom_->position() : cursor->position(),
                      {},
                      branchedFrom_.has_value()};
    // The win missed before the move shown, told while it is played out too.
    if (shown.review && shown.shown > 0) {
        const ReviewedMove& move = shown.review->moves[shown.shown - 1];
        if (move.mark == MoveMark::MissedWin) {
            QStringList line;
            for (Cell c : move.threatWin.line)
                line << BoardOverlays::columnLabel(c.x) + BoardOverlays::rowLabel(c.y);
            shown.missedWin = tr("第 %1 手错过了胜机：%2").arg(move.number).arg(line.join(" "));
        }
    }
    return shown;
}

QStringList ReviewPresenter::marks() const {
    QStringList marks;
    std::optional<ReviewShown> review = shown();
    if (review && review->review && !branchedFrom_)
        for (const ReviewedMove& move : review->review->moves)
            marks << MarkText(move.mark);
    return marks;
}

} // namespace wuzi
