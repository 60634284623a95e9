#include "AnyStoneCheck.h"

#include <algorithm>

// Why each shortcut keeps the search exact. "Wins within n" counts the attacker's stones,
// forced blocks included; the game is free-style, so a stone never hurts its own side.
//
// (1) A stone of the defender never helps the attacker: if the attacker wins within n
//     from a position with an extra defender stone, it wins within n without it. (Play
//     the same strategy; should the defender take the cell of the extra stone, pretend it
//     took some other empty cell instead: a reply the strategy already answers, after
//     which the real position again has one defender stone fewer. The attacker's fives
//     are the same, and every five of the defender's would have come first in the
//     pretended game.)
// (2) Hence a quiet stone (no cell of five, no double five) is answered by a free reply:
//     if the attacker, moving again at once, has no win in the stones left, no reply
//     gives it one, and the stone loses (defend, answerQuiet).
// (3) Within 3 stones only fours and threes win: after a quiet stone the defender may
//     play a cell that makes no four of its own, and with 2 stones left the attacker
//     needs a double five, which no defender stone creates. The same holds for the
//     answers: after a three, a reply that leaves a double five standing and makes no
//     four of the defender's loses to it at once.
//
// Every other stone and reply is tried: the replies that refuted a quiet stone lately
// first, since one often refutes the next as well.

namespace {

constexpr int kUnknown = -1;

} // namespace

AnyStoneCheck::AnyStoneCheck(const std::vector<int>& stones)
    : grid_(gridOf(stones)), attacker_(grid_.sideToMove()), defender_(1 - attacker_),
      table_(kTableBits) {}

bool AnyStoneCheck::winsWithin(int stones) {
    return attack(stones);
}

int AnyStoneCheck::shortest(int most) {
    for (int n = 1; n <= most; ++n)
        if (attack(n)) return n;
    return 0;
}

int AnyStoneCheck::fiveCellOf(int side) const {
    for (int c = 0; c < LineGrid::kCells; ++c)
        if (grid_.isEmpty(c) && grid_.makesFive(c, side)) return c;
    return kUnknown;
}

bool AnyStoneCheck::hasDoubleFive(int side) const {
    int fives[2];
    for (int c = 0; c < LineGrid::kCells; ++c)
        if (grid_.isEmpty(c) && grid_.roads(c, side, 3) >= 2 &&
            grid_.fivesMadeBy(c, side, fives, 2) >= 2)
            return true;
    return false;
}

// The attacker to move, with `stones` left for the five.
bool AnyStoneCheck::attack(int stones) {
    if (stones <= 0) return false;
    if (grid_.hasFiveCell(attacker_)) return true;
    if (stones <= 1) return false;
    int theirs = grid_.fiveCellCount(defender_);
    if (theirs >= 2) return false;
    if (theirs == 1) {
        int block = fiveCellOf(defender_);
        grid_.place(block, attacker_);
        bool win = defend(stones - 1);
        grid_.lift(block);
        return win;
    }
    if (hasDoubleFive(attacker_)) return true;
    if (stones == 2) return false;
    Bounds b = known(true);
    if (b.winsWith <= stones) return true;
    if (b.failsWith >= stones) return false;
    if (stones == 3) return remember(true, stones, winsInThree());
    return remember(true, stones, attackMoves(stones));
}

// The double fives of the attacker's that the stone on `cell` takes part in; with none
// before it, these are all there are.
std::vector<AnyStoneCheck::DoubleFive> AnyStoneCheck::doubleFivesThrough(int cell) const {
    std::vector<DoubleFive> found;
    DoubleFive d;
    for (int w : LineGrid::windowsThrough(cell)) {
        if (grid_.inWindow(w, attacker_) != 3 || grid_.inWindow(w, defender_) != 0) continue;
        for (int g : LineGrid::windowCells(w)) {
            if (!grid_.isEmpty(g) || grid_.roads(g, attacker_, 3) < 2) continue;
            if (std::any_of(found.begin(), found.end(),
                            [g](const DoubleFive& f) { return f.cell == g; }))
                continue;
            d.cell = g;
            d.count = grid_.fivesMadeBy(g, attacker_, d.fives, 4);
            if (d.count >= 2) found.push_back(d);
        }
    }
    return found;
}

