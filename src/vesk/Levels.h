#pragma once

#include "vesk/Engine.h"

// The limits proposed for the game's three difficulties.
namespace vesk {

//   0 初级  a two-ply search that picks at random among moves near the best, and sees
//           only short wins by fours: beatable by a beginner
//   1 中级  about half a second a move
//   2 高级  about two seconds a move
ThinkLimits limitsForDifficulty(int difficulty);

} // namespace vesk
