#pragma once

#include "core/Game.h"
#include "core/Platform.h"
#include "playbooks/Book.h"

#include <vector>

namespace bookgen {

// Message boxes, clocks and random numbers for the games the generator plays.
struct Platform {
    wuzi::SilentMessages messages;
    wuzi::FixedDigitClock noCoin{1}; // a seconds digit that leaves BookCoin False
    wuzi::FixedDigitClock coin{0};   // one that sets it
    wuzi::SeededRandom random;
};

// The games in which a book's opening rows lead into one of its trees: every stone of
// every opening row, played click by click through the real game from a new game.
std::vector<wuzi::Game> openingGames(const wuzi::book::Book& book, int opponent, bool playerFirst,
                                     bool bothCoins, Platform& platform);

} // namespace bookgen
