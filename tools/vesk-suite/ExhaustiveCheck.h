#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <unordered_map>
#include <vector>

// An exhaustive check of forced wins, written apart from the engine and sharing none of
// its code: a plain grid, stones counted along lines, and every answer of the defender
// tried. Its searches are slow and meant for short wins; given the attacker's stones,
// it confirms long ones.
//
// Fours: the attacker may play any stone that threatens five; the defender must take the
// one cell of five (or make five itself). Threats: the attacker may also play any stone
// after which some cell would give it two cells of five; after such a stone the defender
// may play on every empty cell of the board.
class ExhaustiveCheck {
  public:
    // 0-based cells, black first; the side to move attacks.
    explicit ExhaustiveCheck(const std::vector<std::pair<int, int>>& stones);
    // The same, each cell x + 15 y.
    static ExhaustiveCheck ofCells(const std::vector<int>& cells);

    // The shortest forced five within `moves` attacker stones, in plies (1, 3, 5, ...),
    // or 0 when there is none.
    int shortestByFours(int moves);
    int shortestByThreats(int moves);
    // Whether any win by fours within `moves` attacker stones exists.
    bool winsByFours(int moves);
    // Whether the attacker's first stone on `cell` forces five within `moves` stones, that
    // one included, by fours (or threats): a puzzle's answer other than the stored one.
    bool winsWith(int cell, int moves, bool threes);

    // The attacker's choice of stone: given the board (per cell, x + 15 y: -1 empty, 0
    // black, 1 white) and the stones it has left, a cell, or -1 for none.
    using Strategy = std::function<int(const std::vector<int>& board, int moves)>;
    // Whether `strategy`, asked only where the attacker has a free choice, forces five
    // within `moves` stones by fours (or threats) against every defence, each stone it
    // names checked to be a four (or a threat). After a three every empty cell is
    // tried: one that leaves a double five of the attacker standing, and makes no four
    // of the defender's, is seen to lose at once; any other is searched on.
    bool confirmsWin(int moves, bool threes, const Strategy& strategy);

  private:
    static constexpr int kSize = 15;
    using Grid = std::array<std::int8_t, kSize * kSize>;

    bool makesFiveAlong(int cell, int side, int d) const;
    bool makesFive(int cell, int side) const;
    std::vector<int> fiveCells(int side) const;
    int fivesMadeBy(int cell, int side) const;
    bool threatensTwoFives(int side) const;
    int mostOnALine(int cell, int side) const;
    bool makesFour(int cell, int side);
    bool isThreat(int cell, int side);
    void place(int cell, int side);
    void lift(int cell, int side);
    void countNear(int cell, int side, int delta);

    int shortest(int moves, bool threes);
    bool attack(int moves, bool threes);
    bool defend(int moves, bool threes);
    bool confirmAttack(int moves, bool threes, const Strategy& strategy);
    bool confirmDefence(int moves, bool threes, const Strategy& strategy);
    bool losesAtOnce(int cell, const std::vector<int>& doubleFives);
    std::optional<std::vector<int>> answersToThree();
    std::vector<int> board() const;

    Grid grid_{};
    // Stones of each side within four steps of each cell, on each of its four lines.
    std::array<std::array<std::array<std::uint8_t, 4>, kSize * kSize>, 2> near_{};
    int attacker_;
    std::uint64_t hash_ = 0;
    std::array<std::array<std::uint64_t, 2>, kSize * kSize> keys_{};
    // Positions already known to be lost for the attacker with so many moves left.
    std::unordered_map<std::uint64_t, int> failed_;
};
