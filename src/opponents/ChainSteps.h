#pragma once

#include "playbooks/BookGame.h"

#include <algorithm>
#include <climits>
#include <functional>
#include <utility>
#include <vector>

namespace wuzi {

inline constexpr unsigned kAnyDifficulty = 0b111;

// The condition in brackets before a step of a chain, read when the step is reached:
// a set of difficulties and a range of CompMoveNo.
struct When {
    unsigned difficulties = kAnyDifficulty; // bit d set: Difficulty d allowed
    int minCompMoveNo = INT_MIN;
    int maxCompMoveNo = INT_MAX;

    bool holds(const Game& g) const {
        bool difficultyOk =
            difficulties == kAnyDifficulty ||
            (g.Difficulty >= 0 && g.Difficulty <= 2 && (difficulties >> g.Difficulty & 1u) != 0);
        return difficultyOk && g.CompMoveNo >= minCompMoveNo && g.CompMoveNo <= maxCompMoveNo;
    }
    friend constexpr When operator&&(When l, When r) {
        return {l.difficulties & r.difficulties, std::max(l.minCompMoveNo, r.minCompMoveNo),
                std::min(l.maxCompMoveNo, r.maxCompMoveNo)};
    }
};

inline constexpr When kAlways{};
constexpr When DifficultyIs(int d) {
    return {1u << d};
}
constexpr When DifficultyIsNot(int d) {
    return {kAnyDifficulty & ~(1u << d)};
}
// CompMoveNo > n, >= n, < n, <= n.
constexpr When CompMoveNoAbove(int n) {
    return {kAnyDifficulty, n + 1};
}
constexpr When CompMoveNoAtLeast(int n) {
    return {kAnyDifficulty, n};
}
constexpr When CompMoveNoBelow(int n) {
    return {kAnyDifficulty, INT_MIN, n - 1};
}
constexpr When CompMoveNoAtMost(int n) {
    return {kAnyDifficulty, INT_MIN, n};
}

// Where a routine that takes a cell looks: the player's last stone, or a fixed cell.
struct CellArgument {
    bool lastStone = true;
    Cell fixed;
};
inline constexpr CellArgument kAtLastStone{};
constexpr CellArgument AtCell(int x, int y) {
    return {false, {x, y}};
}

// One step of a chain: a routine with its arguments, and its condition.
struct Step {
    std::function<void(BookGame&, int x, int y)> run;
    When when = kAlways;

    Step If(When w) const { return {run, w}; }
};

// A routine takes the game of its own layer: the rules' Game, or the engines' EngineGame.
template <class G> Step Run(void (*routine)(G&)) {
    return {[routine](BookGame& g, int, int) { routine(g); }};
}
template <class G> Step Run(void (*routine)(G&, int), int stage) {
    return {[routine, stage](BookGame& g, int, int) { routine(g, stage); }};
}
template <class G> Step Run(void (*routine)(G&, int, int), CellArgument at) {
    return {[routine, at](BookGame& g, int x, int y) {
        if (at.lastStone)
            routine(g, x, y);
        else
            routine(g, at.fixed.x, at.fixed.y);
    }};
}

// The open-four probe: does the player's last stone (x, y) make an open four?
bool OpenFourProbe(Game& g, int x, int y);

// The open-four probe on the player's last stone; `reaction` runs when it finds one.
inline Step OnOpenFour(Step reaction) {
    return {[reaction = std::move(reaction)](BookGame& g, int x, int y) {
        if (OpenFourProbe(g, x, y)) reaction.run(g, x, y);
    }};
}

using Chain = std::vector<Step>;

// Runs the steps in order while no stone has been placed this turn.
inline void RunSteps(BookGame& g, const Chain& chain, int x, int y) {
    for (const Step& step : chain) {
        if (g.CompMoved) return;
        if (step.when.holds(g)) step.run(g, x, y);
    }
}

} // namespace wuzi
