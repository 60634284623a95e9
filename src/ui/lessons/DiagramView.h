#pragma once

#include "lessons/DemoGames.h"

#include <QRectF>
#include <QWidget>
#include <vector>

namespace wuzi {

// A board diagram: the part of the board around a few numbered stones, drawn like the
// game board.
class DiagramView : public QWidget {
    Q_OBJECT
  public:
    explicit DiagramView(std::vector<DemoMove> moves, QWidget* parent = nullptr);
    QSize sizeHint() const override;
    const std::vector<DemoMove>& moves() const { return moves_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    double shownHeight() const;

    std::vector<DemoMove> moves_;
    QRectF area_; // the shown part, in logical board pixels
};

} // namespace wuzi
