#include "session/GameFlow.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <ostream>
#include <random>
#include <vector>

namespace wuzi::test {
namespace {

// The longest run of `side` through c, if a stone of that side stood there, and whether
// both of its ends are free.
struct Run {
    int length = 0;
    bool open = false;
};

Run LongestRun(const Game& g, Cell c, int side) {
    Run best;
    for (const Direction& d : kDirections) {
        int length = 1, freeEnds = 0;
        for (int sense : {-1, 1}) {
            int k = 1;
            for (; k <= 4; ++k) {
                int x = c.x + sense * k * d.dx, y = c.y + sense * k * d.dy;
                if (!onBoard(x, y) || g.cell(x, y) != side) break;
                ++length;
            }
            int x = c.x + sense * k * d.dx, y = c.y + sense * k * d.dy;
            if (onBoard(x, y) && g.cell(x, y) == kEmpty) ++freeEnds;
        }
        if (length > best.length || (length == best.length && freeEnds == 2))
            best = {length, freeEnds == 2};
    }
    return best;
}

bool MakesFive(const Game& g, Cell c, int side) {
    return LongestRun(g, c, side).length >= 5;
}

bool NearAStone(const Game& g, Cell c) {
    for (int y = c.y - 2; y <= c.y + 2; ++y)
        for (int x = c.x - 2; x <= c.x + 2; ++x)
            if (onBoard(x, y) && g.cell(x, y) != kEmpty) return true;
    return false;
}

// A seeded random player that stays near the stones. It takes its own five, stops the
// computer's five and open four, and otherwise plays at random, so that games run long
// enough to reach the late steps of the chains.
class RandomPlayer {
  public:
    explicit RandomPlayer(unsigned seed) : rng_(seed) {}

    Cell choose(const Game& g) {
        if (g.playerStones.empty() && g.compStones.empty()) return {8, 8};
        std::vector<Cell> near, any;
        Cell blockFive, blockFour;
        for (int y = 1; y <= kBoardSize; ++y)
            for (int x = 1; x <= kBoardSize; ++x) {
                Cell c{x, y};
                if (g.cell(x, y) != kEmpty) continue;
                if (MakesFive(g, c, kPlayer)) return c;
                Run computer = LongestRun(g, c, kComputer);
                if (computer.length >= 5) blockFive = c;
                if (computer.length == 4 && computer.open) blockFour = c;
                any.push_back(c);
                if (NearAStone(g, c)) near.push_back(c);
            }
        if (!isNoCell(blockFive)) return blockFive;
        if (!isNoCell(blockFour)) return blockFour;
        const std::vector<Cell>& pool = near.empty() ? any : near;
        return pool[std::uniform_int_distribution<std::size_t>(0, pool.size() - 1)(rng_)];
    }

  private:
    std::mt19937 rng_;
};

struct SelfPlayCase {
    int opponent;
    bool playerFirst;
    int difficulty;
};
std::ostream& operator<<(std::ostream& out, const SelfPlayCase& c) {
    return out << "opponent " << c.opponent
               << (c.playerFirst ? ", player first" : ", computer first") << ", difficulty "
               << c.difficulty;
}

class SelfPlay : public ::testing::TestWithParam<SelfPlayCase> {};

// One turn: the player's stone on `move`, then the computer's answer.
void PlayTurn(TestGame& t, RandomPlayer& player) {
    BookGame& g = t.g;
    ASSERT_TRUE(g.PlayerTurn);
    Cell move = player.choose(g);
    auto before = g.BoardCells;
    int compMoveNo = g.CompMoveNo;
    bool playerWon = MakesFive(g, move, kPlayer);
    OnBoardClick(g, Cell{move.x, move.y});
    ASSERT_EQ(g.cell(move.x, move.y), kPlayer) << Picture(g);
    ASSERT_TRUE(BoardMatchesHistories(g));
    ASSERT_EQ(t.messages.count("critical"), 0) << t.messages.boxes.back().text << "\n"
                                               << Picture(g);
    if (playerWon) {
        EXPECT_EQ(g.CompMoveNo, compMoveNo) << "the computer moved after the player's five";
        EXPECT_FALSE(g.GameActive);
        return;
    }
    if (g.CompMoveNo == compMoveNo) {
        // Only a full board leaves the computer without a move.
        EXPECT_TRUE(g.boardFull()) << Picture(g);
        EXPECT_TRUE(t.messages.shown("此局为和局!"));
        EXPECT_FALSE(g.GameActive);
        return;
    }
    ASSERT_EQ(g.CompMoveNo, compMoveNo + 1) << "more than one computer stone\n" << Picture(g);
    Cell answer = g.compStones.back();
    EXPECT_FALSE(answer == move);
    EXPECT_EQ(before[(answer.y - 1) * kBoardSize + (answer.x - 1)], kEmpty)
        << "the computer played on a taken cell " << answer;
}

TEST_P(SelfPlay, EveryComputerTurnPlacesOneStone) {
    const SelfPlayCase& c = GetParam();
    for (int game = 0; game < 6; ++game) {
        SCOPED_TRACE("game " + std::to_string(game));
        TestGame t(game * 5 % 10);
        BookGame& g = t.g;
        MenuChecks menu;
        OnOpponent(g, menu, c.opponent);
        if (c.playerFirst)
            OnPlayerFirst(g, menu);
        else
            OnComputerFirst(g, menu);
        OnDifficulty(g, c.difficulty);
        NewGame(g, menu);
        RandomPlayer player(static_cast<unsigned>(1000 * c.opponent + 100 * c.difficulty +
                                                  10 * c.playerFirst + game));
        for (int turn = 0; g.GameActive; ++turn) {
            ASSERT_LE(turn, kCellCount / 2 + 1) << "the game does not end";
            PlayTurn(t, player);
            if (HasFatalFailure() || HasNonfatalFailure()) return;
        }
        EXPECT_EQ(t.messages.count("critical"), 0);
    }
}

std::vector<SelfPlayCase> AllOpponentsWithChains() {
    std::vector<SelfPlayCase> cases;
    for (int opponent : {0, 1, 2, 4})
        for (bool playerFirst : {true, false})
            for (int difficulty : {0, 1, 2})
                cases.push_back({opponent, playerFirst, difficulty});
    return cases;
}

INSTANTIATE_TEST_SUITE_P(Games, SelfPlay, ::testing::ValuesIn(AllOpponentsWithChains()));

} // namespace
} // namespace wuzi::test
