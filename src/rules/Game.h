#pragma once

#include "rules/Platform.h"
#include "rules/SearchState.h"
#include "rules/Types.h"

#include <array>
#include <cstdint>
#include <vector>

namespace wuzi {

// A last-move marker: imgW sits on a black stone, imgB on a white one.
struct Marker {
    bool visible = false;
    Cell cell;
    friend bool operator==(const Marker&, const Marker&) = default;
};

// The side and opponent checks of the options menu that NewGame reads; the checked
// difficulty is Difficulty itself.
struct MenuChecks {
    bool playerFirst = true; // 先手 checked (else 后手)
    int opponent = 2;        // Corbie, Quillon, Marrowick, Peddrin, Corvane
};

// The whole program-wide game state. Every procedure reads and writes it directly,
// as the routines of the game do; the fields carry the game's own names. It holds
// values only, so a copy of it is a complete snapshot of a game (take-back, hints).
struct GameState {
    std::array<std::int16_t, kCellCount> BoardCells{};
    int PlayerMoveNo = 1;
    int CompMoveNo = 1;
    int GameMode = 2;
    int Difficulty = 0;
    int SearchLevel = 2;
    bool PlayerFirst = true;
    bool PlayerTurn = true;
    bool CompMoved = false;
    bool GameActive = false;
    bool CentreRule = false;

    // Opening-book state.
    bool BookActive = false;
    bool DiagonalBookActive = false;
    bool BookCoin = false;
    int BookMoveNo = 0;
    int BookOrientation = 0;
    int BookLine = 0;    // not reset by a new game
    int BookSubLine = 0; // not reset by a new game
    Cell BookLastMove;   // not reset by a new game
    bool LatticeFlip = false;

    int LessonNo = 0;

    // Shared answers of the point tests: 0 computer-side, 1 player threats.
    std::array<bool, 2> ResultFlags{};

    // Move histories: each side's stones in the order played, oldest first.
    std::vector<Cell> playerStones;
    std::vector<Cell> compStones;
    Marker imgW; // marker on a black stone
    Marker imgB; // marker on a white stone

    // The options menu (选项) is enabled only between games.
    bool OptionsEnabled = true;
    MenuChecks menu;

    // The search engine of opponent 3 keeps a board of its own; it lives with the game so
    // that a snapshot (take-back, hint) holds it too.
    SearchState engine;
    // Vesk has the player's stone and owes its reply, which it searches apart from the game.
    bool VeskReplyOwed = false;

    // A thinking opponent (opponent 3's search or Vesk) owes its reply to the player's stone.
    bool replyOwed() const { return engine.MoveSignal || VeskReplyOwed; }

    // Checked board access: a read off the board is a fault.
    int cell(int x, int y) const;
    void setCell(int x, int y, int code);
    bool isEmpty(int x, int y) const { return onBoard(x, y) && cell(x, y) == kEmpty; }
    bool isEmpty(Cell c) const { return isEmpty(c.x, c.y); }

    // Cell of the k-th stone (1-based) of a side.
    Cell playerStone(int k) const { return playerStones.at(static_cast<std::size_t>(k - 1)); }
    Cell compStone(int k) const { return compStones.at(static_cast<std::size_t>(k - 1)); }
    bool boardFull() const;
};

// The game state together with the platform services its procedures use.
struct Game : GameState {
    Game(MessageSink& sink, Clock& clk, RandomSource& rng)
        : messages(sink), clock(clk), random(rng) {}

    MessageSink& messages;
    Clock& clock;
    RandomSource& random;
};

} // namespace wuzi
