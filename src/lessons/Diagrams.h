#pragma once

#include "lessons/DemoGames.h"

#include <array>
#include <vector>

namespace wuzi {

// A board diagram drawn from the opening moves of a demonstration game.
struct DemoDiagram {
    int game;
    int moves; // how many moves of that game the diagram shows
};

// The first `moves` moves of the diagram's game, numbered by their order.
std::vector<DemoMove> DiagramMoves(DemoDiagram d);

// The routines window of lesson 2: finished attacks of 小鬼索命 in which black wins, and
// the positions at which black's careless attack is already lost.
inline constexpr std::array<DemoDiagram, 3> kRoutinesBlackWins{{{25, 13}, {24, 17}, {26, 19}}};
inline constexpr std::array<DemoDiagram, 2> kRoutinesBlackLoses{{{20, 11}, {22, 7}}};

// The two pictures of lesson 9: the openings 花月 and 浦月.
struct NamedDiagram {
    const char* name;
    DemoDiagram diagram;
};
inline constexpr std::array<NamedDiagram, 2> kLesson9Pictures{
    {{"花月", {4, 3}}, {"浦月", {23, 3}}}};

} // namespace wuzi
