#include "session/GameFlow.h"

#include "engines/SearchEngine.h"
#include "opponents/Opponent.h"
#include "opponents/Turns.h"
#include "rules/Fault.h"
#include "rules/Placement.h"
#include "rules/WinningLine.h"

#include <algorithm>
#include <iterator>

namespace wuzi {

int SecondsDigit(Game& g) {
    std::string now = g.clock.now();
    if (now.empty() || now.back() < '0' || now.back() > '9') throw Fault("时间格式错误");
    return now.back() - '0';
}

int ModeFromChecks(const MenuChecks& m) {
    return 2 * m.opponent + (m.playerFirst ? 0 : 1);
}

namespace {

void recordEngineOpening(EngineGame& g) {
    g.engine.record(7, 7, kEnginePlayer);
    g.engine.record(8, 7, kEngineComputer);
}

} // namespace

void NewGame(BookGame& g, const MenuChecks& checks) {
    guarded(g, [&] {
        g.playerStones.clear();
        g.compStones.clear();
        g.BoardCells.fill(kEmpty);
        g.imgW.visible = false;
        g.imgB.visible = false;
        g.BookMoveNo = 1;
        g.CentreRule = true;
        g.BookActive = true;
        g.DiagonalBookActive = true;
        g.GameMode = ModeFromChecks(checks);
        g.PlayerFirst = (g.GameMode % 2 == 0);
        g.PlayerTurn = g.PlayerFirst;
        g.PlayerMoveNo = 1;
        g.CompMoveNo = 1;
        g.BookOrientation = 1;
        g.LatticeFlip = true;
        g.BookCoin = (SecondsDigit(g) % 5 == 0);
        EngineInit(g.engine);
        g.GameActive = true;
        bool searchOpponent = SearchPlays(g);
        if (g.PlayerTurn) {
            // Opponent 3 answers the centre from its book in about one game in three.
            if (SecondsDigit(g) % 3 != 0) {
                if (searchOpponent) g.BookActive = false;
            } else {
                recordEngineOpening(g);
                if (searchOpponent) g.BookActive = true;
            }
        } else {
            CompPlace(g, kCentre.x, kCentre.y);
            g.engine.record(7, 7, kEngineComputer);
            g.PlayerTurn = true;
            g.CentreRule = false;
        }
        g.engine.EngineEval = 0;
    });
}

namespace {

// Stones on distinct cells of the board, each of a side; counts them by side.
bool validStones(const std::vector<SetUpStone>& stones, int& players, int& computers) {
    players = computers = 0;
    std::array<bool, kCellCount> taken{};
    for (const auto& s : stones) {
        if (!onBoard(s.cell) || (s.side != kPlayer && s.side != kComputer)) return false;
        auto& t = taken[(s.cell.y - 1) * kBoardSize + (s.cell.x - 1)];
        if (t) return false;
        t = true;
        (s.side == kPlayer ? players : computers)++;
    }
    return true;
}

bool validSetUp(const std::vector<SetUpStone>& stones, bool& playerFirst) {
    int players = 0, computers = 0;
    if (!validStones(stones, players, computers)) return false;
    playerFirst = players == computers + 1;
    return playerFirst || players == computers;
}

void placeSetUpStone(Game& g, const SetUpStone& s) {
    g.setCell(s.cell.x, s.cell.y, s.side);
    if (s.side == kPlayer) {
        g.playerStones.push_back(s.cell);
        ++g.PlayerMoveNo;
    } else {
        g.compStones.push_back(s.cell);
        ++g.CompMoveNo;
    }
}

// The search engine's board is the position too, scored, all but the last player stone:
// that one reaches the engine as the move it answers.
void recordSetUpOnEngine(EngineGame& g, const std::vector<SetUpStone>& stones) {
    auto last = std::find_if(stones.rbegin(), stones.rend(),
                             [](const SetUpStone& s) { return s.side == kPlayer; });
    for (auto it = stones.begin(); it != stones.end(); ++it) {
        if (last != stones.rend() && it == std::prev(last.base())) continue;
        RecordEngineStone(g.engine, it->cell.y - 1, it->cell.x - 1,
                          it->side == kPlayer ? kEnginePlayer : kEngineComputer);
    }
}

bool holdsAFive(const std::vector<SetUpStone>& stones) {
    std::array<std::int16_t, kCellCount> board{};
    for (const auto& s : stones)
        board[(s.cell.y - 1) * kBoardSize + (s.cell.x - 1)] = static_cast<std::int16_t>(s.side);
    return std::any_of(stones.begin(), stones.end(),
                       [&](const SetUpStone& s) { return !WinningLine(board, s.cell).empty(); });
}

// A new game on the stones given, the books switched off. NewGame placed the computer's
// centre stone when it moves first: the board starts from empty.
void layOut(BookGame& g, const MenuChecks& checks, const std::vector<SetUpStone>& stones) {
    NewGame(g, checks);
    g.BoardCells.fill(kEmpty);
    g.playerStones.clear();
    g.compStones.clear();
    g.imgW.visible = g.imgB.visible = false;
    g.PlayerMoveNo = g.CompMoveNo = 1;
    EngineInit(g.engine);
    g.BookActive = g.DiagonalBookActive = false;
    g.CentreRule = false;
    for (const auto& s : stones)
        placeSetUpStone(g, s);
}

} // namespace

bool SetUpPosition(BookGame& g, MenuChecks& checks, const std::vector<SetUpStone>& stones) {
    bool playerFirst = true;
    if (!validSetUp(stones, playerFirst)) return false;
    checks.playerFirst = playerFirst;
    layOut(g, checks, stones);
    recordSetUpOnEngine(g, stones);
    g.PlayerTurn = false;
    return true;
}

bool SetUpPlayersTurn(BookGame& g, const MenuChecks& checks,
                      const std::vector<SetUpStone>& stones) {
    int players = 0, computers = 0;
    if (!validStones(stones, players, computers) || stones.empty() ||
        computers != players + (checks.playerFirst ? 0 : 1) || holdsAFive(stones))
        return false;
    layOut(g, checks, stones);
    for (const auto& s : stones)
        RecordEngineStone(g.engine, s.cell.y - 1, s.cell.x - 1,
                          s.side == kPlayer ? kEnginePlayer : kEngineComputer);
    // The marker on the newest stone, the computer's, of its colour.
    Cell newest = stones.back().cell;
    (checks.playerFirst ? g.imgB : g.imgW) = {true, newest};
    g.PlayerTurn = true;
    return true;
}

void AnswerSetUpPosition(BookGame& g, Cell last) {
    CheckWin(g, kPlayer, last.x, last.y);
    if (g.GameActive) AfterPlayerStone(g, last);
}

void OnPlayerFirst(Game& g, MenuChecks& checks) {
    if (g.GameActive) return;
    checks.playerFirst = true;
    g.GameMode = ModeFromChecks(checks);
    g.PlayerTurn = true;
}

void OnComputerFirst(Game& g, MenuChecks& checks) {
    if (g.GameActive) return;
    checks.playerFirst = false;
    g.GameMode = ModeFromChecks(checks);
    g.PlayerTurn = false;
}

void OnDifficulty(Game& g, int level) {
    if (g.GameActive || level < 0 || level > 2) return;
    g.Difficulty = level;
    g.SearchLevel = level + 2;
}

void OnOpponent(Game& g, MenuChecks& checks, int index) {
    if (g.GameActive || index < 0 || index >= kOpponentCount) return;
    checks.opponent = index;
    g.GameMode = ModeFromChecks(checks);
    g.PlayerTurn = checks.playerFirst;
}

void OnBoardClick(BookGame& g, Cell c) {
    if (g.GameActive && g.PlayerTurn) PlayerPlace(g, c);
}

} // namespace wuzi
