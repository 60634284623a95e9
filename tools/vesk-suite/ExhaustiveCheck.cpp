#include "ExhaustiveCheck.h"

#include <algorithm>
#include <cstdlib>
#include <random>

namespace {

constexpr int kDx[4] = {1, 0, 1, 1};
constexpr int kDy[4] = {0, 1, 1, -1};

// Whether two cells share a row, a column or a diagonal, at most four steps apart.
bool onALineWithin4(int a, int b) {
    constexpr int n = 15;
    int dx = b % n - a % n, dy = b / n - a / n;
    bool aligned = dx == 0 || dy == 0 || dx == dy || dx == -dy;
    return aligned && std::max(std::abs(dx), std::abs(dy)) <= 4;
}

} // namespace

ExhaustiveCheck::ExhaustiveCheck(const std::vector<std::pair<int, int>>& stones) {
    std::mt19937_64 random(20261208);
    for (auto& cell : keys_)
        for (auto& key : cell)
            key = random();
    for (std::size_t i = 0; i < stones.size(); ++i)
        place(stones[i].second * kSize + stones[i].first, 1 + static_cast<int>(i % 2));
    attacker_ = 1 + static_cast<int>(stones.size() % 2);
}

ExhaustiveCheck ExhaustiveCheck::ofCells(const std::vector<int>& cells) {
    std::vector<std::pair<int, int>> stones;
    for (int c : cells)
        stones.push_back({c % kSize, c / kSize});
    return ExhaustiveCheck(stones);
}

void ExhaustiveCheck::place(int cell, int side) {
    grid_[cell] = static_cast<std::int8_t>(side);
    hash_ ^= keys_[cell][side - 1];
    countNear(cell, side, +1);
}

void ExhaustiveCheck::lift(int cell, int side) {
    grid_[cell] = 0;
    hash_ ^= keys_[cell][side - 1];
    countNear(cell, side, -1);
}

// The stone on `cell` is near the cells within four steps of it on its four lines.
void ExhaustiveCheck::countNear(int cell, int side, int delta) {
    int x0 = cell % kSize, y0 = cell / kSize;
    for (int d = 0; d < 4; ++d)
        for (int i = -4; i <= 4; ++i) {
            int x = x0 + i * kDx[d], y = y0 + i * kDy[d];
            if (i != 0 && x >= 0 && y >= 0 && x < kSize && y < kSize)
                near_[side - 1][y * kSize + x][d] += delta;
        }
}

// Whether a stone of `side` on the empty `cell` would stand in five or more in a row
// along direction `d`: never with fewer than four of its stones near on that line.
bool ExhaustiveCheck::makesFiveAlong(int cell, int side, int d) const {
    if (near_[side - 1][cell][d] < 4) return false;
    int x0 = cell % kSize, y0 = cell / kSize, run = 1;
    for (int sign = -1; sign <= 1; sign += 2) {
        int x = x0 + sign * kDx[d], y = y0 + sign * kDy[d];
        while (x >= 0 && y >= 0 && x < kSize && y < kSize && grid_[y * kSize + x] == side)
            ++run, x += sign * kDx[d], y += sign * kDy[d];
    }
    return run >= 5;
}

bool ExhaustiveCheck::makesFive(int cell, int side) const {
    for (int d = 0; d < 4; ++d)
        if (makesFiveAlong(cell, side, d)) return true;
    return false;
}

std::vector<int> ExhaustiveCheck::fiveCells(int side) const {
    std::vector<int> cells;
    for (int c = 0; c < kSize * kSize; ++c)
        if (grid_[c] == 0 && makesFive(c, side)) cells.push_back(c);
    return cells;
}

// The cells of five that the stone of `side` on `cell` stands in: empty cells within four
// steps of it, each making five along the line that joins them. Asked only where `side`
// had no cell of five before the stone, so these are all its cells of five.
int ExhaustiveCheck::fivesMadeBy(int cell, int side) const {
    int x0 = cell % kSize, y0 = cell / kSize, count = 0;
    for (int d = 0; d < 4; ++d)
        for (int i = -4; i <= 4; ++i) {
            int x = x0 + i * kDx[d], y = y0 + i * kDy[d];
            if (i == 0 || x < 0 || y < 0 || x >= kSize || y >= kSize) continue;
            int e = y * kSize + x;
            if (grid_[e] == 0 && makesFiveAlong(e, side, d)) ++count;
        }
    return count;
}

