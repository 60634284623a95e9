#include "ui/ScreenFit.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace wuzi {

namespace {

// A title bar and borders, which the window's own geometry does not count.
constexpr int kBorder = 8;
constexpr int kTitleBar = 40;
constexpr QSize kFrameRoom(2 * kBorder, kTitleBar + kBorder);

QRect availableArea(const QWidget* window) {
    QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect(0, 0, 1024, 700);
}

} // namespace

QSize CappedSize(QSize preferred, QSize minimum, QSize available) {
    QSize room = (available - kFrameRoom).expandedTo(QSize(1, 1));
    return preferred.boundedTo(room).expandedTo(minimum.boundedTo(room));
}

QPoint PlacedInside(QPoint topLeft, QSize size, QRect available) {
    auto within = [](int at, int low, int high) { return std::max(low, std::min(at, high)); };
    int x = within(topLeft.x(), available.left() + kBorder,
                   available.right() + 1 - kBorder - size.width());
    int y = within(topLeft.y(), available.top() + kTitleBar,
                   available.bottom() + 1 - kBorder - size.height());
    return {x, y};
}

void FitToScreen(QWidget* window, QSize preferred) {
    QSize minimum = window->minimumSizeHint().expandedTo(window->minimumSize());
    window->resize(CappedSize(preferred, minimum, availableArea(window).size()));
}

void FitRestoredWindow(QWidget* window) {
    FitToScreen(window, window->size());
    window->move(PlacedInside(window->geometry().topLeft(), window->size(), availableArea(window)));
}

} // namespace wuzi