// The attacker to move with 3 stones, neither side with a cell of five, the attacker
// with no double five: a four whose block leaves a double five, or a three that no reply
// stops. Only fours and threes win within 3 stones (3).
bool AnyStoneCheck::winsInThree() {
    for (int c = 0; c < LineGrid::kCells; ++c) {
        if (!grid_.isEmpty(c)) continue;
        bool win = false;
        if (grid_.makesFour(c, attacker_)) {
            grid_.place(c, attacker_);
            int block = fiveCellThrough(c);
            grid_.place(block, defender_);
            win = twoAfterBlock(c);
            grid_.lift(block);
            grid_.lift(c);
        } else if (grid_.roads(c, attacker_, 2) > 0 && leavesDoubleFive(c)) {
            grid_.place(c, attacker_);
            std::vector<DoubleFive> threats = doubleFivesThrough(c);
            win = !threats.empty() && unstoppable(threats);
            grid_.lift(c);
        }
        if (win) return true;
    }
    return false;
}

// The attacker to move with 2 stones after its four on `four` was blocked: a double
// five (one through the four's stone: there was none before), or the block of the
// defender's new four leaves two cells of five.
bool AnyStoneCheck::twoAfterBlock(int four) {
    int theirs = grid_.fiveCellCount(defender_);
    if (theirs >= 2) return false;
    if (theirs == 1) return blockLeavesTwoFives();
    return !doubleFivesThrough(four).empty();
}

// The defender has one cell of five: the attacker's block there leaves it two of its own.
bool AnyStoneCheck::blockLeavesTwoFives() {
    int block = fiveCellOf(defender_);
    grid_.place(block, attacker_);
    bool two = grid_.fiveCellCount(attacker_) >= 2;
    grid_.lift(block);
    return two;
}

// The attacker's double fives, with 2 stones left: every reply that stops them all makes
// a four of the defender's, and the attacker's block of each four of the defender's
// leaves two cells of five. Any other reply loses at once.
bool AnyStoneCheck::unstoppable(const std::vector<DoubleFive>& threats) {
    for (int c : stoppers(threats))
        if (!grid_.makesFour(c, defender_)) return false;
    for (int c = 0; c < LineGrid::kCells; ++c) {
        if (!grid_.isEmpty(c) || !grid_.makesFour(c, defender_)) continue;
        grid_.place(c, defender_);
        bool lost = grid_.fiveCellCount(defender_) == 1 && blockLeavesTwoFives();
        grid_.lift(c);
        if (!lost) return false;
    }
    return true;
}

// Fours, then threes, then (with 4 stones or more) every other stone.
bool AnyStoneCheck::attackMoves(int stones) {
    std::vector<int> threes;
    for (int c = 0; c < LineGrid::kCells; ++c) {
        if (!grid_.isEmpty(c)) continue;
        if (grid_.makesFour(c, attacker_)) {
            grid_.place(c, attacker_);
            bool win = defend(stones - 1);
            grid_.lift(c);
            if (win) return true;
        } else if (grid_.roads(c, attacker_, 2) > 0 && leavesDoubleFive(c)) {
            threes.push_back(c);
        }
    }
    for (int c : threes) {
        grid_.place(c, attacker_);
        bool win = defend(stones - 1);
        grid_.lift(c);
        if (win) return true;
    }
    for (int c = 0; c < LineGrid::kCells; ++c) {
        if (!grid_.isEmpty(c) || grid_.makesFour(c, attacker_) ||
            std::count(threes.begin(), threes.end(), c))
            continue;
        grid_.place(c, attacker_);
        bool win = defend(stones - 1);
        grid_.lift(c);
        if (win) return true;
    }
    return false;
}

// The defender to move after an attacker stone; the attacker wins only if every reply
// loses within `stones`.
bool AnyStoneCheck::defend(int stones) {
    if (grid_.hasFiveCell(defender_)) return false;
    int mine = grid_.fiveCellCount(attacker_);
    if (mine >= 2) return true;
    if (mine == 1) {
        int block = fiveCellOf(attacker_);
        grid_.place(block, defender_);
        bool win = attack(stones);
        grid_.lift(block);
        return win;
    }
    if (stones <= 1) return false;
    bool three = hasDoubleFive(attacker_);
    if (!three && stones <= 2) return false;
    Bounds b = known(false);
    if (b.winsWith <= stones) return true;
    if (b.failsWith >= stones) return false;
    return remember(false, stones, three ? answerThree(stones) : answerQuiet(stones));
}

bool AnyStoneCheck::answerThree(int stones) {
    for (int c : replies())
        if (refutes(c, stones)) return false;
    return true;
}

bool AnyStoneCheck::answerQuiet(int stones) {
    if (!attack(stones)) return false;
    std::vector<int> tried;
    for (int c : std::vector<int>(killers_))
        if (grid_.isEmpty(c)) {
            if (refutes(c, stones)) return false;
            tried.push_back(c);
        }
    for (int c = 0; c < LineGrid::kCells; ++c)
        if (grid_.isEmpty(c) && !std::count(tried.begin(), tried.end(), c) && refutes(c, stones))
            return false;
    return true;
}