// Some empty cell would give `side` two cells of five at once; `side` has none now. Only
// a cell with three stones of `side` on one of its lines can.
bool ExhaustiveCheck::threatensTwoFives(int side) const {
    ExhaustiveCheck& self = const_cast<ExhaustiveCheck&>(*this);
    for (int c = 0; c < kSize * kSize; ++c) {
        if (grid_[c] != 0 || mostOnALine(c, side) < 3) continue;
        self.place(c, side);
        bool two = fivesMadeBy(c, side) >= 2;
        self.lift(c, side);
        if (two) return true;
    }
    return false;
}

// The most stones of `side` on one line through `cell` within four steps: a stone there
// with fewer than two threatens nothing, and one with fewer than three makes no two
// cells of five.
int ExhaustiveCheck::mostOnALine(int cell, int side) const {
    const auto& near = near_[side - 1][cell];
    return *std::max_element(near.begin(), near.end());
}

// A stone of `side` on `cell` threatens five next move.
bool ExhaustiveCheck::makesFour(int cell, int side) {
    place(cell, side);
    bool four = fivesMadeBy(cell, side) > 0;
    lift(cell, side);
    return four;
}

// A stone of `side` on `cell` threatens five next move, or two cells of five.
bool ExhaustiveCheck::isThreat(int cell, int side) {
    place(cell, side);
    bool threat = fivesMadeBy(cell, side) > 0;
    int x0 = cell % kSize, y0 = cell / kSize;
    for (int d = 0; d < 4 && !threat; ++d)
        for (int i = -4; i <= 4 && !threat; ++i) {
            int x = x0 + i * kDx[d], y = y0 + i * kDy[d];
            if (i == 0 || x < 0 || y < 0 || x >= kSize || y >= kSize) continue;
            int e = y * kSize + x;
            if (grid_[e] != 0 || mostOnALine(e, side) < 3) continue;
            place(e, side);
            threat = fivesMadeBy(e, side) >= 2;
            lift(e, side);
        }
    lift(cell, side);
    return threat;
}

// Deepening one stone at a time finds the shortest win; what failed with fewer stones
// left stays known to fail.
int ExhaustiveCheck::shortest(int moves, bool threes) {
    failed_.clear();
    for (int n = 1; n <= moves; ++n)
        if (attack(n, threes)) return 2 * n - 1;
    return 0;
}

int ExhaustiveCheck::shortestByFours(int moves) {
    return shortest(moves, false);
}

int ExhaustiveCheck::shortestByThreats(int moves) {
    return shortest(moves, true);
}

bool ExhaustiveCheck::winsByFours(int moves) {
    failed_.clear();
    return attack(moves, false);
}

bool ExhaustiveCheck::winsWith(int cell, int moves, bool threes) {
    failed_.clear();
    int me = attacker_;
    if (cell < 0 || cell >= kSize * kSize || grid_[cell] != 0 || moves <= 0) return false;
    if (makesFive(cell, me)) return true;
    place(cell, me);
    bool win = (threes || !fiveCells(me).empty()) && defend(moves - 1, threes);
    lift(cell, me);
    return win;
}

// The attacker to move, with `moves` stones left to reach five.
bool ExhaustiveCheck::attack(int moves, bool threes) {
    int me = attacker_, them = 3 - attacker_;
    if (moves <= 0) return false;
    if (!fiveCells(me).empty()) return true;
    if (moves == 1) return false;
    auto known = failed_.find(hash_);
    if (known != failed_.end() && known->second >= moves) return false;
    std::vector<int> theirs = fiveCells(them);
    std::vector<int> tries;
    if (theirs.size() > 1) return false;
    if (theirs.size() == 1) {
        tries = theirs; // forced; it must threaten in turn, or the defender is free
    } else {
        // Two cells of five next move cannot both be taken.
        if (threatensTwoFives(me)) return true;
        for (int c = 0; c < kSize * kSize; ++c)
            if (grid_[c] == 0 && mostOnALine(c, me) >= 2 &&
                (threes ? isThreat(c, me) : makesFour(c, me)))
                tries.push_back(c);
    }
    for (int c : tries) {
        place(c, me);
        bool fourMade = fivesMadeBy(c, me) > 0 || !fiveCells(me).empty();
        bool win = (threes || fourMade) && defend(moves - 1, threes);
        lift(c, me);
        if (win) return true;
    }
    failed_[hash_] = moves;
    return false;
}

