#pragma once

#include "core/Game.h"
#include "core/ReviewCursor.h"

#include <QKeySequence>
#include <QObject>
#include <optional>

class QAction;
class QMainWindow;
class QMenu;

namespace wuzi {

class BoardView;

// The 查看 menu: move numbers and coordinates on the board, and the review (复盘) of a
// finished game or an opened record, stepped with Home, Left, Right and End. A review
// only shows moves; the game stays as it is.
class ViewMenu : public QObject {
    Q_OBJECT
  public:
    ViewMenu(const Game& game, BoardView* board, QMainWindow* window);

    QMenu* menu() const { return menu_; }
    bool reviewing() const { return cursor_.has_value(); }
    const ReviewCursor* cursor() const { return cursor_ ? &*cursor_ : nullptr; }

    // Opens a review of the record on its final position.
    void review(GameRecord record);
    void leaveReview();
    // Brings the items' enabled states up to date with the game.
    void refresh();

  private:
    void toggleReview(bool on);
    void step(void (ReviewCursor::*move)());
    void showPosition();

    const Game& game_;
    BoardView* board_;
    QMainWindow* window_;
    QMenu* menu_;
    std::optional<ReviewCursor> cursor_;
    QAction* numbers_;
    QAction* coordinates_;
    QAction* review_;
    QAction* first_;
    QAction* previous_;
    QAction* next_;
    QAction* last_;
};

} // namespace wuzi
