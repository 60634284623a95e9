#include "engines/SearchEngine.h"

#include "engines/SearchEngineFast.h"
#include "rules/Fault.h"
#include "rules/Placement.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace wuzi {

namespace {

constexpr int kSize = 15;

bool onEngineBoard(int row, int column) {
    return row >= 0 && row < kSize && column >= 0 && column < kSize;
}

// Counts, over the other four cells of the window starting at (row, column) and running
// along (dRow, dColumn), the stones of `side` and of the other side. False when the
// window leaves the board.
bool countWindow(const SearchState& s, int row, int column, int dRow, int dColumn, int skip,
                 std::uint8_t side, int& mine, int& theirs) {
    mine = theirs = 0;
    for (int k = 0; k < 5; ++k) {
        int r = row + k * dRow, c = column + k * dColumn;
        if (!onEngineBoard(r, c)) return false;
        if (k == skip) continue;
        std::uint8_t stone = s.EngineBoard[r][c];
        if (stone == side)
            ++mine;
        else if (stone != kEngineEmpty)
            ++theirs;
    }
    return true;
}

// The book opening recorded by NewGame (the player's centre, the computer's stone
// below it) stands for a book reply. When a take-back has undone that reply, the
// computer's stone is no longer on the game board: the opening goes from the engine's
// board too. It was never scored.
void dropUndoneBookOpening(EngineGame& g) {
    SearchState& s = g.engine;
    if (s.EngineBoard[8][7] != kEngineComputer || g.cell(8, 9) == kComputer) return;
    for (auto [row, column] : {std::pair{7, 7}, std::pair{8, 7}}) {
        s.EngineBoard[row][column] = kEngineEmpty;
        s.EngineCells[s.positionOf(row * kSize + column)].state = 0;
    }
}

} // namespace

void EngineInit(SearchState& s) {
    s.WindowScore = {0, 1, 11, 111, 1111, 11111};
    std::array<int, 225> order{};
    for (int i = 0; i < 225; ++i)
        order[i] = i;
    auto key = [](int cell) {
        int row = cell / 15, column = cell % 15;
        return (std::abs(column - 7) + 1) * (std::abs(row - 7) + 1);
    };
    // Equal keys keep row-major insertion order.
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return key(a) < key(b); });
    for (int i = 0; i < 225; ++i)
        s.EngineCells[i] = {static_cast<std::int16_t>(order[i]), 0};
    for (auto& row : s.EngineBoard)
        row.fill(kEngineEmpty);
    s.EngineEval = 0;
    s.MoveSignal = false;
}

void EngineEvalUpdate(SearchState& s, int row, int column) {
    static constexpr int kLines[4][2] = {{0, 1}, {1, 0}, {1, 1}, {1, -1}};
    std::uint8_t side = s.EngineBoard[row][column];
    std::int32_t change = 0;
    for (const auto& line : kLines) {
        for (int offset = 0; offset < 5; ++offset) {
            int mine = 0, theirs = 0;
            if (!countWindow(s, row - offset * line[0], column - offset * line[1], line[0], line[1],
                             offset, side, mine, theirs))
                continue;
            if (theirs == 0 && mine == 4) {
                s.EngineEval = side == kEnginePlayer ? kFiveScore : -kFiveScore;
                return;
            }
            if (theirs == 0)
                change += s.WindowScore[mine + 1] - s.WindowScore[mine];
            else if (mine == 0)
                change += s.WindowScore[theirs];
        }
    }
    s.EngineEval += side == kEngineComputer ? -change : change;
}

void RecordEngineStone(SearchState& s, int row, int column, std::uint8_t side) {
    s.record(row, column, side);
    EngineEvalUpdate(s, row, column);
}

void CompBoardClick(EngineGame& g, int column, int row) {
    guarded(g, [&] {
        if (!onEngineBoard(row, column)) throw Fault("下标越界");
        dropUndoneBookOpening(g);
        if (g.engine.EngineBoard[row][column] != kEngineEmpty) return;
        g.engine.record(row, column, kEnginePlayer);
        g.engine.MoveSignal = true;
        EngineEvalUpdate(g.engine, row, column);
        SyncEngineStones(g);
    });
}

void SyncEngineStones(EngineGame& g) {
    guarded(g, [&] {
        for (int row = 0; row < kSize; ++row)
            for (int column = 0; column < kSize; ++column)
                if (g.engine.EngineBoard[row][column] == kEngineComputer &&
                    g.cell(column + 1, row + 1) != kComputer)
                    PlayMove(g, column + 1, row + 1);
    });
}

bool EngineReplyOwed(const EngineGame& g) {
    return g.GameActive && g.engine.MoveSignal;
}

int FindEngineReply(const SearchState& s, int depth, SearchContext& context) {
    for (int plies = depth;; --plies) {
        int best = -1;
        std::int32_t value = EngineSearch(s, plies, -kFiveScore, kEngineComputer, best, context);
        if (context.interrupted()) return -1;
        // Some move holds out this far (or no cell is free): the deepest such search plays.
        if (value != kFiveScore || best < 0) return best;
        if (plies <= 2) {
            int five = PlayersFiveCell(s);
            return five >= 0 ? five : best;
        }
    }
}

int FindEngineReply(const SearchState& s, int depth, RandomSource& random,
                    const std::atomic<bool>* cancelled) {
    SearchContext context(random, cancelled);
    return FindEngineReply(s, depth, context);
}

int PlayersFiveCell(const SearchState& s) {
    SearchState trial = s;
    for (int i = 0; i < kSize * kSize; ++i) {
        int row = s.EngineCells[i].cell / kSize, column = s.EngineCells[i].cell % kSize;
        if (s.EngineCells[i].state != 0 || s.EngineBoard[row][column] != kEngineEmpty) continue;
        trial.EngineBoard[row][column] = kEnginePlayer;
        trial.EngineEval = 0;
        EngineEvalUpdate(trial, row, column);
        trial.EngineBoard[row][column] = kEngineEmpty;
        if (trial.EngineEval == kFiveScore) return i;
    }
    return -1;
}

void PlaceEngineReply(EngineGame& g, int bestIndex) {
    guarded(g, [&] {
        g.engine.MoveSignal = false;
        if (!g.GameActive || bestIndex < 0 || bestIndex >= kSize * kSize) return;
        EngineCell& chosen = g.engine.EngineCells[bestIndex];
        int row = chosen.cell / kSize, column = chosen.cell % kSize;
        chosen.state = kEngineComputer;
        g.engine.EngineBoard[row][column] = kEngineComputer;
        EngineEvalUpdate(g.engine, row, column);
        SyncEngineStones(g);
    });
}

void EngineTurn(EngineGame& g) {
    guarded(g, [&] {
        if (!EngineReplyOwed(g)) return;
        PlaceEngineReply(g, FindEngineReply(g.engine, g.SearchLevel, g.random));
    });
}

} // namespace wuzi
