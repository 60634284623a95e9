#pragma once

#include "rules/BoardScene.h"
#include "session/Session.h"

#include <QTimer>
#include <QWidget>
#include <optional>
#include <vector>

namespace wuzi {

// The main window's board picture: paints the session's game from its move histories, or
// the position of its review, and reports the cell a left mouse-down snaps to. On the
// player's turn a translucent stone follows the mouse over the empty cells. The arrow
// keys move a cursor over the cells; Enter or Space presses its cell, as a click on it
// would.
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
    // Rings the cell until the next stone is placed or taken back, or for kHintMs: green
    // for the opponent's own choice (提示), gold for the master's (大师提示).
    void showHint(Cell c, bool master = false);
    // The stones on the board have changed: a hint shown before is gone.
    void positionChanged();
    static constexpr int kHintMs = 5000;
    int hintMsLeft() const { return hintTimer_.remainingTime(); }

    // Rings Vesk's best move in the position shown (大师分析); none clears it.
    void setMasterMove(std::optional<Cell> c);
    std::optional<Cell> masterMove() const { return masterMove_; }

    BoardScene scene() const;
    // The hint ringed now, if any: none once a stone has been placed or taken back.
    std::optional<Cell> hintCell() const;
    bool hintIsMasters() const { return masterHint_; }
    std::optional<Cell> keyboardCursor() const { return cursor_; }
    // Where the translucent stone stands, if anywhere.
    std::optional<Cell> previewCell() const;
    // Widget position of the middle of a cell, at the present size and margins.
    QPoint pointOf(Cell c) const;
    // In screen coordinates, when the board shows a winning five: the board's picture,
    // then the five's stones; else nothing.
    std::vector<QRect> winningAreas() const;

  signals:
    void pressed(Cell cell);
    // The hint's ring went: its time ran out, or a stone was placed or taken back.
    void hintHidden();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    double margin() const;
    void moveCursor(int dx, int dy);
    void paintStones(QPainter& p, const BoardScene& scene) const;
    void hideHint();
    std::size_t stonesPlaced() const;

    const Session& session_;
    bool numbers_ = false;
    bool coordinates_ = false;
    std::optional<Cell> cursor_;
    std::optional<Cell> hover_; // the cell under the mouse
    std::optional<Cell> hint_;
    bool masterHint_ = false;
    std::optional<Cell> masterMove_;
    std::size_t hintStones_ = 0; // the stones on the board when the hint was shown
    QTimer hintTimer_;
};

} // namespace wuzi
