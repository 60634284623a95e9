#pragma once

#include "core/BoardScene.h"
#include "session/Session.h"

#include <QTimer>
#include <QWidget>
#include <optional>

namespace wuzi {

// The main window's board picture: paints the session's game from its move histories, or
// the position of its review, and reports the cell a mouse-down snaps to. The arrow keys
// move a cursor over the cells; Enter or Space presses its cell, as a click on it would.
class BoardView : public QWidget {
    Q_OBJECT
  public:
    explicit BoardView(const Session& session, QWidget* parent = nullptr);
    QSize sizeHint() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;

    void setShowNumbers(bool on);
    void setShowCoordinates(bool on);
    bool showsCoordinates() const { return coordinates_; }
    // Flashes the cell for about a second.
    void flashHint(Cell c);

    BoardScene scene() const;
    std::optional<Cell> hintCell() const { return hint_; }
    std::optional<Cell> keyboardCursor() const { return cursor_; }
    // Widget position of the middle of a cell, at the present size and margins.
    QPoint pointOf(Cell c) const;

  signals:
    void pressed(Cell cell);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    double margin() const;
    void moveCursor(int dx, int dy);
    void paintStones(QPainter& p, const BoardScene& scene) const;
    void flashTick();

    const Session& session_;
    bool numbers_ = false;
    bool coordinates_ = false;
    std::optional<Cell> cursor_;
    std::optional<Cell> hint_;
    bool hintShown_ = false;
    int hintTicks_ = 0;
    QTimer hintTimer_;
};

} // namespace wuzi
