#pragma once

#include "vesk/Board.h"

#include <vector>

namespace wuzi {

// The defender's answers to the attacker's threat, the defender to move: the block of a
// four, else the stones that stop an open three and the defender's own fours. Against two
// threes at once there is no answer, and the defender blocks one of them. None when the
// attacker threatens nothing.
std::vector<vesk::Pos> ThreatAnswers(vesk::Board& b, vesk::Color attacker);

} // namespace wuzi
