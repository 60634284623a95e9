#pragma once

#include "session/HandPosition.h"

class QSettings;

namespace wuzi {

// The position last laid out in 摆棋, kept in the settings at every change: the next
// opening of 摆棋, in this run or a later one (after a crash too), starts from it. A
// kept position whose stones do not read, lie off the board or share a cell gives an
// empty board.
HandPosition ReadLaidOutPosition(const QSettings& settings);
void WriteLaidOutPosition(QSettings& settings, const HandPosition& position);

} // namespace wuzi
