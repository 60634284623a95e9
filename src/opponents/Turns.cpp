#include "opponents/Turns.h"

#include "engines/ForcedMoves.h"
#include "engines/SearchEngine.h"
#include "opponents/Opponent.h"
#include "rules/Fault.h"
#include "rules/Placement.h"

namespace wuzi {

namespace {

// The search opponent: its own five first; otherwise the player's stone goes to the
// search engine, which answers later from its own turn. The chain never declares a draw.
void runSearchChain(EngineGame& g, int x, int y) {
    CompFive(g);
    if (!g.CompMoved) CompBoardClick(g, x - 1, y - 1);
    g.CompMoved = true;
}

// Vesk takes the player's stone and answers later, from the session's worker: until
// then the game owes the reply.
void runVeskChain(Game& g) {
    g.CompMoved = true;
}

} // namespace

void PlayerPlace(BookGame& g, Cell c) {
    guarded(g, [&] {
        if (PlacePlayerStone(g, c)) AfterPlayerStone(g, c);
    });
}

void AfterPlayerStone(BookGame& g, Cell c) {
    // An opponent that thinks apart answers later: a full board must end the game now.
    if (ThinksApart(g) && g.GameActive) CheckDraw(g);
    if (g.GameActive) HandTurnOn(g, c.x, c.y);
}

void HandTurnOn(BookGame& g, int x, int y) {
    const OpponentSide* side = SideOf(g.GameMode);
    if (side && side->book && side->book(g, x, y)) return;
    CompChoose(g, x, y);
}

void CompChoose(BookGame& g, int x, int y) {
    guarded(g, [&] {
        g.CompMoved = false;
        RunChain(g, x, y);
        g.PlayerTurn = true;
        if (!g.CompMoved) {
            g.messages.information(kHintTitle, kDrawText);
            EndGame(g);
        }
    });
}

void RunChain(BookGame& g, int x, int y) {
    if (SearchPlays(g)) return runSearchChain(g, x, y);
    if (VeskPlays(g)) return runVeskChain(g);
    const OpponentSide* side = SideOf(g.GameMode);
    if (side && side->chain) RunSteps(g, *side->chain, x, y);
}

} // namespace wuzi
