#include "ui/ViewMenu.h"

#include "ui/Actions.h"
#include "ui/BoardView.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QStatusBar>

namespace wuzi {

ViewMenu::ViewMenu(const Game& game, BoardView* board, QMainWindow* window)
    : QObject(window), game_(game), board_(board), window_(window),
      menu_(new QMenu("查看(&V)", window)) {
    menu_->setObjectName("numView");
    numbers_ = MakeWindowAction(window_, "numNumbers", "显示手数(&N)");
    coordinates_ = MakeWindowAction(window_, "numCoordinates", "显示坐标(&C)");
    review_ = MakeWindowAction(window_, "numReview", "复盘(&R)", QKeySequence("Ctrl+R"));
    for (QAction* a : {numbers_, coordinates_, review_})
        a->setCheckable(true);
    first_ = MakeWindowAction(window_, "numReviewFirst", "第一手(&F)", QKeySequence(Qt::Key_Home));
    previous_ =
        MakeWindowAction(window_, "numReviewPrevious", "上一手(&P)", QKeySequence(Qt::Key_Left));
    next_ = MakeWindowAction(window_, "numReviewNext", "下一手(&X)", QKeySequence(Qt::Key_Right));
    last_ = MakeWindowAction(window_, "numReviewLast", "最后一手(&L)", QKeySequence(Qt::Key_End));

    connect(numbers_, &QAction::toggled, board_, &BoardView::setShowNumbers);
    connect(coordinates_, &QAction::toggled, board_, &BoardView::setShowCoordinates);
    connect(review_, &QAction::triggered, this, &ViewMenu::toggleReview);
    connect(first_, &QAction::triggered, this, [this] { step(&ReviewCursor::First); });
    connect(previous_, &QAction::triggered, this, [this] { step(&ReviewCursor::Previous); });
    connect(next_, &QAction::triggered, this, [this] { step(&ReviewCursor::Next); });
    connect(last_, &QAction::triggered, this, [this] { step(&ReviewCursor::Last); });

    menu_->addAction(numbers_);
    menu_->addAction(coordinates_);
    menu_->addSeparator();
    menu_->addAction(review_);
    for (QAction* a : {first_, previous_, next_, last_})
        menu_->addAction(a);
    refresh();
}

void ViewMenu::review(GameRecord record) {
    cursor_.emplace(std::move(record));
    board_->setReview(&*cursor_);
    showPosition();
    refresh();
}

void ViewMenu::leaveReview() {
    if (!cursor_) return;
    cursor_.reset();
    board_->setReview(nullptr);
    window_->statusBar()->hide();
    refresh();
}

void ViewMenu::toggleReview(bool on) {
    if (on)
        review(RecordOf(game_));
    else
        leaveReview();
}

void ViewMenu::step(void (ReviewCursor::*move)()) {
    if (!cursor_) return;
    ((*cursor_).*move)();
    showPosition();
    refresh();
}

void ViewMenu::showPosition() {
    board_->update();
    QStatusBar* bar = window_->statusBar();
    bar->showMessage(
        QString("复盘：第 %1 手，共 %2 手").arg(cursor_->position()).arg(cursor_->size()));
    bar->show();
}

void ViewMenu::refresh() {
    // A game in progress is played, not reviewed.
    bool canReview = reviewing() || (game_.GameActive != kTrue && !RecordOf(game_).moves.empty());
    review_->setEnabled(canReview);
    review_->setChecked(reviewing());
    first_->setEnabled(reviewing() && !cursor_->atStart());
    previous_->setEnabled(reviewing() && !cursor_->atStart());
    next_->setEnabled(reviewing() && !cursor_->atEnd());
    last_->setEnabled(reviewing() && !cursor_->atEnd());
}

} // namespace wuzi
