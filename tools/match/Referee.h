#pragma once

#include "rules/Types.h"

#include <string>
#include <vector>

// One game between two brain executables over the Gomocup protocol, from an opening of
// stones already placed (black first). The referee knows the rules: five or more in a
// row wins, a full board is a draw, and a brain that answers late, wrongly or not at all
// loses.
struct GameSettings {
    long turnMs[2] = {1000, 1000}; // black's and white's, sent as INFO timeout_turn
    long toleranceMs = 2000;       // beyond the turn time before a move counts as lost on time
};

enum class Outcome { BlackWins, WhiteWins, Draw };

struct GameRecord {
    Outcome outcome = Outcome::Draw;
    std::string reason;            // "five", "full board", or what a brain did wrong
    std::vector<wuzi::Cell> moves; // 0-based cells, the opening included
    long longestMs[2] = {0, 0};    // black's and white's slowest move
};

GameRecord playGame(const std::string& blackCommand, const std::string& whiteCommand,
                    const std::vector<wuzi::Cell>& opening, const GameSettings& settings);

// Whether the stone just played on `last` makes five or more.
bool makesFive(const std::vector<wuzi::Cell>& moves, wuzi::Cell last);
