#include "ui/MasterAnalysis.h"

#include "ui/Actions.h"
#include "ui/BoardOverlays.h"
#include "ui/BoardView.h"
#include "ui/SessionBridge.h"

#include <QAction>
#include <QLabel>
#include <QMainWindow>
#include <QStatusBar>

#include <cstdlib>

namespace wuzi {

MasterAnalysis::MasterAnalysis(Session& session, SessionBridge& events, BoardView* board,
                               QMainWindow* window)
    : QObject(window), session_(session), board_(board),
      action_(
          MakeWindowAction(window, "masterAnalysis", QT_TRANSLATE_NOOP("Menu", "大师分析(&A)"))),
      label_(new QLabel(window)) {
    action_->setCheckable(true);
    label_->setObjectName("masterVerdict");
    window->statusBar()->addPermanentWidget(label_);
    label_->hide();
    connect(action_, &QAction::toggled, this, &MasterAnalysis::refresh);
    connect(&events, &SessionBridge::analysisReady, this, &MasterAnalysis::found);
}

std::optional<std::vector<Cell>> MasterAnalysis::positionShown() const {
    if (const ReviewCursor* review = session_.reviewCursor()) {
        const std::vector<Cell>& moves = review->record().moves;
        return std::vector<Cell>(moves.begin(),
                                 moves.begin() + static_cast<long>(review->position()));
    }
    if (session_.view().phase() != Phase::PlayerToMove) return std::nullopt;
    return session_.view().moves();
}

void MasterAnalysis::refresh() {
    std::optional<std::vector<Cell>> position =
        action_->isChecked() ? positionShown() : std::nullopt;
    if (!position) return clear();
    if (position == asked_) return;
    asked_ = position;
    board_->setMasterMove(std::nullopt);
    label_->setText(tr("大师分析：思考中…"));
    label_->show();
    session_.analyse(*position);
}

void MasterAnalysis::clear() {
    if (asked_) session_.dropAnalysis(); // it would only slow the computer's own search
    asked_.reset();
    board_->setMasterMove(std::nullopt);
    label_->clear();
    label_->hide();
}

void MasterAnalysis::found(const Analysis& analysis) {
    if (!asked_ || analysis.position != *asked_) return;
    Cell best = analysis.result.move;
    board_->setMasterMove(isNoCell(best) ? std::nullopt : std::optional<Cell>(best));
    label_->setText(Verdict(analysis));
}

QString MasterAnalysis::verdict() const {
    return label_->isVisible() ? label_->text() : QString();
}

QString MasterAnalysis::Verdict(const Analysis& analysis) {
    const vesk::ThinkResult& r = analysis.result;
    if (isNoCell(r.move)) return tr("大师分析：此局已终");
    bool blackToMove = analysis.position.size() % 2 == 0;
    QString best = BoardOverlays::columnLabel(r.move.x) + BoardOverlays::rowLabel(r.move.y);
    auto colour = [](bool black) { return black ? tr("黑") : tr("白"); };
    if (int plies = r.winningPlies()) {
        bool blackWins = (plies > 0) == blackToMove;
        return tr("大师分析：%1胜 in %2，最佳 %3")
            .arg(colour(blackWins))
            .arg((std::abs(plies) + 1) / 2)
            .arg(best);
    }
    int forBlack = blackToMove ? r.score : -r.score;
    return tr("大师分析：%1 +%2，最佳 %3")
        .arg(colour(forBlack >= 0))
        .arg(std::abs(forBlack))
        .arg(best);
}

} // namespace wuzi
