#include "engines/PlayerLineScan.h"

#include "rules/StoneWalk.h"

#include <array>

namespace wuzi {

namespace {

HalfLine scanHalf(const Game& g, Cell from, int dx, int dy, int side, int maxFree) {
    HalfLine h;
    std::array<bool, 5> freeAt{}; // freeAt[k]: the cell at step k is free
    for (int k = 1; k <= 4; ++k) {
        int x = from.x + k * dx, y = from.y + k * dy;
        if (!onBoard(x, y)) break;
        int code = g.cell(x, y);
        if (code == side) {
            ++h.run;
            if (k > 1 && freeAt[k - 1]) ++h.gap;
            if (k >= 3 && freeAt[k - 1] && freeAt[k - 2]) ++h.gap;
            if (k == 4 && freeAt[1] && freeAt[2] && freeAt[3]) ++h.gap;
        } else if (code == kEmpty) {
            if (h.free == maxFree) break;
            ++h.free;
            freeAt[k] = true;
            if (h.free == 1)
                h.near = {x, y};
            else if (h.free == 2)
                h.far = {x, y};
        } else {
            break;
        }
    }
    return h;
}

} // namespace

Cell LineScan::slot(int i) const {
    switch (i) {
    case 0:
        return a.near;
    case 1:
        return a.far;
    case 2:
        return b.near;
    default:
        return b.far;
    }
}

LineScan ScanLine(const Game& g, Cell from, const Direction& dir, int side, int maxFree) {
    return {dir, scanHalf(g, from, -dir.dx, -dir.dy, side, maxFree),
            scanHalf(g, from, dir.dx, dir.dy, side, maxFree)};
}

bool Passes(const LineScan& s, LineTest t) {
    switch (t) {
    case LineTest::A:
        return s.a.run >= 3 && s.a.free >= 2;
    case LineTest::B:
        return s.b.run >= 3 && s.b.free >= 2;
    case LineTest::C:
        return s.a.run + s.b.run >= 4 && s.a.free + s.b.free >= 2 && s.gaps() <= 2;
    }
    return false;
}

CellOrder GuardCandidates(const LineScan& s, LineTest t) {
    CellOrder list;
    if (t == LineTest::A || t == LineTest::B) {
        const HalfLine& h = t == LineTest::A ? s.a : s.b;
        list.add(h.near);
        list.add(h.far);
        return list;
    }
    for (const HalfLine* h : {&s.a, &s.b}) {
        bool unbroken = s.gaps() == 0;
        if (unbroken ? h->free >= 1 : h->gap >= 1) list.add(h->near);
        if (unbroken ? h->free >= 2 : h->gap >= 2) list.add(h->far);
    }
    return list;
}

bool HasRoom(const LineScan& s) {
    const HalfLine &a = s.a, &b = s.b;
    bool roomBeyondGaps =
        s.gaps() == 0 || (a.gap >= 1 && a.free > a.gap) || (b.gap >= 1 && b.free > b.gap);
    return a.run + b.run - 1 >= 2 && a.free + b.free >= 4 && s.gaps() <= 2 && a.free >= 1 &&
           b.free >= 1 && roomBeyondGaps;
}

CellOrder RoomCandidates(const LineScan& s) {
    CellOrder list;
    if (s.gaps() == 0) {
        list.add(s.a.near);
        if (s.a.free >= 2) list.add(s.a.far);
        list.add(s.b.near);
        if (s.b.free >= 2) list.add(s.b.far);
        return list;
    }
    for (const HalfLine* h : {&s.b, &s.a}) {
        if (h->gap >= 1) list.add(h->near);
        if (h->gap >= 2) list.add(h->far);
    }
    return list;
}

void ForEachLineScan(Game& g, int side, int maxFree,
                     const std::function<void(Cell stone, const LineScan&)>& visit) {
    forEachStoneLine(g, side, [&](Cell stone, const Direction& d) {
        visit(stone, ScanLine(g, stone, d, side, maxFree));
        return g.CompMoved;
    });
}

void ForEachPassedTest(Game& g, int side,
                       const std::function<void(const LineScan&, LineTest)>& act) {
    ForEachLineScan(g, side, kRunFrameFree, [&](Cell, const LineScan& s) {
        for (LineTest t : {LineTest::A, LineTest::B, LineTest::C}) {
            if (Passes(s, t)) act(s, t);
            if (g.CompMoved) return;
        }
    });
}

} // namespace wuzi
