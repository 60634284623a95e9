#include "engines/LineScan.h"

#include "engines/PointQuestions.h"
#include "rules/Placement.h"

namespace wuzi::lines {

namespace {

bool emptyAt(const Game& g, int x, int y, const Direction& d, int sign, int step) {
    Cell c = stepCell(x, y, d, sign, step);
    return g.cell(c.x, c.y) == kEmpty;
}

ThreeHalf scanThreeHalf(const Game& g, int x, int y, const Direction& d, int sign, int side) {
    ThreeHalf h;
    for (int s = 1; s <= 4; ++s) {
        Cell c = stepCell(x, y, d, sign, s);
        if (!onBoard(c)) break;
        int code = g.cell(c.x, c.y);
        if (code == side) {
            bool afterGap = s > 1 && emptyAt(g, x, y, d, sign, s - 1);
            if (afterGap && s > 2 && emptyAt(g, x, y, d, sign, s - 2)) break;
            ++h.stones;
            if (afterGap) ++h.inner;
        } else if (code == kEmpty) {
            if (isNoCell(h.firstEmpty)) h.firstEmpty = c;
            if (++h.gaps == 3) {
                h.gaps = 2;
                break;
            }
        } else {
            break;
        }
    }
    return h;
}

GroupHalf scanGroupHalf(const Game& g, int x, int y, const Direction& d, int sign) {
    GroupHalf h;
    int emptyRun = 0; // empty cells just before the current step (at most 3)
    for (int s = 1; s <= 4; ++s) {
        Cell c = stepCell(x, y, d, sign, s);
        if (!onBoard(c)) break;
        int code = g.cell(c.x, c.y);
        if (code == kComputer) {
            ++h.stones;
            h.inner += emptyRun;
            emptyRun = 0;
        } else if (code == kEmpty) {
            if (h.gaps == 3) break;
            if (h.gaps < 2) h.slots[h.gaps] = c;
            ++h.gaps;
            ++emptyRun;
        } else {
            break;
        }
    }
    return h;
}

} // namespace

bool ThreeLine::live() const {
    int total = back.stones + forward.stones - 1;
    int inner = back.inner + forward.inner;
    if (total < 3 || back.gaps + forward.gaps < 3 || back.gaps == 0 || forward.gaps == 0 ||
        inner >= 2)
        return false;
    if (inner == 0) return true;
    return (back.inner == 1 ? back.gaps : forward.gaps) >= 2;
}

ThreeLine ScanThreeLine(const Game& g, int x, int y, const Direction& d, int side) {
    return {scanThreeHalf(g, x, y, d, kBack, side), scanThreeHalf(g, x, y, d, kForward, side)};
}

EmptiesLine ScanEmptiesLine(const Game& g, int x, int y, const Direction& d) {
    EmptiesLine line;
    for (int sign : {kBack, kForward}) {
        for (int s = 1; s <= 4; ++s) {
            Cell c = stepCell(x, y, d, sign, s);
            if (!onBoard(c)) break;
            int code = g.cell(c.x, c.y);
            if (code == kComputer) {
                ++line.stones;
            } else if (code == kEmpty) {
                if (line.empties == 2) break;
                if (line.empties == 0) line.firstHalf = sign;
                line.cells[line.empties++] = c;
            } else {
                break;
            }
        }
    }
    return line;
}

bool GroupLine::qualifies() const {
    int il = back.inner, ir = forward.inner;
    return back.stones + forward.stones - 1 >= 2 && back.gaps + forward.gaps >= 4 && il + ir <= 2 &&
           back.gaps >= 1 && forward.gaps >= 1 &&
           (il + ir == 0 || (il > 0 && back.gaps >= il + 1) || (ir > 0 && forward.gaps >= ir + 1));
}

CellOrder GroupLine::crossOrder() const {
    CellOrder order;
    if (forward.inner > 0) order.add(slot(3));
    if (forward.inner > 1) order.add(slot(4));
    if (back.inner > 0) order.add(slot(1));
    if (back.inner > 1) order.add(slot(2));
    if (inner() == 0) {
        if (back.gaps > 0) order.add(slot(1));
        if (back.gaps > 1) order.add(slot(2));
        if (forward.gaps > 0) order.add(slot(3));
        if (forward.gaps > 1) order.add(slot(4));
    }
    return order;
}

CellOrder GroupLine::backFirstOrder() const {
    CellOrder order;
    if (back.inner > 0) order.add(slot(1));
    if (back.inner > 1) order.add(slot(2));
    if (forward.inner > 0) order.add(slot(3));
    if (forward.inner > 1) order.add(slot(4));
    if (inner() == 0) {
        order.add(slot(1));
        if (back.gaps > 1) order.add(slot(2));
        order.add(slot(3));
        if (forward.gaps > 1) order.add(slot(4));
    }
    return order;
}

Cell GroupLine::developCell() const {
    if (forward.inner > 0) return slot(3);
    if (back.inner > 0) return slot(1);
    if (inner() == 0 && back.gaps > 0) return slot(1);
    if (inner() == 0 && forward.gaps > 0) return slot(3);
    return {};
}

GroupLine ScanGroupLine(const Game& g, int x, int y, const Direction& d) {
    return {scanGroupHalf(g, x, y, d, kBack), scanGroupHalf(g, x, y, d, kForward)};
}

bool CrossThreeMove(Game& g, Cell a, Cell b, int skip, Cell playA, Cell playB) {
    if (MakesComputerThree(g, a, skip))
        return !MakesFearedPlayerFour(g, b, skip) && PlayMove(g, playA);
    if (MakesComputerThree(g, b, skip))
        return !MakesFearedPlayerFour(g, a, skip) && PlayMove(g, playB);
    return false;
}

} // namespace wuzi::lines
