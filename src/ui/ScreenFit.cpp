#include "ui/ScreenFit.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace wuzi {

namespace {

// A title bar and borders, which the window's own geometry does not count.
constexpr QSize kFrameRoom(16, 48);

QRect availableArea(const QWidget* window) {
    QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect(0, 0, 1024, 700);
}

} // namespace

QSize CappedSize(QSize preferred, QSize minimum, QSize available) {
    QSize room = (available - kFrameRoom).expandedTo(QSize(1, 1));
    return preferred.boundedTo(room).expandedTo(minimum.boundedTo(room));
}

void FitToScreen(QWidget* window, QSize preferred) {
    QSize minimum = window->minimumSizeHint().expandedTo(window->minimumSize());
    window->resize(CappedSize(preferred, minimum, availableArea(window).size()));
}

} // namespace wuzi
