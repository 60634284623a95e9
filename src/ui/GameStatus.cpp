#include "ui/GameStatus.h"

#include "opponents/Roster.h"
#include "ui/SessionBridge.h"
#include "ui/SidePanel.h"

#include <QLabel>
#include <QMainWindow>
#include <QStatusBar>

namespace wuzi {

namespace {

QString difficultyName(int level) {
    const char* const names[3] = {QT_TRANSLATE_NOOP("wuzi::GameStatus", "初级"),
                                  QT_TRANSLATE_NOOP("wuzi::GameStatus", "中级"),
                                  QT_TRANSLATE_NOOP("wuzi::GameStatus", "高级")};
    return GameStatus::tr(names[level]);
}

} // namespace

GameStatus::GameStatus(const Session& session, SessionBridge& events, QMainWindow* window,
                       SidePanel* panel)
    : QObject(window), session_(session), window_(window), panel_(panel),
      line_(new QLabel(window)) {
    line_->setObjectName("statusLine");
    window->statusBar()->addWidget(line_, 1);
    secondTicks_.setInterval(1000);
    connect(&secondTicks_, &QTimer::timeout, this, &GameStatus::refresh);
    connect(&events, &SessionBridge::thinking, this, &GameStatus::thinkingChanged);
}

void GameStatus::thinkingChanged(bool on) {
    if (on) {
        searchClock_.start();
        secondTicks_.start();
    } else {
        secondTicks_.stop();
    }
    refresh();
}

QString GameStatus::turnText() const {
    const GameView& game = session_.view();
    if (!game.gameRunning()) {
        if (game.moveCount() == 0) return tr("单击 文件 → 新游戏 (Ctrl+N) 开始下棋");
        return session_.canUndo() ? tr("本局结束：新游戏 (Ctrl+N) 再来一局，或悔棋 (Ctrl+Z) 接着下")
                                  : tr("本局结束：新游戏 (Ctrl+N) 再来一局");
    }
    if (game.mode() == Mode::TwoPlayers)
        return game.moveCount() % 2 == 0 ? tr("轮到黑方") : tr("轮到白方");
    if (session_.thinking()) return thinkingText();
    return game.phase() == Phase::PlayerToMove ? tr("轮到你走") : tr("计算机思考中…");
}

QString GameStatus::thinkingText() const {
    qint64 seconds = searchClock_.isValid() ? searchClock_.elapsed() / 1000 : 0;
    return tr("计算机思考中… %1 秒").arg(seconds);
}

QString GameStatus::statusText() const {
    const GameView& game = session_.view();
    if (const ReviewCursor* review = session_.reviewCursor()) {
        if (review->source().laidOut)
            return isBlackMove(review->size()) ? tr("研究摆好的局面：黑方走")
                                               : tr("研究摆好的局面：白方走");
        return tr("复盘：第 %1 手，共 %2 手").arg(review->position()).arg(review->size());
    }
    if (game.phase() == Phase::NoGame) return turnText();
    if (!game.gameRunning()) return tr("本局结束 · %1").arg(moveText());
    // The panel tells the rule among its notes; without it, the status bar does.
    QString centre = centreRuleText();
    if (!centre.isEmpty() && panel_->isHidden()) return tr("%1 · %2").arg(turnText(), centre);
    return tr("%1 · %2").arg(turnText(), moveText());
}

QString GameStatus::centreRuleText() const {
    const GameView& game = session_.view();
    bool applies =
        game.gameRunning() && game.moveCount() == 0 && game.canPlay(kCentre) == PlayResult::Placed;
    return applies ? tr("第一手请下在天元") : QString();
}

QString GameStatus::moveText() const {
    const GameView& game = session_.view();
    int played = static_cast<int>(game.moveCount());
    if (!game.gameRunning()) return played == 0 ? QString() : tr("共 %1 手").arg(played);
    return tr("第 %1 手").arg(played + 1);
}

QString GameStatus::matchText() const {
    const ReviewCursor* review = session_.reviewCursor();
    if (review && review->source().black && review->source().white)
        return watchedText(*review->source().black, *review->source().white);
    Match m = session_.view().match();
    if (m.mode == Mode::TwoPlayers) return tr("双人对弈：执黑先行");
    QString match =
        tr("%1 · %2 · %3")
            .arg(QString::fromUtf8(OpponentName(m.opponent)), difficultyName(m.difficulty),
                 m.playerFirst ? tr("你先手（黑）") : tr("计算机先手"));
    return session_.view().gameRunning() ? tr("对手：%1").arg(match) : tr("下一局：%1").arg(match);
}

// The two opponents of a game watched (观战).
QString GameStatus::watchedText(ComputerSide black, ComputerSide white) {
    return tr("观战：%1（%2）执黑 对 %3（%4）执白")
        .arg(QString::fromUtf8(OpponentName(black.opponent)), difficultyName(black.difficulty),
             QString::fromUtf8(OpponentName(white.opponent)), difficultyName(white.difficulty));
}

QString GameStatus::titleText() const {
    if (!session_.view().gameRunning()) return tr("五子棋");
    Match m = session_.view().match();
    if (m.mode == Mode::TwoPlayers) return tr("五子棋 — 双人对弈");
    return tr("五子棋 — %1 · %2")
        .arg(QString::fromUtf8(OpponentName(m.opponent)), difficultyName(m.difficulty));
}

void GameStatus::refresh() {
    line_->setText(statusText());
    panel_->setMatch(matchText());
    panel_->setTurn(turnText());
    window_->setWindowTitle(titleText());
}

} // namespace wuzi
