#pragma once

#include <QLayout>
#include <QList>

namespace wuzi {

// The main window's board and side panel. The panel stands beside the board while the
// board keeps most of the height as its width: it takes what the square board leaves,
// between its least and its preferred width. In a narrower window it lies under the
// board, with the height the board's square leaves or a third of it, whichever is more.
// Hidden, it leaves the board the whole room.
class BoardPanelLayout : public QLayout {
  public:
    BoardPanelLayout(QWidget* board, QWidget* panel, QWidget* parent);
    ~BoardPanelLayout() override;
    BoardPanelLayout(const BoardPanelLayout&) = delete;
    BoardPanelLayout& operator=(const BoardPanelLayout&) = delete;

    void setGeometry(const QRect& rect) override;
    QSize sizeHint() const override;
    QSize minimumSize() const override;
    void addItem(QLayoutItem* item) override;
    int count() const override;
    QLayoutItem* itemAt(int index) const override;
    QLayoutItem* takeAt(int index) override;

  private:
    QLayoutItem* itemOf(const QWidget* widget) const;

    QWidget* board_;
    QWidget* panel_;
    QList<QLayoutItem*> items_;
};

} // namespace wuzi
