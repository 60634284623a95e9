#pragma once

#include "rules/Game.h"

namespace wuzi {

// Last-resort moves: the first free cell in a fixed order around (x, y).
void PlaceNear(Game& g, int x, int y);
void PlaceNearAlt(Game& g, int x, int y);

} // namespace wuzi
