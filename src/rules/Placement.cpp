#include "rules/Placement.h"

#include "rules/Fault.h"
#include "rules/WinningLine.h"

#include <string>

namespace wuzi {

namespace {

void moveMarker(Game& g, bool stoneIsBlack, Cell stone) {
    Marker& shown = stoneIsBlack ? g.imgW : g.imgB;
    Marker& hidden = stoneIsBlack ? g.imgB : g.imgW;
    hidden.visible = false;
    shown = {true, stone};
}

} // namespace

bool PlacePlayerStone(Game& g, Cell c) {
    bool placed = false;
    guarded(g, [&] {
        if (g.CentreRule) {
            if (c != kCentre) {
                g.messages.information(kHintTitle, kCentreFirst);
                return;
            }
            g.CentreRule = false;
        }
        if (g.cell(c.x, c.y) != kEmpty) return;
        g.playerStones.push_back(c);
        g.setCell(c.x, c.y, kPlayer);
        ++g.PlayerMoveNo;
        moveMarker(g, g.PlayerFirst, c);
        g.PlayerTurn = false;
        placed = true;
        CheckWin(g, kPlayer, c.x, c.y);
    });
    return placed;
}

bool PlayMove(Game& g, int x, int y) {
    if (!g.isEmpty(x, y)) return false;
    if (!CompPlace(g, x, y)) return false;
    g.CompMoved = true;
    return true;
}

bool CompPlace(Game& g, int x, int y) {
    bool placed = false;
    guarded(g, [&] {
        if (!onBoard(x, y)) throw Fault("无效的落子位置 " + cellText(x, y));
        if (g.cell(x, y) != kEmpty) throw Fault("该位置已有棋子 " + cellText(x, y));
        g.compStones.push_back({x, y});
        g.setCell(x, y, kComputer);
        moveMarker(g, !g.PlayerFirst, {x, y});
        ++g.CompMoveNo;
        placed = true;
        CheckWin(g, kComputer, x, y);
        // A computer stone that fills the last cell ends the game as a draw.
        if (g.GameActive) CheckDraw(g);
    });
    return placed;
}

void CheckWin(Game& g, int side, int x, int y) {
    guarded(g, [&] {
        if (g.cell(x, y) != side || WinningLine(g.BoardCells, {x, y}).empty()) return;
        // Over before its box: whoever looks at the game while the box stands sees it ended.
        EndGame(g);
        g.messages.information(kHintTitle, side == kComputer ? kComputerWins : kPlayerWins);
    });
}

void CheckDraw(Game& g) {
    guarded(g, [&] {
        if (!g.boardFull()) return;
        EndGame(g);
        g.messages.information(kHintTitle, kDrawText);
    });
}

void EndGame(Game& g) {
    g.GameActive = false;
}

} // namespace wuzi
