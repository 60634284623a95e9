#include "vesk/ProofSearch.h"

#include "vesk/Defence.h"
#include "vesk/WinningLine.h"

#include <algorithm>
#include <array>

namespace vesk {

namespace {

constexpr std::uint32_t kInfinite = 1u << 30;
constexpr std::uint64_t kFoursSalt = 0x3C6EF372FE94F82BULL;
constexpr std::uint64_t kThreatsSalt = 0xA54FF53A5F1D36F1ULL;
constexpr long kClockInterval = 256;
constexpr int kMostLinePlies = kSize * kSize;
constexpr std::uint64_t kSettledWorth = 1 << 20;
// The guessed proof number of an open three not yet searched.
constexpr std::uint32_t kThreeAnswers = 1;

std::uint32_t capped(std::uint64_t n) {
    return static_cast<std::uint32_t>(std::min<std::uint64_t>(n, kInfinite));
}

// A child's threshold reaches a little past the second-best sibling, so that the search
// does not switch back and forth between two nearly equal children.
std::uint32_t pastSecond(std::uint32_t second) {
    return capped(std::uint64_t{second} + second / 4 + 1);
}

} // namespace

ProofSearch::ProofSearch(int tableBits)
    : table_(std::size_t{1} << tableBits),
      mask_((std::uint64_t{1} << tableBits) / kBucketSize - 1) {}

void ProofSearch::clear() {
    std::fill(table_.begin(), table_.end(), Entry{});
}

// A position's key names the question too: which colour attacks, with which threats.
std::uint64_t ProofSearch::keyOf(std::uint64_t hash) const {
    std::uint64_t salt = limits_.foursOnly ? kFoursSalt : kThreatsSalt;
    return hash ^ (attacker_ == kBlack ? salt : ~salt);
}

bool ProofSearch::lookup(std::uint64_t key, Numbers& n) const {
    const Entry* bucket = &table_[(key & mask_) * kBucketSize];
    for (int i = 0; i < kBucketSize; ++i)
        if (bucket[i].key == key) {
            n = {bucket[i].proof, bucket[i].disproof, bucket[i].plies};
            return true;
        }
    return false;
}

// Into the key's own entry, or else over the bucket's entry that cost least to learn,
// an unsettled one before a proof or disproof, which later lines are read from.
void ProofSearch::store(std::uint64_t key, const Numbers& n, std::uint32_t work) {
    Entry* bucket = &table_[(key & mask_) * kBucketSize];
    Entry* victim = bucket;
    auto worth = [](const Entry& e) {
        bool settled = e.proof == 0 || e.disproof == 0;
        return e.key == 0 ? 0 : e.work + (settled ? kSettledWorth : 0) + 1;
    };
    for (int i = 0; i < kBucketSize; ++i) {
        if (bucket[i].key == key) {
            victim = &bucket[i];
            break;
        }
        if (worth(bucket[i]) < worth(*victim)) victim = &bucket[i];
    }
    *victim = {key, n.proof, n.disproof, work, static_cast<std::uint16_t>(n.plies)};
}

bool ProofSearch::outOfBudget() {
    if (exhausted_) return true;
    if (nodes_ >= limits_.nodes) exhausted_ = true;
    if (limits_.stop && limits_.stop->load(std::memory_order_relaxed)) exhausted_ = true;
    if (limits_.time && ++checks_ % kClockInterval == 0 &&
        limits_.time->elapsedMs() >= limits_.untilMs)
        exhausted_ = true;
    return exhausted_;
}

// A position decided without a move: proved (plies to the five) or disproved.
bool ProofSearch::terminal(const Board& b, bool attacker, Numbers& result) const {
    Color me = b.sideToMove();
    Color them = opposite(me);
    auto proved = [&](int plies) { return result = {0, kInfinite, plies}, true; };
    auto disproved = [&] { return result = {kInfinite, 0, 0}, true; };
    if (b.hasFivePoint(me)) return attacker ? proved(1) : disproved();
    if (b.hasFivePoint(them)) {
        if (countFivePoints(b, them) > 1) return attacker ? disproved() : proved(2);
        return false; // the block is the one move
    }
    if (b.hasFlex4Point(me)) return attacker ? proved(3) : disproved();
    if (!attacker && !b.hasFlex4Point(them)) return disproved(); // no threat: a free move
    return false;
}

void ProofSearch::listMoves(const Board& b, bool attacker, MoveList& moves) const {
    Color me = b.sideToMove();
    Color them = opposite(me);
    if (b.hasFivePoint(them)) {
        moves.push_back(b.points(them, kFivePoint).first());
        return;
    }
    if (attacker) {
        CellSet threats = b.points(me, kFourPoint);
        if (!limits_.foursOnly) threats |= b.points(me, kThreePoint);
        threats.forEach([&](Pos p) { moves.push_back(p); });
    } else {
        addDefences(b, moves);
        b.points(me, kFourPoint).forEach([&](Pos p) {
            if (!moves.contains(p)) moves.push_back(p);
        });
    }
    // The likeliest first: the search tries equal numbers in this order.
    std::stable_sort(moves.begin(), moves.end(),
                     [&](Pos x, Pos y) { return b.orderScore(x) > b.orderScore(y); });
}

// The child's numbers from the table; one not yet searched is guessed: a four leaves
// the defender one answer, an open three a few.
ProofSearch::Numbers ProofSearch::child(const Board& b, Pos move) const {
    Numbers n;
    if (lookup(keyOf(b.hash() ^ zobrist(move, b.sideToMove())), n)) return n;
    Pattern4 p4 = b.pattern4(move, b.sideToMove());
    if (b.sideToMove() == attacker_ && p4 < kBlock4One) n.proof = kThreeAnswers;
    return n;
}

void ProofSearch::search(Board& b, bool attacker, std::uint32_t proofLimit,
                         std::uint32_t disproofLimit) {
    std::uint64_t key = keyOf(b.hash());
    long firstNode = nodes_;
    Numbers node;
    if (terminal(b, attacker, node)) {
        store(key, node, 0);
        return;
    }
    MoveList moves;
    listMoves(b, attacker, moves);
    if (moves.empty()) {
        // The attacker has no threat left; the defender has no answer.
        node = attacker ? Numbers{kInfinite, 0, 0} : Numbers{0, kInfinite, 4};
        store(key, node, 0);
        return;
    }
    // The children's numbers, read once; after each search of a child, its own again.
    std::array<Numbers, kSize * kSize> children;
    for (int i = 0; i < moves.size(); ++i)
        children[i] = child(b, moves[i]);
    for (;;) {
        // The node's numbers from its children's: an attacker's node is proved by one
        // child, a defender's by all.
        std::uint64_t sum = 0;
        std::uint32_t best = kInfinite, second = kInfinite;
        int bestIndex = 0;
        int plies = attacker ? 1 << 15 : 0;
        for (int i = 0; i < moves.size(); ++i) {
            const Numbers& c = children[i];
            std::uint32_t own = attacker ? c.proof : c.disproof;
            sum += attacker ? c.disproof : c.proof;
            if (own < best)
                second = best, best = own, bestIndex = i;
            else if (own < second)
                second = own;
            if (c.proof == 0)
                plies = attacker ? std::min(plies, c.plies + 1) : std::max(plies, c.plies + 1);
        }
        node = attacker ? Numbers{best, capped(sum), 0} : Numbers{capped(sum), best, 0};
        if (node.proof == 0) node.plies = plies;
        if (node.proof >= proofLimit || node.disproof >= disproofLimit || node.proof == 0 ||
            node.disproof == 0 || outOfBudget())
            break;
        const Numbers& c = children[bestIndex];
        std::uint32_t childProof, childDisproof;
        if (attacker) {
            childProof = std::min(proofLimit, pastSecond(second));
            childDisproof = capped(std::uint64_t{disproofLimit} - node.disproof + c.disproof);
        } else {
            childDisproof = std::min(disproofLimit, pastSecond(second));
            childProof = capped(std::uint64_t{proofLimit} - node.proof + c.proof);
        }
        b.play(moves[bestIndex]);
        ++nodes_;
        ++totalNodes_;
        search(b, !attacker, childProof, childDisproof);
        b.undo();
        children[bestIndex] = child(b, moves[bestIndex]);
    }
    store(key, node, capped(static_cast<std::uint64_t>(nodes_ - firstNode)));
}

ProofSearch::Numbers ProofSearch::searchRoot(Board& b, bool attacker, const Limits& limits) {
    limits_ = limits;
    attacker_ = attacker ? b.sideToMove() : opposite(b.sideToMove());
    nodes_ = 0;
    exhausted_ = false;
    search(b, attacker, kInfinite, kInfinite);
    Numbers root;
    bool known = lookup(keyOf(b.hash()), root);
    disproved_ = known && root.disproof == 0;
    return known ? root : Numbers{};
}

int ProofSearch::solve(Board& b, const Limits& limits, std::vector<Pos>* line) {
    if (line) line->clear();
    if (searchRoot(b, true, limits).proof != 0) return 0;
    // The line's own length: the table's count of plies may come from another tree.
    std::vector<Pos> own;
    if (!line) line = &own;
    exhausted_ = false;
    nodes_ = 0;
    extractLine(b, true, *line, false);
    return playOutToFive(b, *line, kMostLinePlies);
}

bool ProofSearch::provesLoss(Board& b, const Limits& limits) {
    return searchRoot(b, false, limits).proof == 0;
}

// The proved children: the attacker's quickest, the defender's slowest, until the table
// runs out; the caller plays out the forced rest.
void ProofSearch::extractLine(Board& b, bool attacker, std::vector<Pos>& line, bool relearned) {
    Numbers node;
    MoveList moves;
    if (!terminal(b, attacker, node)) listMoves(b, attacker, moves);
    Pos chosen = kNoPos;
    int chosenPlies = 0;
    for (Pos move : moves) {
        Numbers c;
        if (!lookup(keyOf(b.hash() ^ zobrist(move, b.sideToMove())), c)) {
            // Decided children cost nothing to learn and are the first the table gives up.
            TrialStone stone(b, move);
            if (!terminal(b, !attacker, c)) continue;
        }
        if (c.proof != 0) continue;
        if (chosen == kNoPos || (attacker ? c.plies < chosenPlies : c.plies > chosenPlies))
            chosen = move, chosenPlies = c.plies;
    }
    if (chosen == kNoPos && attacker && !relearned && !moves.empty()) {
        // The proof's children have left the table: learn them again.
        search(b, true, kInfinite, kInfinite);
        return extractLine(b, attacker, line, true);
    }
    if (chosen == kNoPos) return;
    line.push_back(chosen);
    b.play(chosen);
    extractLine(b, !attacker, line, false);
    b.undo();
}

} // namespace vesk
