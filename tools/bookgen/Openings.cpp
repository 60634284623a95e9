#include "Openings.h"

#include "opponents/Turns.h"
#include "session/GameFlow.h"

namespace bookgen {

namespace {

using wuzi::BookGame;
using wuzi::book::Book;

void explore(const BookGame& g, const Book& book, std::vector<BookGame>& out) {
    if (!(g.*book.flag) || !g.GameActive) return;
    if (book.treeFor(g)) out.push_back(g);
    int key = book.openingKey(g);
    for (const wuzi::book::Row& r : book.opening) {
        if (!wuzi::book::AtNode(r, g.BookMoveNo, key, g.BookCoin)) continue;
        for (int k = 0; k < r.stones.count; ++k) {
            wuzi::Cell c = wuzi::book::toCell(r.stones.at[k]);
            if (!g.isEmpty(c)) continue;
            BookGame next = g;
            wuzi::PlayerPlace(next, c);
            explore(next, book, out);
        }
    }
}

} // namespace

std::vector<BookGame> openingGames(const Book& book, int opponent, bool playerFirst, bool bothCoins,
                                   Platform& platform) {
    std::vector<BookGame> out;
    for (wuzi::FixedDigitClock* clock : {&platform.noCoin, &platform.coin}) {
        if (clock == &platform.coin && !bothCoins) break;
        BookGame g(platform.messages, *clock, platform.random);
        wuzi::NewGame(g, {playerFirst, opponent});
        explore(g, book, out);
    }
    return out;
}

} // namespace bookgen
