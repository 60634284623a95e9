#include "opponents/Opponent.h"

#include "opponents/Chains.h"
#include "opponents/Turns.h"
#include "playbooks/Playbooks.h"

#include <array>

namespace wuzi {

namespace {

// Quillon with the player first: the main book, unless the coin chose the diagonal book,
// which also answers once the main book has been left at its second move.
bool quillonWhiteBooks(BookGame& g, int x, int y) {
    if (!g.BookCoin && g.BookActive) {
        QuillonWhitePlaybook(g, x, y, CompChoose);
        return true;
    }
    if (g.DiagonalBookActive) {
        QuillonWhiteDiagonalPlaybook(g, x, y, CompChoose);
        return true;
    }
    return false;
}

// A book followed while BookActive holds.
template <void (*Playbook)(BookGame&, int, int, MoveSelection)>
bool whileBookActive(BookGame& g, int x, int y) {
    if (!g.BookActive) return false;
    Playbook(g, x, y, CompChoose);
    return true;
}

const std::array<Opponent, kOpponentCount>& opponents() {
    static const std::array<Opponent, kOpponentCount> table{{
        {"Corbie", Chooser::Routines, {&CorbiePlayerFirst()}, {&CorbieComputerFirst()}},
        {"Quillon",
         Chooser::Routines,
         {&QuillonPlayerFirst(), quillonWhiteBooks},
         {&QuillonComputerFirst(), whileBookActive<QuillonBlackPlaybook>}},
        {"Marrowick",
         Chooser::Routines,
         {&MarrowickPlayerFirst(), whileBookActive<MarrowickWhitePlaybook>},
         {&MarrowickComputerFirst(), whileBookActive<MarrowickBlackPlaybook>}},
        {"Peddrin", Chooser::LookAhead, {nullptr, whileBookActive<PeddrinFixedReply>}, {}},
        {"Corvane", Chooser::Routines, {&CorvaneEitherSide()}, {&CorvaneEitherSide()}},
        {"Vesk", Chooser::Vesk, {}, {}},
    }};
    return table;
}

} // namespace

const Opponent& OpponentAt(int index) {
    return opponents().at(static_cast<std::size_t>(index));
}

const char* OpponentName(int index) {
    return OpponentAt(index).name;
}

const Opponent* OpponentOf(int gameMode) {
    if (gameMode < 0 || gameMode >= 2 * kOpponentCount) return nullptr;
    return &OpponentAt(gameMode / 2);
}

const OpponentSide* SideOf(int gameMode) {
    const Opponent* o = OpponentOf(gameMode);
    return o ? &o->side(gameMode % 2 == 0) : nullptr;
}

namespace {

bool chosenBy(const GameState& g, Chooser chooser) {
    const Opponent* o = OpponentOf(g.GameMode);
    return o && o->chooser == chooser;
}

} // namespace

bool SearchPlays(const GameState& g) {
    return chosenBy(g, Chooser::LookAhead);
}

bool VeskPlays(const GameState& g) {
    return chosenBy(g, Chooser::Vesk);
}

bool ThinksApart(const GameState& g) {
    return SearchPlays(g) || VeskPlays(g);
}

} // namespace wuzi
