#include "ui/MasterAnalysis.h"

#include "session/WinChance.h"
#include "ui/Actions.h"
#include "ui/BoardOverlays.h"
#include "ui/BoardView.h"
#include "ui/SessionBridge.h"

#include <QAction>
#include <QLabel>
#include <QMainWindow>
#include <QStatusBar>

#include <cmath>
#include <cstdlib>

namespace wuzi {

namespace {

QString coordinates(Cell c) {
    return BoardOverlays::columnLabel(c.x) + BoardOverlays::rowLabel(c.y);
}

bool blackToMove(const Analysis& analysis) {
    return analysis.position.size() % 2 == 0;
}

double ownersPercent(const Analysis& analysis, ChanceOwner owner) {
    double black = MasterAnalysis::BlackPercent(analysis);
    return owner.black ? black : 100 - black;
}

QString colour(bool black) {
    return black ? MasterAnalysis::tr("黑") : MasterAnalysis::tr("白");
}

} // namespace

MasterAnalysis::MasterAnalysis(Session& session, SessionBridge& events, BoardView* board,
                               SidePanel* panel, QMainWindow* window)
    : QObject(window), session_(session), board_(board), panel_(panel),
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
    if (position != asked_) {
        asked_ = position;
        answer_.reset();
        board_->setMasterMove(std::nullopt);
        session_.analyse(*position);
    }
    show();
}

void MasterAnalysis::clear() {
    if (asked_) session_.dropAnalysis(); // it would only slow the computer's own search
    asked_.reset();
    answer_.reset();
    board_->setMasterMove(std::nullopt);
    panel_->setMasterView(std::nullopt);
    label_->clear();
    label_->hide();
}

void MasterAnalysis::found(const Analysis& analysis) {
    if (!asked_ || analysis.position != *asked_) return;
    answer_ = analysis;
    Cell best = analysis.result.move;
    board_->setMasterMove(isNoCell(best) ? std::nullopt : std::optional<Cell>(best));
    show();
}

ChanceOwner MasterAnalysis::owner() const {
    const GameView& game = session_.view();
    if (session_.reviewCursor() || game.mode() != Mode::VersusComputer) return {};
    return {game.match().playerFirst, true};
}

// In the language shown now, so that a switch is followed at once.
void MasterAnalysis::show() {
    MasterView view = answer_ ? ViewOf(*answer_, owner()) : MasterView{tr("思考中…"), {}, {}};
    panel_->setMasterView(view);
    label_->setText(tr("大师分析：%1").arg(view.verdict));
    label_->setVisible(!panel_->isVisibleTo(panel_->window()));
}

QString MasterAnalysis::verdict() const {
    return asked_ ? label_->text() : QString();
}

double MasterAnalysis::BlackPercent(const Analysis& analysis) {
    return BlackWinChance(analysis.result, blackToMove(analysis));
}

QString MasterAnalysis::Verdict(const Analysis& analysis, ChanceOwner owner) {
    const vesk::ThinkResult& r = analysis.result;
    if (isNoCell(r.move)) return tr("此局已终");
    QString best = coordinates(r.move);
    bool black = blackToMove(analysis);
    if (int plies = r.winningPlies()) {
        QString moves = QString::number((std::abs(plies) + 1) / 2);
        if (plies > 0) return tr("%1 %2 手胜，最佳 %3").arg(colour(black), moves, best);
        // The best move is the loser's: the reply that holds out longest.
        return tr("%1 %2 手胜；%3最佳应手 %4").arg(colour(!black), moves, colour(black), best);
    }
    long percent = std::lround(ownersPercent(analysis, owner));
    if (owner.player) return tr("你的胜率 %1%，最佳 %2").arg(percent).arg(best);
    if (black) return tr("黑 %1%，最佳 %2").arg(percent).arg(best);
    return tr("黑 %1%；白最佳 %2").arg(percent).arg(best);
}

MasterView MasterAnalysis::ViewOf(const Analysis& analysis, ChanceOwner owner) {
    MasterView view{Verdict(analysis, owner), {}, {}};
    if (isNoCell(analysis.result.move)) return view;
    view.chance = WinChanceShown{ownersPercent(analysis, owner), owner.black,
                                 owner.player ? tr("你的胜率") : tr("黑方胜率")};
    QStringList line;
    for (Cell c : analysis.result.pv)
        line << coordinates(c);
    if (!line.isEmpty()) view.line = tr("变化：%1").arg(line.join(" "));
    return view;
}

} // namespace wuzi
