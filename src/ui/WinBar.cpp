#include "ui/WinBar.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace wuzi {

namespace {

constexpr int kPadding = 4;

QColor stoneColour(bool black) {
    return black ? QColor(0x20, 0x20, 0x20) : QColor(0xFA, 0xFA, 0xFA);
}

} // namespace

WinBar::WinBar(QWidget* parent) : QWidget(parent) {
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

QSize WinBar::sizeHint() const {
    return {200, minimumSizeHint().height()};
}

// The words whole at their longest, with room for a share beside them.
QSize WinBar::minimumSizeHint() const {
    QString longest = chance_ ? chance_->whose + " 100%" : QString("100%");
    int words = fontMetrics().horizontalAdvance(longest);
    return {words + 6 * kPadding, fontMetrics().height() + kPadding};
}

void WinBar::setChance(const std::optional<WinChanceShown>& chance) {
    std::optional<WinChanceShown> clamped = chance;
    if (clamped) clamped->percent = std::clamp(clamped->percent, 0.0, 100.0);
    bool sameWords = clamped.has_value() == chance_.has_value() &&
                     (!clamped || clamped->whose == chance_->whose);
    chance_ = clamped;
    if (!sameWords) updateGeometry();
    update();
}

QString WinBar::text() const {
    if (!chance_) return {};
    return QString("%1 %2%").arg(chance_->whose).arg(std::lround(chance_->percent));
}

void WinBar::paintEvent(QPaintEvent*) {
    QPainter p(this);
    QRectF frame = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    p.fillRect(frame, QColor(0xF4, 0xF1, 0xEA));
    if (chance_) {
        p.fillRect(frame, stoneColour(!chance_->black));
        QRectF share = frame;
        share.setWidth(frame.width() * chance_->percent / 100);
        p.fillRect(share, stoneColour(chance_->black));
        // The words stand on the larger share, in the ink that reads there.
        bool onShare = chance_->percent >= 50;
        bool darkGround = onShare == chance_->black;
        p.setPen(darkGround ? Qt::white : Qt::black);
        QRectF ground = onShare ? share : frame;
        p.drawText(ground.adjusted(kPadding, 0, -kPadding, 0),
                   Qt::AlignVCenter | (onShare ? Qt::AlignLeft : Qt::AlignRight), text());
    }
    p.setPen(QColor(0x80, 0x70, 0x60));
    p.drawRect(frame);
}

} // namespace wuzi
