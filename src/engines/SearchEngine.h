#pragma once

#include "engines/EngineGame.h"
#include "engines/SearchEngineFast.h"

#include <atomic>
#include <cstdint>

namespace wuzi {

// Builds WindowScore and the centre-first order of EngineCells, all states 0, board empty.
void EngineInit(SearchState& s);

// Adds to EngineEval the change that the stone now on (row, column) of EngineBoard makes
// in every five-cell window through it; a completed five sets the score of a five.
void EngineEvalUpdate(SearchState& s, int row, int column);

// Records a stone on the engine's board and cell list and scores it.
void RecordEngineStone(SearchState& s, int row, int column, std::uint8_t side);

// Opponent 3 takes the player's stone, given 0-based: records it on the engine's board
// and hands the turn to the engine (MoveSignal). Nothing happens on a taken cell.
void CompBoardClick(EngineGame& g, int column, int row);

// Puts every computer stone of the engine's board that the game board lacks onto the
// game board (the window's DrawBoard).
void SyncEngineStones(EngineGame& g);

// True when the player's stone has been handed to the engine and its reply is owed
// (MoveSignal stays True until the reply is placed).
bool EngineReplyOwed(const EngineGame& g);

// The engine's reply: searches `depth` plies for the computer on the engine's board.
// Returns the EngineCells position to play (-1 when none is free or the search was
// interrupted). When every move loses to the player's five within those plies, it does
// not give up: it searches again one ply shallower, and again, and plays the best move of
// the deepest search in which not every move loses; when even two plies lose everywhere,
// it blocks one of the player's fives.
int FindEngineReply(const SearchState& s, int depth, SearchContext& context);
int FindEngineReply(const SearchState& s, int depth, RandomSource& random,
                    const std::atomic<bool>* cancelled = nullptr);

// The first free cell in the visiting order where a player's stone would complete five;
// -1 when there is none.
int PlayersFiveCell(const SearchState& s);

// Plays the engine's chosen move on its board and on the game board; nothing when the
// game has ended meanwhile or no move was found. The player acts next (MoveSignal False).
void PlaceEngineReply(EngineGame& g, int bestIndex);

// The whole reply, synchronously (the headless brain, tests): nothing unless owed.
void EngineTurn(EngineGame& g);

} // namespace wuzi
