#include "ui/SplashWindow.h"

#include "ui/BoardMapping.h"
#include "ui/BoardPainter.h"

#include <QPainter>

namespace wuzi {

SplashWindow::SplashWindow(Role role, QWidget* parent) : QDialog(parent), role_(role) {
    setObjectName("frmSplash");
    setWindowTitle("五子棋");
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setFixedSize(480, 300);
    timer_.setInterval(1000);
    connect(&timer_, &QTimer::timeout, this, &SplashWindow::tick);
    if (role_ == Role::Startup) timer_.start();
}

void SplashWindow::tick() {
    if (++ticks_ > 2) handOver();
}

void SplashWindow::mousePressEvent(QMouseEvent*) {
    handOver();
}

void SplashWindow::reject() {
    if (role_ == Role::About) QDialog::reject();
}

void SplashWindow::handOver() {
    if (handedOver_) return;
    handedOver_ = true;
    timer_.stop();
    if (role_ == Role::Startup) emit finished();
    accept();
}

void SplashWindow::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, height());
    sky.setColorAt(0, QColor(0x3B, 0x26, 0x14));
    sky.setColorAt(1, QColor(0x1A, 0x10, 0x08));
    p.fillRect(rect(), sky);

    // A corner of the board with a winning five.
    p.save();
    p.translate(24, 40);
    p.scale(0.72, 0.72);
    p.setClipRect(QRectF(0, 0, 200, 300));
    BoardPainter::drawBoard(p);
    for (int k = 0; k < 5; ++k)
        BoardPainter::drawStone(p, {3 + k, 3 + k}, true);
    for (Cell c : {Cell{4, 3}, Cell{5, 4}, Cell{3, 6}, Cell{7, 5}, Cell{8, 6}})
        BoardPainter::drawStone(p, c, false);
    p.restore();

    p.setPen(QColor(0xF4, 0xE2, 0xC0));
    QFont title = font();
    title.setPointSize(40);
    title.setBold(true);
    p.setFont(title);
    p.drawText(QRect(200, 60, 270, 90), Qt::AlignCenter, "五子棋");
    QFont line = font();
    line.setPointSize(12);
    p.setFont(line);
    p.drawText(QRect(200, 150, 270, 30), Qt::AlignCenter, "wuzi · 自由五子棋");
    p.drawText(QRect(200, 185, 270, 30), Qt::AlignCenter, "人机对弈 · Vesk十式教程");
    p.setPen(QColor(0xB8, 0xA0, 0x80));
    line.setPointSize(9);
    p.setFont(line);
    p.drawText(QRect(200, 250, 270, 24), Qt::AlignCenter,
               role_ == Role::Startup ? "单击任意处开始" : "单击任意处关闭");
}

} // namespace wuzi
