#include "ui/MoveList.h"

#include "ui/BoardOverlays.h"

#include <QPainter>

#include <algorithm>

namespace wuzi {

namespace {

// A stone drawn in its own colours for every state of a row: the style would otherwise
// tint it with the selection's colour, as it draws a text's dot in the selection's ink.
QIcon stoneIcon(int side, bool black) {
    QPixmap pixmap(side * 2, side * 2);
    pixmap.setDevicePixelRatio(2);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(black ? QColor(0x10, 0x10, 0x10) : QColor(0x70, 0x70, 0x70), 1));
    p.setBrush(black ? QColor(0x20, 0x20, 0x20) : QColor(0xFA, 0xFA, 0xFA));
    p.drawEllipse(QRectF(1, 1, side - 2, side - 2));
    p.end();
    QIcon icon;
    for (QIcon::Mode mode : {QIcon::Normal, QIcon::Selected, QIcon::Active})
        icon.addPixmap(pixmap, mode);
    return icon;
}

// Numbers padded with figure spaces, as wide as a digit, so that the columns line up
// without runs of plain spaces.
QString rowText(std::size_t index, Cell c, const QString& mark) {
    QString text = QString("%1 %2%3")
                       .arg(index + 1, 3, 10, QChar(0x2007))
                       .arg(BoardOverlays::columnLabel(c.x), BoardOverlays::rowLabel(c.y));
    return mark.isEmpty() ? text : text + " " + mark;
}

} // namespace

MoveList::MoveList(QWidget* parent) : QListWidget(parent) {
    int side = fontMetrics().height() * 3 / 4;
    setIconSize({side, side});
    stones_[0] = stoneIcon(side, true);
    stones_[1] = stoneIcon(side, false);
    setSelectionMode(QAbstractItemView::SingleSelection);
}

QSize MoveList::sizeHint() const {
    return {QListWidget::sizeHint().width(), minimumSizeHint().height()};
}

QSize MoveList::minimumSizeHint() const {
    constexpr int kRows = 4;
    int row = std::max(fontMetrics().height(), iconSize().height()) + 4;
    return {QListWidget::minimumSizeHint().width(), kRows * row + 2 * frameWidth()};
}

void MoveList::setMoves(const std::vector<Cell>& moves, std::size_t shown,
                        const QStringList& marks) {
    QStringList rows;
    for (std::size_t i = 0; i < moves.size(); ++i) {
        auto k = static_cast<qsizetype>(i);
        rows << rowText(i, moves[i], k < marks.size() ? marks[k] : QString());
    }
    // Rebuilt only when the moves differ, so a click's selection is not lost. Black's
    // moves are the odd ones.
    if (rows != texts()) {
        clear();
        for (qsizetype i = 0; i < rows.size(); ++i)
            addItem(new QListWidgetItem(stones_[i % 2], rows[i]));
    }
    // None stands out before the first move.
    int current = static_cast<int>(shown) - 1;
    setCurrentRow(current);
    if (current >= 0) scrollToItem(item(current));
}

QStringList MoveList::texts() const {
    QStringList rows;
    for (int i = 0; i < count(); ++i)
        rows << item(i)->text();
    return rows;
}

void MoveList::resizeEvent(QResizeEvent* event) {
    QListWidget::resizeEvent(event);
    if (QListWidgetItem* shown = currentItem()) scrollToItem(shown);
}

} // namespace wuzi
