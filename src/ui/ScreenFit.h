#pragma once

#include <QRect>
#include <QSize>

class QWidget;

namespace wuzi {

// The size a window opens at: the preferred size, made no larger than the available
// area of the screen (less the room a window frame takes) and no smaller than the
// window's minimum, whichever of the two wins where they meet.
QSize CappedSize(QSize preferred, QSize minimum, QSize available);

// Where a window of `size` whose inside starts at `topLeft` goes so that the whole of it,
// frame included, lies in the available area (as far as the area holds it).
QPoint PlacedInside(QPoint topLeft, QSize size, QRect available);

// Resizes the window to its capped preferred size; Qt keeps a dialog over its parent on
// the screen. Windows that open at their layout's size pass their size hint.
void FitToScreen(QWidget* window, QSize preferred);

// A window whose geometry was saved on another screen: shrunk to fit this one, and moved
// onto it, frame and all.
void FitRestoredWindow(QWidget* window);

} // namespace wuzi
