#include "session/WinChance.h"

#include <algorithm>
#include <cmath>

namespace wuzi {

double BlackWinChance(const vesk::ThinkResult& verdict, bool blackToMove) {
    double toMove = 0;
    if (int plies = verdict.winningPlies())
        toMove = plies > 0 ? 100.0 : 0.0;
    else
        toMove = 100.0 / (1.0 + std::exp(-verdict.score / kWinChanceScale));
    return blackToMove ? toMove : 100.0 - toMove;
}

double UnprovenChance(double blackChance) {
    return std::clamp(blackChance, 100.0 - kMostUnprovenChance, kMostUnprovenChance);
}

} // namespace wuzi
