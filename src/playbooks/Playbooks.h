#pragma once

#include "core/Game.h"

namespace wuzi {

// Opening books, each answering the player's real stone (x, y).
void QuillonWhitePlaybook(Game& g, int x, int y);
void QuillonWhiteDiagonalPlaybook(Game& g, int x, int y);
void QuillonBlackPlaybook(Game& g, int x, int y);
void MarrowickWhitePlaybook(Game& g, int x, int y);
void MarrowickBlackPlaybook(Game& g, int x, int y);

// Peddrin's single book move: just below the player's centre stone (x, y); where that
// cell is taken, the general selection answers the stone instead.
void PeddrinFixedReply(Game& g, int x, int y);

} // namespace wuzi
