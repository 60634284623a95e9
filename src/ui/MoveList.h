#pragma once

#include "rules/Types.h"

#include <QIcon>
#include <QListWidget>
#include <QStringList>

#include <cstddef>
#include <vector>

namespace wuzi {

// The moves of a game as a list, one a row: a stone in the mover's colour (black in any
// row state, a selected row too), the move's number and cell, and its mark in a review.
// The last move on the board stands out and stays in view, also when the list is made
// shorter.
class MoveList : public QListWidget {
    Q_OBJECT
  public:
    explicit MoveList(QWidget* parent = nullptr);
    // A few rows, and no more asked for: the list takes what room the panel leaves it.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    // The moves, `shown` of them on the board.
    void setMoves(const std::vector<Cell>& moves, std::size_t shown, const QStringList& marks);
    QStringList texts() const;

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    QIcon stones_[2]; // black's, white's
};

} // namespace wuzi
