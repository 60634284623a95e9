#include "core/Placement.h"

#include "core/Fault.h"
#include "core/Frame.h"
#include "core/WinningLine.h"
#include "playbooks/Playbooks.h"

#include <cmath>
#include <string>

namespace wuzi {

namespace {

int roundHalfEven(float v) {
    return static_cast<int>(std::nearbyint(v));
}

// One axis of the snapping: clamp to [low, high], else move to the nearest grid line.
float snapAxis(float v, float low, float high, float origin, int pitch, int threshold) {
    if (v < low) return low;
    if (v > high) return high;
    int r = roundHalfEven(v - origin) % pitch; // keeps the sign of the dividend
    return r >= threshold ? v - 6 + static_cast<float>(pitch - r) : v - 6 - static_cast<float>(r);
}

void moveMarker(Game& g, bool stoneIsBlack, float stoneLeft, float stoneTop) {
    Marker& shown = stoneIsBlack ? g.imgW : g.imgB;
    Marker& hidden = stoneIsBlack ? g.imgB : g.imgW;
    hidden.visible = false;
    shown = {true, stoneLeft + 4, stoneTop + 4};
}

} // namespace

SnappedClick SnapClick(float X, float Y) {
    float sx = snapAxis(X, 5, 300, 12, 21, 12);
    float sy = snapAxis(Y, 4, 285, 11, 20, 11);
    return {sx, sy, {roundHalfEven((sx - 5) / 21 + 1), roundHalfEven((sy - 5) / 20 + 1)}};
}

void PlayerPlace(Game& g, float X, float Y) {
    guarded(g, [&] {
        SnappedClick s = SnapClick(X, Y);
        int x = s.cell.x, y = s.cell.y;
        if (g.CentreRule == kTrue) {
            if (x != 8 || y != 8) {
                g.messages.information(kHintTitle, kCentreFirst);
                return;
            }
            g.CentreRule = kFalse;
        }
        if (g.cell(x, y) != kEmpty) return;
        g.imgPlayer.push_back({s.X, s.Y});
        g.setCell(x, y, kPlayer);
        ++g.PlayerMoveNo;
        moveMarker(g, g.PlayerFirst == kTrue, s.X, s.Y);
        g.PlayerTurn = kFalse;
        CheckWin(g, kPlayer, x, y);
        if ((g.GameMode == 6 || g.GameMode == 7) && g.GameActive == kTrue) CheckDraw(g);
        if (g.GameActive != kTrue) return;
        HandTurnOn(g, x, y);
    });
}

bool CompPlace(Game& g, int x, int y) {
    bool placed = false;
    guarded(g, [&] {
        if (!onBoard(x, y)) throw Fault("无效的落子位置 " + cellText(x, y));
        if (g.cell(x, y) != kEmpty) throw Fault("该位置已有棋子 " + cellText(x, y));
        float left = compStoneLeft(x), top = compStoneTop(y);
        g.imgComputer.push_back({left, top});
        g.setCell(x, y, kComputer);
        moveMarker(g, g.PlayerFirst != kTrue, left, top);
        ++g.CompMoveNo;
        placed = true;
        CheckWin(g, kComputer, x, y);
        // A computer stone that fills the last cell ends the game as a draw.
        if (g.GameActive == kTrue) CheckDraw(g);
    });
    return placed;
}

void CheckWin(Game& g, int side, int x, int y) {
    guarded(g, [&] {
        if (g.cell(x, y) != side || WinningLine(g.BoardCells, {x, y}).empty()) return;
        g.messages.information(kHintTitle, side == kComputer ? kComputerWins : kPlayerWins);
        EndGame(g);
    });
}

void CheckDraw(Game& g) {
    guarded(g, [&] {
        if (!g.boardFull()) return;
        g.messages.information(kHintTitle, kDrawText);
        EndGame(g);
    });
}

void EndGame(Game& g) {
    g.GameActive = kFalse;
    g.OptionsEnabled = kTrue;
}

void HandTurnOn(Game& g, int x, int y) {
    switch (g.GameMode) {
    case 2:
        if (g.BookCoin == kFalse && g.BookActive == kTrue) return QuillonWhitePlaybook(g, x, y);
        if (g.DiagonalBookActive == kTrue) return QuillonWhiteDiagonalPlaybook(g, x, y);
        return CompMove(g, x, y);
    case 3:
        if (g.BookActive == kTrue) return QuillonBlackPlaybook(g, x, y);
        return CompMove(g, x, y);
    case 4:
        if (g.BookActive == kTrue) return MarrowickWhitePlaybook(g, x, y);
        return CompMove(g, x, y);
    case 5:
        if (g.BookActive == kTrue) return MarrowickBlackPlaybook(g, x, y);
        return CompMove(g, x, y);
    case 6:
        if (g.BookActive == kTrue) return PeddrinFixedReply(g, x, y);
        return CompMove(g, x, y);
    default:
        return CompMove(g, x, y);
    }
}

} // namespace wuzi
