#include "engines/PointTests.h"

#include "engines/LineScan.h"
#include "rules/Fault.h"
#include "rules/Placement.h"

#include <algorithm>

namespace wuzi {

using lines::forEachDirection;
using lines::kBack;
using lines::kForward;
using lines::stepCell;

namespace {

// Four computer stones (the cell's included) in a stretch holding exactly one empty
// cell: X X X * .   X . X X *   the scan passes over one empty cell in the whole line.
bool makesComputerFour(const Game& g, int x, int y, const Direction& d) {
    int stones = 1, gaps = 0;
    for (int sign : {kBack, kForward}) {
        for (int s = 1; s <= 4; ++s) {
            Cell c = stepCell(x, y, d, sign, s);
            if (!onBoard(c)) break;
            int code = g.cell(c.x, c.y);
            if (code == kComputer) {
                ++stones;
            } else if (code == kEmpty) {
                if (++gaps == 2) {
                    gaps = 1;
                    break;
                }
            } else {
                break;
            }
        }
    }
    return stones >= 4 && gaps == 1;
}

// An unbroken run of the player's stones from the cell, and the empty cell that ends
// it, if an empty cell does.
struct RunHalf {
    int stones = 0;
    Cell end;
};

RunHalf scanPlayerRun(const Game& g, int x, int y, const Direction& d, int sign) {
    RunHalf h;
    for (int s = 1; s <= 4; ++s) {
        Cell c = stepCell(x, y, d, sign, s);
        if (!onBoard(c)) break;
        int code = g.cell(c.x, c.y);
        if (code == kPlayer) {
            ++h.stones;
            continue;
        }
        if (code == kEmpty) h.end = c;
        break;
    }
    return h;
}

struct PlayerFour {
    int stones = 1;
    int ends = 0;
    Cell end0; // the back half's open end
    Cell end1; // the forward half's open end
};

PlayerFour scanPlayerFour(const Game& g, int x, int y, const Direction& d) {
    RunHalf back = scanPlayerRun(g, x, y, d, kBack);
    RunHalf forward = scanPlayerRun(g, x, y, d, kForward);
    return {1 + back.stones + forward.stones,
            (isNoCell(back.end) ? 0 : 1) + (isNoCell(forward.end) ? 0 : 1), back.end, forward.end};
}

// Would a player stone on `end` make a live three in a line other than `skip`? A yes is
// announced: it also sets CompMoved, for the block the caller places.
bool announcesPlayerThree(Game& g, Cell end, int skip) {
    return PlayerThreeAt(g, end.x, end.y, skip, PlayerThreeMode::Announce);
}

// Blocks the player's four through (x, y) when a player stone on one of its open ends
// would also make a live three in another line: at Difficulty 0 on that end, else on
// (x, y) itself. An end not open in this direction is (0, 0) and tests nothing.
bool blockPlayerFour(Game& g, int x, int y, const Direction& d, const PlayerFour& four) {
    for (Cell end : {four.end0, four.end1}) {
        bool movedBefore = g.CompMoved;
        if (!announcesPlayerThree(g, end, d.number)) continue;
        if (PlayMove(g, g.Difficulty == 0 ? end : Cell{x, y})) return true;
        // A taken cell is not played: the move the three test announced did not happen.
        g.CompMoved = movedBefore;
    }
    return false;
}

// Player stones in columns x1..x2 and rows y1..y2, the ranges cut to the board.
int countPlayerStones(const Game& g, int x1, int x2, int y1, int y2) {
    int count = 0;
    for (int x = std::max(x1, 1); x <= std::min(x2, kBoardSize); ++x)
        for (int y = std::max(y1, 1); y <= std::min(y2, kBoardSize); ++y)
            if (g.cell(x, y) == kPlayer) ++count;
    return count;
}

} // namespace

bool ComputerFourAt(Game& g, int x, int y, int skip, int keepDir, FourMode mode) {
    return guardedAnswer(g, [&] {
        if (isNoCell({x, y})) return false;
        return forEachDirection(skip, [&](const Direction& d) {
            if (!makesComputerFour(g, x, y, d)) return false;
            if (mode == FourMode::Play) return PlayMove(g, x, y);
            return mode != FourMode::AnswerUnlessKept || d.number != keepDir;
        });
    });
}

bool PlayerOpenFourAt(Game& g, int x, int y, int skip) {
    return guardedAnswer(g, [&] {
        if (isNoCell({x, y})) return false;
        return forEachDirection(skip, [&](const Direction& d) {
            PlayerFour four = scanPlayerFour(g, x, y, d);
            return four.stones >= 4 && four.ends == 2;
        });
    });
}

bool PlayerFourAt(Game& g, int x, int y, int skip, PlayerFourMode mode) {
    return guardedAnswer(g, [&] {
        if (isNoCell({x, y})) return false;
        return forEachDirection(skip, [&](const Direction& d) {
            PlayerFour four = scanPlayerFour(g, x, y, d);
            if (four.stones < 4 || four.ends < 1) return false;
            if (mode == PlayerFourMode::Block) return blockPlayerFour(g, x, y, d, four);
            return true;
        });
    });
}

bool ComputerThreeAt(Game& g, int x, int y, int skip, ComputerThreeMode mode) {
    return guardedAnswer(g, [&] {
        if (isNoCell({x, y})) return false;
        return forEachDirection(skip, [&](const Direction& d) {
            if (!lines::ScanThreeLine(g, x, y, d, kComputer).live()) return false;
            if (mode == ComputerThreeMode::Play) return PlayMove(g, x, y);
            return true;
        });
    });
}

bool PlayerThreeAt(Game& g, int x, int y, int skip, PlayerThreeMode mode) {
    return guardedAnswer(g, [&] {
        if (isNoCell({x, y})) return false;
        return forEachDirection(skip, [&](const Direction& d) {
            if (!lines::ScanThreeLine(g, x, y, d, kPlayer).live()) return false;
            if (mode == PlayerThreeMode::Play) return PlayMove(g, x, y);
            // Announces the block; the caller places the stone itself.
            if (mode == PlayerThreeMode::Announce) g.CompMoved = true;
            return true;
        });
    });
}

// No handler of its own: a fault ends it and is reported by the calling routine.
bool ComparePlayerRegions(Game& g, int a, int b, int c, int d, int dir) {
    int first = 0, second = 0;
    switch (dir) {
    case 1:
        first = countPlayerStones(g, 1, a, 1, kBoardSize);
        second = countPlayerStones(g, c, kBoardSize, 1, kBoardSize);
        break;
    case 2:
        first = countPlayerStones(g, 1, kBoardSize, 1, b);
        second = countPlayerStones(g, 1, kBoardSize, d, kBoardSize);
        break;
    case 3:
        first = countPlayerStones(g, c, kBoardSize, d, kBoardSize);
        second = countPlayerStones(g, 1, a, 1, b);
        break;
    default:
        first = countPlayerStones(g, 1, a, b, kBoardSize);
        second = countPlayerStones(g, c, kBoardSize, 1, d);
        break;
    }
    return first > second;
}

// No handler of its own: a fault ends it and is reported by the calling routine.
// Only the line's first empty cell is kept, in the slot of the half it lies in; the
// other slot is (0, 0) and its tests find nothing.
bool ThreatReplyAt(Game& g, int x, int y, int skip) {
    if (isNoCell({x, y})) return false;
    return forEachDirection(skip, [&](const Direction& d) {
        lines::EmptiesLine line = lines::ScanEmptiesLine(g, x, y, d);
        if (line.stones < 3 || line.empties != 2) return false;
        Cell slot0 = line.firstHalf == kBack ? line.cells[0] : Cell{};
        Cell slot1 = line.firstHalf == kForward ? line.cells[0] : Cell{};
        return lines::CrossThreeMove(g, slot0, slot1, d.number, {x, y}, {x, y});
    });
}

} // namespace wuzi
