#pragma once

#include "playbooks/BookGame.h"

#include <utility>

namespace wuzi {

// A whole game as it stands, values only: every layer's part of it (the rules' game, the
// engines' search board and lattice, the books' state), without the platform services.
// Take-back keeps the positions of a game in snapshots, and a hint plays on one.
struct GameSnapshot : GameState, EngineState, BookState {
    GameSnapshot() = default;
    // A game converts to its snapshot wherever one is kept.
    GameSnapshot(const BookGame& g) : GameState(g), EngineState(g), BookState(g) {}
};

// Puts every part of a snapshot back into a game; its platform services stay its own.
inline void Restore(BookGame& g, GameSnapshot s) {
    static_cast<GameState&>(g) = std::move(static_cast<GameState&>(s));
    static_cast<EngineState&>(g) = std::move(static_cast<EngineState&>(s));
    static_cast<BookState&>(g) = std::move(static_cast<BookState&>(s));
}

} // namespace wuzi
