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
    drawBoard(p, QRectF(20, 40, 190, 220));
    drawTexts(p, QRect(215, 0, width() - 225, height()));
}

// The whole board with a winning five, fitted into `area`.
void SplashWindow::drawBoard(QPainter& p, QRectF area) {
    p.save();
    BoardGeometry::Mapping map(area.size());
    p.translate(area.topLeft() + map.target().topLeft());
    p.scale(map.scaleX(), map.scaleY());
    BoardPainter::drawBoard(p);
    for (int k = 0; k < 5; ++k)
        BoardPainter::drawStone(p, {5 + k, 5 + k}, true);
    for (Cell c : {Cell{6, 5}, Cell{7, 6}, Cell{5, 8}, Cell{9, 7}, Cell{10, 8}})
        BoardPainter::drawStone(p, c, false);
    p.restore();
}

void SplashWindow::drawTexts(QPainter& p, QRect column) {
    p.setPen(QColor(0xF4, 0xE2, 0xC0));
    QFont title = font();
    title.setPointSize(40);
    title.setBold(true);
    p.setFont(title);
    auto line = [&](int top, int height, const QString& text) {
        p.drawText(QRect(column.left(), top, column.width(), height), Qt::AlignCenter, text);
    };
    line(50, 90, tr("五子棋"));
    QFont body = font();
    body.setPointSize(12);
    p.setFont(body);
    line(140, 30, tr("wuzi · 自由五子棋"));
    line(170, 30, tr("人机对弈 · Vesk十式教程"));
    p.setPen(QColor(0xB8, 0xA0, 0x80));
    body.setPointSize(9);
    p.setFont(body);
    line(205, 22, tr("版本 %1 · MIT 许可证").arg(QStringLiteral(WUZI_VERSION)));
    line(255, 24, role_ == Role::Startup ? tr("单击任意处开始") : tr("单击任意处关闭"));
}

} // namespace wuzi