bool AnyStoneCheck::refutes(int reply, int stones) {
    grid_.place(reply, defender_);
    bool win = attack(stones);
    grid_.lift(reply);
    if (!win && std::find(killers_.begin(), killers_.end(), reply) == killers_.end()) {
        killers_.insert(killers_.begin(), reply);
        if (killers_.size() > 8) killers_.pop_back();
    }
    return !win;
}

// The attacker's stone on the empty `cell` would leave a double five (the attacker has
// none now): the new one lies in a window through the stone that it fills to three.
bool AnyStoneCheck::leavesDoubleFive(int cell) const {
    for (int w : LineGrid::windowsThrough(cell)) {
        if (grid_.inWindow(w, attacker_) != 2 || grid_.inWindow(w, defender_) != 0) continue;
        for (int g : LineGrid::windowCells(w))
            if (g != cell && grid_.isEmpty(g) && fivesWith(g, cell) >= 2) return true;
    }
    return false;
}

// The cells of five that the attacker's stone on `g` would leave once its stone on `cell`
// stands too (both empty now), at most two of them.
int AnyStoneCheck::fivesWith(int g, int cell) const {
    int first = kUnknown;
    for (int w : LineGrid::windowsThrough(g)) {
        int mine = grid_.inWindow(w, attacker_);
        if (grid_.inWindow(w, defender_) != 0 || mine < 2 || mine > 3) continue;
        const auto& cells = LineGrid::windowCells(w);
        bool withCell = std::find(cells.begin(), cells.end(), cell) != cells.end();
        if (mine + withCell != 3) continue;
        for (int e : cells)
            if (e != g && e != cell && grid_.isEmpty(e)) {
                if (first != kUnknown && e != first) return 2;
                first = e;
            }
    }
    return first == kUnknown ? 0 : 1;
}

// The attacker's cell of five in a window through its stone on `cell`.
int AnyStoneCheck::fiveCellThrough(int cell) const {
    for (int w : LineGrid::windowsThrough(cell))
        if (grid_.inWindow(w, attacker_) == 4 && grid_.inWindow(w, defender_) == 0)
            for (int e : LineGrid::windowCells(w))
                if (grid_.isEmpty(e)) return e;
    return kUnknown;
}

// The defender's replies to a double five that do not lose to it at once: those after
// which no double five is left, then the defender's fours.
std::vector<int> AnyStoneCheck::replies() const {
    std::vector<int> answers = stoppers(doubleFives());
    for (int c = 0; c < LineGrid::kCells; ++c)
        if (grid_.isEmpty(c) && grid_.makesFour(c, defender_) &&
            !std::count(answers.begin(), answers.end(), c))
            answers.push_back(c);
    return answers;
}

std::vector<AnyStoneCheck::DoubleFive> AnyStoneCheck::doubleFives() const {
    std::vector<DoubleFive> found;
    DoubleFive d;
    for (int g = 0; g < LineGrid::kCells; ++g) {
        if (!grid_.isEmpty(g) || grid_.roads(g, attacker_, 3) < 2) continue;
        d.cell = g;
        d.count = grid_.fivesMadeBy(g, attacker_, d.fives, 4);
        if (d.count >= 2) found.push_back(d);
    }
    return found;
}

// The cells whose stone undoes every double five: the double five's own cell, or one of
// its cells of five when it has exactly two.
std::vector<int> AnyStoneCheck::stoppers(const std::vector<DoubleFive>& threats) {
    std::vector<int> stops;
    for (std::size_t i = 0; i < threats.size(); ++i) {
        const DoubleFive& d = threats[i];
        std::vector<int> undo{d.cell};
        if (d.count == 2) undo.insert(undo.end(), d.fives, d.fives + 2);
        if (i == 0)
            stops = undo;
        else
            std::erase_if(stops, [&](int c) { return !std::count(undo.begin(), undo.end(), c); });
    }
    return stops;
}

// The turn is part of the key: after a quiet stone the attacker moves again on the same
// stones. Key 0 marks an empty slot.
std::uint64_t AnyStoneCheck::key(bool attackerToMove) const {
    return (grid_.hash() ^ (attackerToMove ? 0x2545F4914F6CDD1DULL : 0)) | 1;
}

AnyStoneCheck::Bounds AnyStoneCheck::known(bool attackerToMove) const {
    return table_.known(key(attackerToMove));
}

bool AnyStoneCheck::remember(bool attackerToMove, int stones, bool win) {
    return table_.remember(key(attackerToMove), stones, win);
}
