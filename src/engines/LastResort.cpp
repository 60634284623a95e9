#include "engines/LastResort.h"

#include "rules/Fault.h"
#include "rules/Placement.h"

#include <functional>

namespace wuzi {

namespace {

// Visits the last-resort candidates in order until `take` accepts one.
using Visit = std::function<bool(int, int)>;

// A range walked upward from `from` to `to` along one axis; stops at the first
// cell off the board, so a range that starts off the board is skipped whole.
bool walkRow(int row, int from, int to, const Visit& take) {
    for (int c = from; c <= to; ++c) {
        if (!onBoard(c, row)) return false;
        if (take(c, row)) return true;
    }
    return false;
}

bool walkColumn(int column, int from, int to, const Visit& take) {
    for (int r = from; r <= to; ++r) {
        if (!onBoard(column, r)) return false;
        if (take(column, r)) return true;
    }
    return false;
}

bool ringRowBelow(int x, int y, int i, const Visit& take) {
    return y + i <= 15 && (walkRow(y + i, x, x + i, take) || walkRow(y + i, x - i, x, take));
}
bool ringRowAbove(int x, int y, int i, const Visit& take) {
    return y - i >= 1 && (walkRow(y - i, x, x + i, take) || walkRow(y - i, x - i, x, take));
}
bool ringColumnRight(int x, int y, int i, const Visit& take) {
    return x + i <= 15 && (walkColumn(x + i, y, y + i, take) || walkColumn(x + i, y - i, y, take));
}
bool ringColumnLeft(int x, int y, int i, const Visit& take) {
    return x - i >= 1 && (walkColumn(x - i, y, y + i, take) || walkColumn(x - i, y - i, y, take));
}

bool point(int x, int y, const Visit& take) {
    return onBoard(x, y) && take(x, y);
}

bool firstEmptyByColumns(Game& g, const Visit& take) {
    for (int x = 1; x <= 15; ++x)
        for (int y = 1; y <= 15; ++y)
            if (g.cell(x, y) == kEmpty) return take(x, y);
    return false;
}

bool ringDistance(int i) {
    return i >= 4 && i <= 7;
}

void placeFirstFree(Game& g, const std::function<bool(const Visit&)>& order) {
    Visit take = [&](int cx, int cy) { return g.cell(cx, cy) == kEmpty && PlayMove(g, cx, cy); };
    if (!order(take)) firstEmptyByColumns(g, take);
}

} // namespace

void PlaceNear(Game& g, int x, int y) {
    guarded(g, [&] {
        placeFirstFree(g, [&](const Visit& take) {
            for (int i = 1; i <= 15; ++i) {
                if (ringDistance(i) &&
                    (ringRowBelow(x, y, i, take) || ringRowAbove(x, y, i, take) ||
                     ringColumnRight(x, y, i, take) || ringColumnLeft(x, y, i, take)))
                    return true;
                if (point(x, y + i, take) || point(x + i, y + i, take) || point(x - i, y, take) ||
                    point(x + i, y - i, take) || point(x, y - i, take) ||
                    point(x - i, y - i, take) || point(x + i, y, take) || point(x - i, y + i, take))
                    return true;
            }
            return false;
        });
    });
}

void PlaceNearAlt(Game& g, int x, int y) {
    guarded(g, [&] {
        placeFirstFree(g, [&](const Visit& take) {
            for (int i = 1; i <= 15; ++i) {
                if (point(x, y + i, take) || point(x + i, y + i, take) || point(x - i, y, take))
                    return true;
                if (ringDistance(i) &&
                    (ringRowAbove(x, y, i, take) || ringColumnRight(x, y, i, take) ||
                     ringRowBelow(x, y, i, take) || ringColumnLeft(x, y, i, take)))
                    return true;
                if (point(x + i, y, take) || point(x - i, y + i, take) ||
                    point(x + i, y - i, take) || point(x, y - i, take) || point(x - i, y - i, take))
                    return true;
            }
            return false;
        });
    });
}

} // namespace wuzi
