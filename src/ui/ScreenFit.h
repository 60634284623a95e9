#pragma once

#include <QRect>
#include <QSize>

class QWidget;

namespace wuzi {

// The size a window opens at: the preferred size, made no larger than the available
// area of the screen (less the room a window frame takes) and no smaller than the
// window's minimum, whichever of the two wins where they meet.
QSize CappedSize(QSize preferred, QSize minimum, QSize available);

// Resizes the window to its capped preferred size; Qt keeps a dialog over its parent on
// the screen, and a restored geometry on the screen. Windows that open at their layout's
// size pass their size hint.
void FitToScreen(QWidget* window, QSize preferred);

} // namespace wuzi
