#include "ui/WinBar.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace wuzi {

WinBar::WinBar(QWidget* parent) : QWidget(parent) {
    setMinimumHeight(18);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void WinBar::setBlackPercent(std::optional<double> percent) {
    if (percent) percent = std::clamp(*percent, 0.0, 100.0);
    if (percent == percent_) return;
    percent_ = percent;
    update();
}

void WinBar::paintEvent(QPaintEvent*) {
    QPainter p(this);
    QRectF frame = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    p.fillRect(frame, QColor(0xF4, 0xF1, 0xEA));
    if (percent_) {
        QRectF black = frame;
        black.setWidth(frame.width() * *percent_ / 100);
        p.fillRect(black, QColor(0x20, 0x20, 0x20));
        // The figure stands on the larger share, in the colour that reads there.
        bool onBlack = *percent_ >= 50;
        p.setPen(onBlack ? Qt::white : Qt::black);
        QString text = QString::number(std::lround(*percent_)) + "%";
        p.drawText(onBlack ? black.adjusted(4, 0, -4, 0) : frame.adjusted(4, 0, -4, 0),
                   Qt::AlignVCenter | (onBlack ? Qt::AlignLeft : Qt::AlignRight), text);
    }
    p.setPen(QColor(0x80, 0x70, 0x60));
    p.drawRect(frame);
}

} // namespace wuzi
