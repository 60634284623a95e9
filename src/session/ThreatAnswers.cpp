#include "session/ThreatAnswers.h"

#include "vesk/Defence.h"

namespace wuzi {

std::vector<vesk::Pos> ThreatAnswers(vesk::Board& b, vesk::Color attacker) {
    if (b.hasFivePoint(attacker)) return {vesk::findPoint(b, attacker, vesk::kFiveAny)};
    if (!b.hasFlex4Point(attacker)) return {};
    vesk::MoveList found;
    vesk::addDefences(b, found);
    vesk::addFours(b, b.sideToMove(), found);
    if (found.empty()) return {vesk::findPoint(b, attacker, vesk::kFlex4Any)};
    return {found.begin(), found.end()};
}

} // namespace wuzi
