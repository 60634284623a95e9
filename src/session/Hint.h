#pragma once

#include "opponents/GameSnapshot.h"
#include "vesk/Engine.h"

#include <optional>

namespace wuzi {

// 提示: the cell that the current opponent's own move selection would choose if it
// played the player's side. It plays on a copy of the game with the sides exchanged and
// its messages silenced, so the game (its random numbers too) stays as it was; it reads
// the position only, so it may run on a copy away from the window's thread. Nothing
// outside a running game on the player's turn; the centre while the first stone must
// go there. Against Vesk, Vesk's own move for the player's side within `veskLimits`
// (by default those of the game's difficulty), with a table of `veskHashMegabytes`.
std::optional<Cell> Hint(const GameSnapshot& g,
                         const std::optional<vesk::ThinkLimits>& veskLimits = std::nullopt,
                         int veskHashMegabytes = 4);

} // namespace wuzi
