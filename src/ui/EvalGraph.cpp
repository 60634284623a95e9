#include "ui/EvalGraph.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace wuzi {

namespace {

constexpr double kMargin = 4;

} // namespace

QColor MarkColour(MoveMark mark) {
    switch (mark) {
    case MoveMark::Brilliant:
        return {0x20, 0x90, 0x50};
    case MoveMark::Dubious:
        return {0xD0, 0x90, 0x10};
    case MoveMark::Mistake:
        return {0xE0, 0x60, 0x10};
    case MoveMark::Losing:
        return {0xC0, 0x20, 0x20};
    case MoveMark::MissedWin:
        return {0x80, 0x30, 0xC0};
    case MoveMark::None:
        break;
    }
    return Qt::gray;
}

QString MarkText(MoveMark mark) {
    const char* text = "";
    switch (mark) {
    case MoveMark::Brilliant:
        text = QT_TRANSLATE_NOOP("wuzi::EvalGraph", "妙手");
        break;
    case MoveMark::Dubious:
        text = QT_TRANSLATE_NOOP("wuzi::EvalGraph", "疑问手");
        break;
    case MoveMark::Mistake:
        text = QT_TRANSLATE_NOOP("wuzi::EvalGraph", "失误");
        break;
    case MoveMark::Losing:
        text = QT_TRANSLATE_NOOP("wuzi::EvalGraph", "败着");
        break;
    case MoveMark::MissedWin:
        text = QT_TRANSLATE_NOOP("wuzi::EvalGraph", "错失胜机");
        break;
    case MoveMark::None:
        return {};
    }
    return EvalGraph::tr(text);
}

EvalGraph::EvalGraph(QWidget* parent) : QWidget(parent) {
    setObjectName("evalGraph");
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void EvalGraph::setReview(const std::optional<Review>& review) {
    review_ = review;
    update();
}

void EvalGraph::setShown(std::size_t moves) {
    if (moves == shown_) return;
    shown_ = moves;
    update();
}

QPointF EvalGraph::pointOf(std::size_t moves, double blackChance) const {
    std::size_t count = review_ ? std::max<std::size_t>(review_->moves.size(), 1) : 1;
    double across = width() - 2 * kMargin, down = height() - 2 * kMargin;
    return {kMargin + across * static_cast<double>(moves) / static_cast<double>(count),
            kMargin + down * (1 - blackChance / 100)};
}

std::size_t EvalGraph::movesAt(int x) const {
    if (!review_ || review_->moves.empty()) return 0;
    double across = (x - kMargin) / (width() - 2 * kMargin);
    double moves = std::round(across * static_cast<double>(review_->moves.size()));
    return static_cast<std::size_t>(
        std::clamp(moves, 0.0, static_cast<double>(review_->moves.size())));
}

void EvalGraph::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), QColor(0xF4, 0xF1, 0xEA));
    p.setPen(QPen(QColor(0xB0, 0xA0, 0x90), 1, Qt::DashLine));
    p.drawLine(pointOf(0, 50), pointOf(review_ ? review_->moves.size() : 1, 50));
    if (!review_ || review_->moves.empty()) return;
    // Black's chance from the start to after the last move.
    QPainterPath line(pointOf(0, review_->moves.front().blackBefore));
    for (std::size_t i = 0; i < review_->moves.size(); ++i)
        line.lineTo(pointOf(i + 1, review_->moves[i].blackAfter));
    p.setPen(QPen(QColor(0x30, 0x30, 0x30), 1.6));
    p.drawPath(line);
    for (std::size_t i = 0; i < review_->moves.size(); ++i) {
        const ReviewedMove& move = review_->moves[i];
        if (move.mark == MoveMark::None) continue;
        p.setPen(Qt::NoPen);
        p.setBrush(MarkColour(move.mark));
        p.drawEllipse(pointOf(i + 1, move.blackAfter), 3.5, 3.5);
    }
    p.setPen(QPen(QColor(0x30, 0x70, 0xC0), 1.2));
    QPointF at = pointOf(shown_, 0);
    p.drawLine(QPointF(at.x(), kMargin), QPointF(at.x(), height() - kMargin));
}

void EvalGraph::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !review_) return QWidget::mousePressEvent(event);
    emit positionChosen(movesAt(static_cast<int>(event->position().x())));
}

} // namespace wuzi
