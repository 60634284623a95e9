#pragma once

#include "session/Review.h"

#include <QWidget>

#include <cstddef>
#include <optional>

namespace wuzi {

// The whole game at a glance: black's chance to win after every move of a review as a
// line over the moves, 50 % across the middle, each marked move a coloured symbol, the
// position shown a vertical line. A click asks for the position after the move under it.
class EvalGraph : public QWidget {
    Q_OBJECT
  public:
    explicit EvalGraph(QWidget* parent = nullptr);
    // Of a fixed height, so that the panel's other parts keep their room.
    QSize sizeHint() const override { return {220, 64}; }

    void setReview(const std::optional<Review>& review);
    void setShown(std::size_t moves);
    // The position after the move whose column holds x (0: the start).
    std::size_t movesAt(int x) const;

  signals:
    void positionChosen(std::size_t moves);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    QPointF pointOf(std::size_t moves, double blackChance) const;

    std::optional<Review> review_;
    std::size_t shown_ = 0;
};

// The colour a mark is drawn in on the graph, and its name in the move list.
QColor MarkColour(MoveMark mark);
QString MarkText(MoveMark mark);

} // namespace wuzi
