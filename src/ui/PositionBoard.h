#pragma once

#include "rules/BoardScene.h"
#include "session/HandPosition.h"

#include <QWidget>

class QLabel;

namespace wuzi {

// A board of its own, for a puzzle, a position being set up or a game being watched: it
// shows the stones given, with the last-move marker and a winning line, and the
// coordinates around the board (the windows' texts name cells by them); it reports the
// cell a left click snaps to.
class PositionBoard : public QWidget {
    Q_OBJECT
  public:
    explicit PositionBoard(QWidget* parent = nullptr);
    QSize sizeHint() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;

    void setScene(const BoardScene& scene);
    // A hint's ring on the cell; none clears it.
    void setHint(std::optional<Cell> cell);
    void setPosition(const HandPosition& position);
    // Widget position of the middle of a cell.
    QPoint pointOf(Cell c) const;

  signals:
    void pressed(Cell cell);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    BoardScene scene_;
    std::optional<Cell> hint_;
};

// Lays out a window of a board of its own: the board, and beside it the controls in a
// column, top to bottom, with the window's closing button at the foot; a line of text
// under the board when one is given.
void LayOutBesideTheBoard(QWidget* window, PositionBoard* board,
                          std::initializer_list<QWidget*> controls, QWidget* closing,
                          QLabel* underBoard = nullptr);

// A label for the column beside the board whose text changes (how a puzzle or a game
// stands): wrapped to the column's width, which its text never widens, so that the
// board keeps its size whatever it says.
QLabel* MessageLabel(const char* name, QWidget* parent);

} // namespace wuzi
