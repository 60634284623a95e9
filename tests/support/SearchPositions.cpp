#include "support/SearchPositions.h"

#include "engines/SearchEngine.h"
#include "engines/SearchEngineFast.h"
#include "rules/Platform.h"

#include <random>
#include <stdexcept>

namespace wuzi::test {

namespace {

bool makesFive(const SearchState& s, int row, int column, std::uint8_t side) {
    static constexpr int kLines[4][2] = {{0, 1}, {1, 0}, {1, 1}, {1, -1}};
    for (const auto& line : kLines) {
        int count = 1;
        for (int sense : {-1, 1})
            for (int k = 1; k < 5; ++k) {
                int r = row + sense * k * line[0], c = column + sense * k * line[1];
                if (r < 0 || r >= 15 || c < 0 || c >= 15 || s.EngineBoard[r][c] != side) break;
                ++count;
            }
        if (count >= 5) return true;
    }
    return false;
}

bool nearStone(const SearchState& s, int row, int column) {
    for (int r = row - 2; r <= row + 2; ++r)
        for (int c = column - 2; c <= column + 2; ++c)
            if (r >= 0 && r < 15 && c >= 0 && c < 15 && s.EngineBoard[r][c] != kEngineEmpty)
                return true;
    return false;
}

// A move for `side` that makes no five: the search's choice when it is allowed, else
// a random cell near the stones.
int chooseMove(const SearchState& s, std::uint8_t side, std::mt19937& rng, RandomSource& draws) {
    std::vector<int> allowed;
    for (int cell = 0; cell < 225; ++cell) {
        int row = cell / 15, column = cell % 15;
        if (s.EngineBoard[row][column] == kEngineEmpty && nearStone(s, row, column) &&
            !makesFive(s, row, column, side))
            allowed.push_back(cell);
    }
    if (allowed.empty()) return -1;
    if (rng() % 3 != 0) {
        SearchContext context(draws);
        int best = -1;
        EngineSearch(s, 2, side == kEnginePlayer ? kFiveScore : -kFiveScore, side, best, context);
        if (best >= 0) {
            int cell = s.EngineCells[best].cell;
            for (int a : allowed)
                if (a == cell) return cell;
        }
    }
    return allowed[rng() % allowed.size()];
}

} // namespace

SearchState EngineStateOf(const std::vector<std::string>& picture, int top, int left) {
    SearchState s;
    EngineInit(s);
    for (int row = 0; row < static_cast<int>(picture.size()); ++row) {
        int column = 0;
        for (char ch : picture[row]) {
            if (ch == ' ') continue;
            int r = top + row, c = left + column++;
            if (ch == '.') continue;
            if (r >= 15 || c >= 15) throw std::invalid_argument("picture runs off the board");
            if (ch == 'O')
                RecordEngineStone(s, r, c, kEnginePlayer);
            else if (ch == 'X')
                RecordEngineStone(s, r, c, kEngineComputer);
            else
                throw std::invalid_argument("unknown picture character");
        }
    }
    return s;
}

std::vector<std::string> EnginePicture(const SearchState& s) {
    std::vector<std::string> rows;
    for (const auto& row : s.EngineBoard) {
        std::string text;
        for (std::uint8_t stone : row)
            text += stone == kEnginePlayer ? 'O' : stone == kEngineComputer ? 'X' : '.';
        rows.push_back(text);
    }
    return rows;
}

std::vector<SearchState> PlayedOutPositions(std::uint32_t seed, int stones, int every) {
    std::mt19937 rng(seed);
    SeededRandom draws(seed);
    SearchState s;
    EngineInit(s);
    RecordEngineStone(s, 7, 7, kEnginePlayer);
    std::vector<SearchState> kept;
    std::uint8_t side = kEngineComputer;
    for (int down = 1; down < stones; ++down) {
        int cell = chooseMove(s, side, rng, draws);
        if (cell < 0) break;
        RecordEngineStone(s, cell / 15, cell % 15, side);
        side = side == kEnginePlayer ? kEngineComputer : kEnginePlayer;
        if ((down + 1) % every == 0) kept.push_back(s);
    }
    return kept;
}

SearchState CrowdedPosition(std::uint32_t seed, int free) {
    std::mt19937 rng(seed);
    SearchState s;
    EngineInit(s);
    std::uint8_t side = kEnginePlayer;
    int empty = 225;
    for (int tries = 0; empty > free && tries < 20000; ++tries) {
        int cell = static_cast<int>(rng() % 225), row = cell / 15, column = cell % 15;
        if (s.EngineBoard[row][column] != kEngineEmpty || makesFive(s, row, column, side)) continue;
        RecordEngineStone(s, row, column, side);
        side = side == kEnginePlayer ? kEngineComputer : kEnginePlayer;
        --empty;
    }
    return s;
}

} // namespace wuzi::test
