#include "engines/PatternMove.h"

#include "engines/LineScan.h"
#include "engines/PointQuestions.h"
#include "rules/Placement.h"

#include <exception>

namespace wuzi {

namespace {

// The development tests run with faults ignored: a direction whose step faults is
// skipped, silently, and the next direction is examined.
template <class Step> bool skippingFaults(Step&& step) {
    try {
        return step();
    } catch (const std::exception&) {
        return false;
    }
}

// Each group cell is offered to the second-group test, which may play it.
bool offerToSecondGroup(Game& g, const lines::GroupLine& line, int d, int skip) {
    for (Cell c : line.crossOrder()) {
        PatternMoveAtB(g, c.x, c.y, d, skip);
        if (g.CompMoved) return true;
    }
    return false;
}

// (x, y) is played once a group cell would make a live three in another line.
bool playIfCrossThree(Game& g, int x, int y, const lines::GroupLine& line, int d) {
    for (Cell c : line.crossOrder()) {
        if (MakesComputerThree(g, c, d) && PlayMove(g, x, y)) return true;
    }
    return false;
}

bool developAt(Game& g, int x, int y, int skip, DevelopMode mode, const Direction& d) {
    lines::GroupLine line = lines::ScanGroupLine(g, x, y, d);
    if (!line.qualifies()) return false;
    switch (mode) {
    case DevelopMode::OfferGroupCells:
        return offerToSecondGroup(g, line, d.number, skip);
    case DevelopMode::Play:
        return PlayMove(g, x, y);
    case DevelopMode::PlayGroupCell:
        return PlayMove(g, line.developCell());
    case DevelopMode::PlayIfCrossThree:
        return playIfCrossThree(g, x, y, line, d.number);
    case DevelopMode::Answer:
        return true;
    }
    return false;
}

// A group cell of the second group would give a four in a line other than d and keep.
bool secondGroupGivesFour(Game& g, const lines::GroupLine& line, int d, int keep) {
    for (Cell c : line.crossOrder())
        if (MakesComputerFourBeyond(g, c, d, keep)) return true;
    return false;
}

} // namespace

bool PatternMoveAt(Game& g, int x, int y, int skip, DevelopMode mode) {
    if (isNoCell({x, y})) return false;
    return lines::forEachDirection(skip, [&](const Direction& d) {
        return skippingFaults([&] { return developAt(g, x, y, skip, mode, d); });
    });
}

bool PatternMoveAtB(Game& g, int x, int y, int skip, int keep) {
    if (isNoCell({x, y})) return false;
    return lines::forEachDirection(skip, [&](const Direction& d) {
        return skippingFaults([&] {
            lines::GroupLine line = lines::ScanGroupLine(g, x, y, d);
            return line.qualifies() && secondGroupGivesFour(g, line, d.number, keep) &&
                   PlayMove(g, x, y);
        });
    });
}

} // namespace wuzi
