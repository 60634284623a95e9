#pragma once

#include "ByteStream.h"
#include "session/Puzzle.h"
#include "session/Session.h"
#include "support/RecordingMessages.h"

#include <string>
#include <vector>

namespace wuzi::fuzz {

// The modes beside a game against the computer, each played as an episode of its own
// from a few bytes and checked after every step. Each returns what broke, or an empty
// string.

// 双人对弈: a game of two players on the session, stones, take-backs and an end, every
// step holding the rules of two players (turns, the centre first, a five ends it). The
// session is left in its two-player game, which has ended.
std::string PlayTwoPlayers(Session& session, ByteStream& in, test::RecordingMessages& boxes);

// 摆棋: a position laid out from the bytes. One that no game can go on from changes
// nothing; any other is played on against the computer (any running game ended first),
// the player to move with exactly those stones on the board.
std::string PlayFromASetUpPosition(Session& session, ByteStream& in);

// 习题: a puzzle of the program's data tried a few times, following the hint or not; a
// stone is refused, answered, refuted (and taken back) or wins, as the referee says. The
// session is not touched.
std::string TryAPuzzle(const std::vector<Puzzle>& puzzles, ByteStream& in);

// The program's puzzles, read from the source tree (none where the data is missing).
const std::vector<Puzzle>& ProgramPuzzles();

} // namespace wuzi::fuzz
