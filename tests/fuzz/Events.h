#pragma once

#include "ByteStream.h"
#include "playbooks/BookGame.h"
#include "session/Session.h"

#include <cstdint>
#include <string>
#include <vector>

namespace wuzi::fuzz {

// What the player can do to the game: the window's menu commands, a board click, and
// the clock's seconds digit moving on (it decides the books' and opponent 3's choices).
enum class EventKind {
    NewGame,
    EndGame,
    PlayerFirst,
    ComputerFirst,
    Difficulty,
    Opponent,
    SecondsDigit,
    Click,
    TakeBack,    // 悔棋
    Hint,        // 提示
    EngineReply, // opponent 3's search ends and its reply is placed
    TwoPlayers,  // 双人对弈: a game of two players, played out from the event's script
    SetUp,       // 摆棋: a position laid out and played on against the computer
    Puzzle,      // 习题: a puzzle tried
};

struct Event {
    EventKind kind = EventKind::Click;
    int arg = 0;             // difficulty, opponent or digit; may lie outside the menu's range
    float x = 0, y = 0;      // click position in board pixels
    const char* how = "";    // how the click was aimed, for the log
    bool replyLater = false; // opponent 3 thinks on while other events arrive
    std::vector<std::uint8_t> script = {}; // the bytes of an episode of another mode
};

// How the player plays the current game: careful games run long and reach full boards,
// careless ones try the odd clicks more often.
enum class Style { Careful, Mixed, Careless };

// The events of a session, drawn from the bytes. What to do next follows the session's
// view of the game; clicks are aimed by a player looking at the board: a defending
// player, clicks on any empty or taken cell, and clicks at any pixel at all, off the
// board and between cells, whole or fractional, and clicks where the hint points, mixed
// by the style of the game, which each new game draws afresh.
class EventSource {
  public:
    explicit EventSource(ByteStream& in) : in_(in) {}
    bool exhausted() const { return in_.exhausted(); }
    Event Next(const Session& session);

  private:
    Event click(const GameView& view, const BookGame& board);

    ByteStream& in_;
    Style style_ = Style::Mixed;
};

std::string Describe(const Event& e);

} // namespace wuzi::fuzz
