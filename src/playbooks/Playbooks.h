#pragma once

#include "playbooks/BookGame.h"

namespace wuzi {

// The general move selection, which answers the player's stone (x, y) whenever a book
// leaves off.
using MoveSelection = void (*)(BookGame& g, int x, int y);

// Opening books, each answering the player's real stone (x, y).
void QuillonWhitePlaybook(BookGame& g, int x, int y, MoveSelection general);
void QuillonWhiteDiagonalPlaybook(BookGame& g, int x, int y, MoveSelection general);
void QuillonBlackPlaybook(BookGame& g, int x, int y, MoveSelection general);
void MarrowickWhitePlaybook(BookGame& g, int x, int y, MoveSelection general);
void MarrowickBlackPlaybook(BookGame& g, int x, int y, MoveSelection general);

// Peddrin's single book move: just below the player's centre stone (x, y); where that
// cell is taken, the general selection answers the stone instead.
void PeddrinFixedReply(BookGame& g, int x, int y, MoveSelection general);

} // namespace wuzi
