#pragma once

#include "rules/Game.h"

namespace wuzi {

// The general move selection, which answers the player's stone (x, y) whenever a book
// leaves off.
using MoveSelection = void (*)(Game& g, int x, int y);

// Opening books, each answering the player's real stone (x, y).
void QuillonWhitePlaybook(Game& g, int x, int y, MoveSelection general);
void QuillonWhiteDiagonalPlaybook(Game& g, int x, int y, MoveSelection general);
void QuillonBlackPlaybook(Game& g, int x, int y, MoveSelection general);
void MarrowickWhitePlaybook(Game& g, int x, int y, MoveSelection general);
void MarrowickBlackPlaybook(Game& g, int x, int y, MoveSelection general);

// Peddrin's single book move: just below the player's centre stone (x, y); where that
// cell is taken, the general selection answers the stone instead.
void PeddrinFixedReply(Game& g, int x, int y, MoveSelection general);

} // namespace wuzi
