#pragma once

#include "core/Game.h"

#include <QWidget>

namespace wuzi {

// The main window's board picture: paints the game from its move histories and reports
// mouse-down positions in logical board pixels.
class BoardView : public QWidget {
    Q_OBJECT
public:
    explicit BoardView(const Game& game, QWidget* parent = nullptr);
    QSize sizeHint() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;

signals:
    void pressed(QPointF logicalPosition);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    const Game& game_;
};

} // namespace wuzi
