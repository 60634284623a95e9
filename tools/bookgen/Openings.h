#pragma once

#include "playbooks/Book.h"
#include "playbooks/BookGame.h"
#include "rules/Platform.h"

#include <string>
#include <vector>

namespace bookgen {

// Message boxes of the generator's games: results pass unseen, a fault ("错误") is kept,
// since a book grown over a faulting routine would be wrong.
class FaultLog : public wuzi::MessageSink {
  public:
    void information(const std::string&, const std::string&) override {}
    void critical(const std::string&, const std::string& text) override { faults.push_back(text); }
    bool question(const std::string&, const std::string&) override { return false; }

    std::vector<std::string> faults;
};

// Message boxes, clocks and random numbers for the games the generator plays.
struct Platform {
    FaultLog messages;
    wuzi::FixedDigitClock noCoin{1}; // a seconds digit that leaves BookCoin False
    wuzi::FixedDigitClock coin{0};   // one that sets it
    wuzi::SeededRandom random;
};

// The games in which a book's opening rows lead into one of its trees: every stone of
// every opening row, played click by click through the real game from a new game.
std::vector<wuzi::BookGame> openingGames(const wuzi::book::Book& book, int opponent,
                                         bool playerFirst, bool bothCoins, Platform& platform);

} // namespace bookgen
