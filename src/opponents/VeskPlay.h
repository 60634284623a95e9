#pragma once

#include "engines/EngineGame.h"
#include "vesk/Engine.h"

#include <vector>

namespace wuzi {

// Vesk's limits at a difficulty: 初级 a shallow search with some randomness, 中级 about
// half a second a move, 高级 about two.
vesk::ThinkLimits VeskLimits(int difficulty);

// The game's stones in the order played, black first, as Vesk reads a position.
std::vector<Cell> VeskPosition(const GameState& g);

// Vesk's reply is owed and wanted: the game runs against Vesk and the player's newest
// stone is still unanswered.
bool VeskReplyDue(const GameState& g);

// A thinking opponent owes its reply in the running game: opponent 3's search holds the
// player's stone, or Vesk's reply is due. Every other opponent answers at once.
bool ReplyOwed(const EngineGame& g);

// Places Vesk's reply. Nothing when the game has ended meanwhile; a reply of no cell
// (a full board) is a draw.
void PlaceVeskReply(Game& g, Cell reply);

} // namespace wuzi
