#pragma once

#include <QByteArray>
#include <QMargins>
#include <QRect>
#include <QSize>

#include <optional>

class QWidget;

namespace wuzi {

// The frame a window manager draws around a window (borders, a title bar) as the program
// guesses it where it cannot know it: before a window is first shown.
inline constexpr QMargins kUsualFrame(8, 40, 8, 8);

// The size a window opens at: the preferred size, made no larger than the available
// area of the screen (less the room its frame takes) and no smaller than the window's
// minimum, whichever of the two wins where they meet.
QSize CappedSize(QSize preferred, QSize minimum, QSize available, QMargins frame = kUsualFrame);

// Where a window of `size` whose inside starts at `topLeft` goes so that the whole of it,
// frame included, lies in the available area (as far as the area holds it).
QPoint PlacedInside(QPoint topLeft, QSize size, QRect available, QMargins frame = kUsualFrame);

// Where a window stood when QWidget::saveGeometry wrote `geometry`: its inside, and the
// frame around it. None where the bytes do not say.
struct SavedPlace {
    QRect inside;
    QMargins frame;
};
std::optional<SavedPlace> PlaceOfSavedGeometry(const QByteArray& geometry);

// Resizes the window to its capped preferred size; Qt keeps a dialog over its parent on
// the screen. Windows that open at their layout's size pass their size hint.
void FitToScreen(QWidget* window, QSize preferred);

// A window just restored from `geometry`, saved perhaps on another screen: left where it
// was when it lies whole on this screen with the frame it had, else shrunk to fit and
// moved onto it, frame and all.
void FitRestoredWindow(QWidget* window, const QByteArray& geometry);

} // namespace wuzi
