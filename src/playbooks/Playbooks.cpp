#include "playbooks/Playbooks.h"

#include "core/Fault.h"
#include "core/Frame.h"
#include "core/Placement.h"

namespace wuzi {

namespace {

// The book has nothing to say: it is left for the rest of the game and the general
// move selection answers.
void handOver(Game& g, Flag& bookFlag, int x, int y) {
    bookFlag = kFalse;
    CompMove(g, x, y);
}

} // namespace

void QuillonWhitePlaybook(Game& g, int x, int y) { handOver(g, g.BookActive, x, y); }
void QuillonWhiteDiagonalPlaybook(Game& g, int x, int y) {
    handOver(g, g.DiagonalBookActive, x, y);
}
void QuillonBlackPlaybook(Game& g, int x, int y) { handOver(g, g.BookActive, x, y); }
void MarrowickWhitePlaybook(Game& g, int x, int y) { handOver(g, g.BookActive, x, y); }
void MarrowickBlackPlaybook(Game& g, int x, int y) { handOver(g, g.BookActive, x, y); }

void PeddrinFixedReply(Game& g) {
    guarded(g, [&] {
        if (!g.isEmpty(8, 9)) return handOver(g, g.BookActive, 8, 8);
        CompPlace(g, 8, 9);
        g.BookActive = kFalse;
        g.PlayerTurn = kTrue;
    });
}

} // namespace wuzi
