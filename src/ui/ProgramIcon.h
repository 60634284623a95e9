#pragma once

#include <QIcon>

namespace wuzi {

// The program's icon, painted as assets/wuzi.svg draws it: a corner of a wooden board
// with black's winning five on the diagonal. Painted, so that no image plugin is needed.
QIcon ProgramIcon();

} // namespace wuzi