// The defender to move after an attacker stone; every answer must lose.
bool ExhaustiveCheck::defend(int moves, bool threes) {
    int me = 3 - attacker_, them = attacker_;
    if (!fiveCells(me).empty()) return false;
    std::vector<int> fives = fiveCells(them);
    if (fives.size() > 1) return moves >= 1;
    std::optional<std::vector<int>> answers = fives;
    if (fives.empty()) {
        if (!threes || moves < 2) return false;
        answers = answersToThree();
        if (!answers) return false;
    }
    for (int c : *answers) {
        place(c, me);
        bool lost = attack(moves, threes);
        lift(c, me);
        if (!lost) return false;
    }
    return true;
}

bool ExhaustiveCheck::confirmsWin(int moves, bool threes, const Strategy& strategy) {
    failed_.clear();
    return confirmAttack(moves, threes, strategy);
}

std::vector<int> ExhaustiveCheck::board() const {
    std::vector<int> cells(kSize * kSize);
    for (int c = 0; c < kSize * kSize; ++c)
        cells[c] = grid_[c] - 1;
    return cells;
}

bool ExhaustiveCheck::confirmAttack(int moves, bool threes, const Strategy& strategy) {
    int me = attacker_, them = 3 - attacker_;
    if (moves <= 0) return false;
    if (!fiveCells(me).empty()) return true;
    if (moves == 1) return false;
    std::vector<int> theirs = fiveCells(them);
    if (theirs.size() > 1) return false;
    int c = theirs.empty() ? -1 : theirs[0];
    if (c < 0) {
        if (threatensTwoFives(me)) return true;
        c = strategy(board(), moves);
        if (c < 0 || c >= kSize * kSize || grid_[c] != 0 || !isThreat(c, me)) return false;
    }
    place(c, me);
    bool fourMade = !fiveCells(me).empty();
    bool win = (threes || fourMade) && confirmDefence(moves - 1, threes, strategy);
    lift(c, me);
    return win;
}

// A defender stone on `cell` leaves one of the attacker's double fives, and no five of
// its own: the attacker plays that double five and the defender blocks only one. A
// stone makes no four without three of its side near on a line, and it leaves a double
// five standing when it is not within four steps of it on a line.
bool ExhaustiveCheck::losesAtOnce(int cell, const std::vector<int>& doubleFives) {
    int me = 3 - attacker_, them = attacker_;
    if (mostOnALine(cell, me) >= 3 && makesFour(cell, me)) return false;
    auto far = [cell](int g) { return !onALineWithin4(cell, g); };
    if (std::any_of(doubleFives.begin(), doubleFives.end(), far)) return true;
    place(cell, me);
    bool standing = false;
    for (std::size_t i = 0; !standing && i < doubleFives.size(); ++i) {
        int g = doubleFives[i];
        if (grid_[g] != 0) continue;
        place(g, them);
        standing = fivesMadeBy(g, them) >= 2;
        lift(g, them);
    }
    lift(cell, me);
    return standing;
}

// The defender's answers to a three, after which the attacker has two or more stones
// left: every empty cell but those that lose at once. Nothing when the attacker has no
// double five to answer.
std::optional<std::vector<int>> ExhaustiveCheck::answersToThree() {
    std::vector<int> doubleFives, answers;
    for (int c = 0; c < kSize * kSize; ++c) {
        if (grid_[c] != 0 || mostOnALine(c, attacker_) < 3) continue;
        place(c, attacker_);
        if (fivesMadeBy(c, attacker_) >= 2) doubleFives.push_back(c);
        lift(c, attacker_);
    }
    if (doubleFives.empty()) return std::nullopt;
    for (int c = 0; c < kSize * kSize; ++c)
        if (grid_[c] == 0 && !losesAtOnce(c, doubleFives)) answers.push_back(c);
    return answers;
}

bool ExhaustiveCheck::confirmDefence(int moves, bool threes, const Strategy& strategy) {
    int me = 3 - attacker_, them = attacker_;
    if (!fiveCells(me).empty()) return false;
    std::vector<int> fives = fiveCells(them);
    if (fives.size() > 1) return moves >= 1;
    std::optional<std::vector<int>> answers = fives;
    if (fives.empty()) {
        if (!threes || moves < 2) return false;
        answers = answersToThree();
        if (!answers) return false;
    }
    for (int c : *answers) {
        place(c, me);
        bool lost = confirmAttack(moves, threes, strategy);
        lift(c, me);
        if (!lost) return false;
    }
    return true;
}
