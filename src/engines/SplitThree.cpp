#include "engines/AIHard.h"
#include "engines/CellQuestions.h"
#include "rules/Fault.h"
#include "rules/Placement.h"
#include "rules/StoneWalk.h"

#include <array>

namespace wuzi {

namespace {

// A ray from a stone; it is tried only when all six steps lie on the board.
struct Ray {
    int dx;
    int dy;
    int skip; // the line's direction number, left out by the three test
};

inline constexpr std::array<Ray, 8> kRays{{
    {-1, 0, 1},  // left
    {1, 0, 1},   // right
    {0, -1, 2},  // up
    {0, 1, 2},   // down
    {-1, -1, 3}, // up-left
    {1, 1, 3},   // down-right
    {1, -1, 4},  // up-right
    {-1, 1, 4},  // down-left
}};

bool axisFits(int c, int step) {
    return step == 0 || (step < 0 ? c > 6 : c < 10);
}

// Steps 0..6 of the ray: S . S . S . .  (S = the side's stone, step 0 the stone itself).
bool splitThreeOn(const Game& g, Cell stone, const Ray& r, int side) {
    static constexpr std::array<bool, 7> kStone{true, false, true, false, true, false, false};
    for (int k = 1; k <= 6; ++k)
        if (g.cell(stone.x + k * r.dx, stone.y + k * r.dy) != (kStone[k] ? side : kEmpty))
            return false;
    return true;
}

bool splitThreeAlong(const Game& g, Cell stone, const Ray& r, int side) {
    return axisFits(stone.x, r.dx) && axisFits(stone.y, r.dy) && splitThreeOn(g, stone, r, side);
}

// Would the side's stone on a free cell beyond (step 5 or 6) make a live three across, as
// `threeTest` answers? Both cells are always asked; either answer is a yes.
template <class ThreeTest> bool threeBeyond(Cell stone, const Ray& r, ThreeTest threeTest) {
    bool fifth = threeTest(stone.x + 5 * r.dx, stone.y + 5 * r.dy, r.skip);
    bool sixth = threeTest(stone.x + 6 * r.dx, stone.y + 6 * r.dy, r.skip);
    return fifth || sixth;
}

// Plays the middle gap (step 3) of the first split three of `side` whose free cells beyond
// answer `threeTest`, newest stone first.
template <class ThreeTest> void playSplitThree(Game& g, int side, ThreeTest threeTest) {
    forEachStone(g, side, [&](Cell s) {
        for (const Ray& r : kRays)
            if (splitThreeAlong(g, s, r, side) && threeBeyond(s, r, threeTest) &&
                PlayMove(g, s.x + 3 * r.dx, s.y + 3 * r.dy))
                break;
        return Moved(g);
    });
}

} // namespace

void OwnSplitThree(Game& g) {
    guarded(g, [&] {
        if (g.CompMoveNo <= 4) return;
        playSplitThree(g, kComputer, [&](int x, int y, int skip) {
            return ComputerThreeAt(g, x, y, skip, ComputerThreeMode::Answer);
        });
    });
}

void PlayerSplitThree(Game& g) {
    guarded(g, [&] {
        if (g.PlayerMoveNo <= 4) return;
        playSplitThree(g, kPlayer, [&](int x, int y, int skip) {
            return PlayerThreeAt(g, x, y, skip, PlayerThreeMode::Answer);
        });
    });
}

} // namespace wuzi
