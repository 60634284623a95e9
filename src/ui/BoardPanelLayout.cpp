#include "ui/BoardPanelLayout.h"

#include <QWidget>

#include <algorithm>

namespace wuzi {

namespace {

// Beside the panel, the board keeps at least this share of the height as its width.
constexpr double kBoardKeeps = 0.7;
// Under the board, the panel's least share of the height.
constexpr double kPanelUnder = 0.34;

bool shown(const QLayoutItem* item) {
    return item && !item->isEmpty();
}

} // namespace

BoardPanelLayout::BoardPanelLayout(QWidget* board, QWidget* panel, QWidget* parent)
    : QLayout(parent), board_(board), panel_(panel) {
    setContentsMargins(0, 0, 0, 0);
    for (QWidget* widget : {board, panel}) {
        addChildWidget(widget);
        items_ << new QWidgetItem(widget);
    }
}

BoardPanelLayout::~BoardPanelLayout() {
    qDeleteAll(items_);
}

QLayoutItem* BoardPanelLayout::itemOf(const QWidget* widget) const {
    for (QLayoutItem* item : items_)
        if (item->widget() == widget) return item;
    return nullptr;
}

void BoardPanelLayout::setGeometry(const QRect& rect) {
    QLayout::setGeometry(rect);
    QLayoutItem* board = itemOf(board_);
    QLayoutItem* panel = itemOf(panel_);
    if (!board) return;
    if (!shown(panel)) return board->setGeometry(rect);
    int least = panel->minimumSize().width();
    if (rect.width() - least >= kBoardKeeps * rect.height()) {
        int width = std::clamp(rect.width() - rect.height(), least,
                               std::max(least, panel->sizeHint().width()));
        QRect boardArea = rect.adjusted(0, 0, -width, 0);
        board->setGeometry(boardArea);
        panel->setGeometry(QRect(boardArea.right() + 1, rect.top(), width, rect.height()));
        return;
    }
    int height =
        std::max(rect.height() - rect.width(), static_cast<int>(kPanelUnder * rect.height()));
    QRect boardArea = rect.adjusted(0, 0, 0, -height);
    board->setGeometry(boardArea);
    panel->setGeometry(QRect(rect.left(), boardArea.bottom() + 1, rect.width(), height));
}

QSize BoardPanelLayout::sizeHint() const {
    QLayoutItem* board = itemOf(board_);
    QLayoutItem* panel = itemOf(panel_);
    QSize size = board ? board->sizeHint() : QSize();
    if (!shown(panel)) return size;
    return {size.width() + panel->sizeHint().width(),
            std::max(size.height(), panel->sizeHint().height())};
}

// The board's least beside the panel's: narrower, the panel goes under the board.
QSize BoardPanelLayout::minimumSize() const {
    QLayoutItem* board = itemOf(board_);
    QLayoutItem* panel = itemOf(panel_);
    QSize size = board ? board->minimumSize() : QSize(0, 0);
    if (!shown(panel)) return size;
    return {size.width() + panel->minimumSize().width(),
            std::max(size.height(), panel->minimumSize().height())};
}

// The board and the panel are given at construction; nothing else is laid out here.
void BoardPanelLayout::addItem(QLayoutItem* item) {
    delete item;
}

int BoardPanelLayout::count() const {
    return static_cast<int>(items_.size());
}

QLayoutItem* BoardPanelLayout::itemAt(int index) const {
    return items_.value(index);
}

QLayoutItem* BoardPanelLayout::takeAt(int index) {
    return index >= 0 && index < items_.size() ? items_.takeAt(index) : nullptr;
}

} // namespace wuzi
