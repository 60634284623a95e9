#include "session/ThreatAnswers.h"

#include "vesk/Defence.h"

namespace wuzi {

std::vector<vesk::Pos> ThreatAnswers(vesk::Board& b, vesk::Color attacker) {
    if (b.hasFivePoint(attacker)) return {vesk::findPoint(b, attacker, vesk::kFiveAny)};
    std::vector<vesk::Pos> found;
    if (!b.hasFlex4Point(attacker)) return found;
    vesk::addDefences(b, found);
    vesk::addFours(b, b.sideToMove(), found);
    if (found.empty()) found.push_back(vesk::findPoint(b, attacker, vesk::kFlex4Any));
    return found;
}

} // namespace wuzi
