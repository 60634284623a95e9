#pragma once

// The window and the brain read the game through the session's view (session/GameView.h)
// and change it through the session's commands, never through the state itself.
#ifdef WUZI_FRONT_END
#error "a front end reads the game through the session's view, not its state"
#endif

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

    // Shared answers of the point tests: 0 computer-side, 1 player threats.
    std::array<bool, 2> ResultFlags{};

    // Move histories: each side's stones in the order played, oldest first.
    std::vector<Cell> playerStones;
    std::vector<Cell> compStones;
    Marker imgW; // marker on a black stone
    Marker imgB; // marker on a white stone

    // The search engine of opponent 3 keeps a board of its own; it lives with the game so
    // that a snapshot (take-back, hint) holds it too.
    SearchState engine;

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
