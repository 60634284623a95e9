#include "ShortestWin.h"

#include "ThreatMoves.h"

namespace {

constexpr std::uint64_t kThreatsSalt = 0x9E3779B97F4A7C15ULL;

} // namespace

ShortestWin::ShortestWin(const LineGrid& position, long nodeBudget)
    : grid_(position), attacker_(position.sideToMove()), budget_(nodeBudget), table_(kTableBits) {}

ShortestWin::Answer ShortestWin::winsWithin(Space space, int stones) {
    threes_ = space == Space::kThreats;
    bool win = attack(stones);
    if (exhausted_) return Answer::kUnknown;
    return win ? Answer::kWin : Answer::kNoWin;
}

int ShortestWin::shortestPlies(Space space, int least, int most) {
    for (int n = least; n <= most; ++n) {
        Answer a = winsWithin(space, n);
        if (a == Answer::kUnknown) return -1;
        if (a == Answer::kWin) return 2 * n - 1;
    }
    return 0;
}

bool ShortestWin::spend() {
    if (++nodes_ > budget_) exhausted_ = true;
    return !exhausted_;
}

// Key 0 marks an empty slot.
std::uint64_t ShortestWin::key() const {
    return (grid_.hash() ^ (threes_ ? kThreatsSalt : 0)) | 1;
}

ShortestWin::Bounds ShortestWin::known() const {
    return table_.known(key());
}

bool ShortestWin::remember(int stones, bool win) {
    if (exhausted_) return false;
    return table_.remember(key(), stones, win);
}

// The attacker to move, with `stones` left for the five.
bool ShortestWin::attack(int stones) {
    int me = attacker_, them = 1 - attacker_;
    if (stones <= 0 || exhausted_) return false;
    if (grid_.hasFiveCell(me)) return true;
    if (stones == 1 || !spend()) return false;
    Bounds b = known();
    if (b.winsWith <= stones) return true;
    if (b.failsWith >= stones) return false;
    std::vector<int> theirs = grid_.fiveCells(them);
    if (theirs.size() > 1) return remember(stones, false);
    if (theirs.size() == 1) {
        // Their four comes first; the line goes on only if the block still wins.
        grid_.place(theirs[0], me);
        bool win = defend(stones - 1);
        grid_.lift(theirs[0]);
        return remember(stones, win);
    }
    if (threat::hasDoubleFive(grid_, me)) return remember(stones, true);
    return remember(stones, stones > 2 && attackMove(stones));
}

bool ShortestWin::attackMove(int stones) {
    for (int c : threat::attacks(grid_, attacker_, threes_)) {
        grid_.place(c, attacker_);
        bool win = defend(stones - 1);
        grid_.lift(c);
        if (win) return true;
        if (exhausted_) return false;
    }
    return false;
}

// The defender to move after an attacker stone; the attacker wins only if every answer
// loses within `stones`.
bool ShortestWin::defend(int stones) {
    int me = 1 - attacker_, them = attacker_;
    if (stones <= 0 || exhausted_) return false;
    if (grid_.hasFiveCell(me)) return false;
    std::vector<int> fives = grid_.fiveCells(them);
    if (fives.size() > 1) return true;
    if (fives.size() == 1) {
        grid_.place(fives[0], me);
        bool win = attack(stones);
        grid_.lift(fives[0]);
        return win;
    }
    if (!threes_ || stones < 2 || !spend()) return false;
    Bounds b = known();
    if (b.winsWith <= stones) return true;
    if (b.failsWith >= stones) return false;
    return remember(stones, answerThree(stones));
}

bool ShortestWin::answerThree(int stones) {
    if (!threat::hasDoubleFive(grid_, attacker_)) return false;
    for (int c : threat::defences(grid_, attacker_)) {
        grid_.place(c, 1 - attacker_);
        bool win = attack(stones);
        grid_.lift(c);
        if (!win) return false;
    }
    return true;
}

// The fewest attacker stones that win from here, known to be at most `most`.
int ShortestWin::exactAttack(int most) {
    for (int n = 1; n < most; ++n)
        if (attack(n)) return n;
    return most;
}

// A stone of the attacker that wins within `stones`, or -1.
int ShortestWin::winningMove(int stones) {
    std::vector<int> five = grid_.fiveCells(attacker_);
    if (!five.empty()) return five[0];
    std::vector<int> theirs = grid_.fiveCells(1 - attacker_);
    std::vector<int> tries = theirs.empty() ? threat::attacks(grid_, attacker_, threes_) : theirs;
    for (int c : tries) {
        grid_.place(c, attacker_);
        bool win = defend(stones - 1);
        grid_.lift(c);
        if (win) return c;
    }
    return -1;
}

// The defender's answer that holds out longest against a win within `stones` (the
// fewest, so some answer lasts that long); `stones` becomes what the attacker needs
// after it.
int ShortestWin::longestAnswer(int& stones) {
    std::vector<int> fives = grid_.fiveCells(attacker_);
    std::vector<int> answers = fives.empty() ? threat::defences(grid_, attacker_) : fives;
    int best = -1, longest = 0;
    for (int c : answers) {
        grid_.place(c, 1 - attacker_);
        int need = fives.size() > 1 ? 1 : exactAttack(stones);
        grid_.lift(c);
        if (need > longest) best = c, longest = need;
    }
    // With no answer that stops every double five, any stone loses to one in two: take
    // the first.
    if (longest < 2 && fives.empty()) {
        best = threat::doubleFives(grid_, attacker_)[0].cell;
        longest = 2;
    }
    stones = longest;
    return best;
}

int ShortestWin::winningMoveFrom(const LineGrid& position, Space space, int stones) {
    threes_ = space == Space::kThreats;
    grid_ = position;
    int move = winningMove(stones);
    return exhausted_ ? -1 : move;
}

std::vector<int> ShortestWin::line(Space space, int stones) {
    threes_ = space == Space::kThreats;
    const LineGrid start = grid_;
    std::vector<int> moves;
    bool five = false;
    while (!five && !exhausted_) {
        int move = winningMove(stones);
        if (move < 0) break;
        moves.push_back(move);
        five = grid_.makesFive(move, attacker_);
        if (five) break;
        grid_.place(move, attacker_);
        --stones;
        int answer = longestAnswer(stones);
        moves.push_back(answer);
        grid_.place(answer, 1 - attacker_);
    }
    grid_ = start;
    return five && !exhausted_ ? moves : std::vector<int>{};
}
