#include "engines/PatternMove.h"

#include "core/Frame.h"
#include "engines/LineScan.h"
#include "engines/PointTests.h"

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

// Mode 1: each group cell is offered to the second-group test, which may play it.
bool offerToSecondGroup(Game& g, const lines::GroupLine& line, int d, int skip) {
    for (Cell c : line.crossOrder()) {
        PatternMoveAtB(g, c.x, c.y, d, skip, 1);
        if (g.CompMoved == kTrue) return true;
    }
    return false;
}

// Mode 4: (x, y) is played once a group cell would make a live three in another line.
bool playIfCrossThree(Game& g, int x, int y, const lines::GroupLine& line, int d) {
    for (Cell c : line.crossOrder()) {
        g.ResultFlags[0] = kFalse;
        ComputerThreeAt(g, c.x, c.y, d, 1);
        if (g.ResultFlags[0] == kTrue && PlayMove(g, x, y)) return true;
    }
    return false;
}

bool developAt(Game& g, int x, int y, int skip, int mode, const Direction& d) {
    lines::GroupLine line = lines::ScanGroupLine(g, x, y, d);
    if (!line.qualifies()) return false;
    switch (mode) {
    case 1:
        return offerToSecondGroup(g, line, d.number, skip);
    case 2:
        return PlayMove(g, x, y);
    case 3:
        if (!PlayMove(g, line.developCell())) return false;
        g.ResultFlags[0] = kTrue;
        return true;
    case 4:
        return playIfCrossThree(g, x, y, line, d.number);
    case 5:
        g.ResultFlags[0] = kTrue;
        return true;
    default:
        return false;
    }
}

// A group cell of the second group would give a four in a line other than d and keep.
bool secondGroupGivesFour(Game& g, const lines::GroupLine& line, int d, int keep) {
    for (Cell c : line.crossOrder()) {
        g.ResultFlags[0] = kFalse;
        ComputerFourAt(g, c.x, c.y, d, keep, 2);
        if (g.ResultFlags[0] == kTrue) return true;
    }
    return false;
}

} // namespace

void PatternMoveAt(Game& g, int x, int y, int skip, int mode) {
    if (isNoCell({x, y})) return;
    lines::forEachDirection(skip, [&](const Direction& d) {
        return skippingFaults([&] { return developAt(g, x, y, skip, mode, d); });
    });
}

void PatternMoveAtB(Game& g, int x, int y, int skip, int keep, int mode) {
    if (isNoCell({x, y}) || mode != 1) return;
    lines::forEachDirection(skip, [&](const Direction& d) {
        return skippingFaults([&] {
            lines::GroupLine line = lines::ScanGroupLine(g, x, y, d);
            return line.qualifies() && secondGroupGivesFour(g, line, d.number, keep) &&
                   PlayMove(g, x, y);
        });
    });
}

} // namespace wuzi
