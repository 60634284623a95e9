#pragma once

// The window and the brain read the game through the session's view (session/GameView.h)
// and change it through the session's commands, never through the state itself.
#ifdef WUZI_FRONT_END
#error "a front end reads the game through the session's view, not its state"
#endif

#include "rules/Platform.h"
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

// The game itself: the board, the histories, the counters and the settings of the run.
// Every procedure reads and writes it directly, as the routines of the game do; the
// fields carry the game's own names. It holds values only. The layers above keep their
// own parts beside it (engines/EngineGame.h: the search board and the lattice;
// playbooks/BookGame.h: the books' state); a snapshot of the whole game is the
// opponents' GameSnapshot.
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

    // Move histories: each side's stones in the order played, oldest first.
    std::vector<Cell> playerStones;
    std::vector<Cell> compStones;
    Marker imgW; // marker on a black stone
    Marker imgB; // marker on a white stone

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
