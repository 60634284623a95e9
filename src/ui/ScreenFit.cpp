#include "ui/ScreenFit.h"

#include <QDataStream>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace wuzi {

namespace {

// QWidget::saveGeometry's bytes: a magic number and a version, the frame's rectangle, ...,
// and from version 3 on the inside's rectangle last.
constexpr quint32 kGeometryMagic = 0x1D9D0CB;
constexpr quint16 kGeometryVersion = 3;
// A frame wider than this is no frame but a misreading.
constexpr int kWidestFrame = 200;

QRect availableArea(const QWidget* window) {
    QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect(0, 0, 1024, 700);
}

QSize roomOf(QMargins frame) {
    return {frame.left() + frame.right(), frame.top() + frame.bottom()};
}

} // namespace

QSize CappedSize(QSize preferred, QSize minimum, QSize available, QMargins frame) {
    QSize room = (available - roomOf(frame)).expandedTo(QSize(1, 1));
    return preferred.boundedTo(room).expandedTo(minimum.boundedTo(room));
}

QPoint PlacedInside(QPoint topLeft, QSize size, QRect available, QMargins frame) {
    auto within = [](int at, int low, int high) { return std::max(low, std::min(at, high)); };
    int x = within(topLeft.x(), available.left() + frame.left(),
                   available.right() + 1 - frame.right() - size.width());
    int y = within(topLeft.y(), available.top() + frame.top(),
                   available.bottom() + 1 - frame.bottom() - size.height());
    return {x, y};
}

std::optional<SavedPlace> PlaceOfSavedGeometry(const QByteArray& geometry) {
    QDataStream stream(geometry);
    quint32 magic = 0;
    quint16 major = 0, minor = 0;
    QRect frame, normal, inside;
    qint32 screenNumber = 0, screenWidth = 0;
    quint8 maximized = 0, fullScreen = 0;
    stream >> magic >> major >> minor >> frame >> normal >> screenNumber >> maximized >>
        fullScreen >> screenWidth >> inside;
    if (stream.status() != QDataStream::Ok || magic != kGeometryMagic ||
        major != kGeometryVersion || !inside.isValid())
        return std::nullopt;
    QMargins margins(inside.left() - frame.left(), inside.top() - frame.top(),
                     frame.right() - inside.right(), frame.bottom() - inside.bottom());
    for (int side : {margins.left(), margins.top(), margins.right(), margins.bottom()})
        if (side < 0 || side > kWidestFrame) return std::nullopt;
    return SavedPlace{inside, margins};
}

void FitToScreen(QWidget* window, QSize preferred) {
    QSize minimum = window->minimumSizeHint().expandedTo(window->minimumSize());
    window->resize(CappedSize(preferred, minimum, availableArea(window).size()));
}

void FitRestoredWindow(QWidget* window, const QByteArray& geometry) {
    // A maximized or full-screen window is placed by the window manager.
    if (window->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)) return;
    // The place as saved, not as restoreGeometry moved it below a title bar of its guessing.
    std::optional<SavedPlace> saved = PlaceOfSavedGeometry(geometry);
    QRect inside = saved ? saved->inside : window->geometry();
    QMargins frame = saved ? saved->frame : kUsualFrame;
    QRect area = availableArea(window);
    QSize minimum = window->minimumSizeHint().expandedTo(window->minimumSize());
    QSize size = CappedSize(inside.size(), minimum, area.size(), frame);
    // The inside is placed, as saved: a move would place the frame there and push the
    // inside down by the title bar.
    window->setGeometry(QRect(PlacedInside(inside.topLeft(), size, area, frame), size));
}

} // namespace wuzi
