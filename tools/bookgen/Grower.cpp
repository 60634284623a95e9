#include "Grower.h"

#include "Budgets.h"

#include "opponents/Turns.h"
#include "playbooks/BookRows.h"
#include "rules/Placement.h"

#include <algorithm>
#include <cstdlib>
#include <set>

namespace bookgen {

using wuzi::Cell;
using namespace wuzi::book;

namespace {

constexpr int kEntriesPerNode = 3;           // stones a node lists at least, when it has them
constexpr int kCandidates = 16;              // stones ranked per node
constexpr std::size_t kRepliesKept = 8;      // replies kept per stone, best first
constexpr std::size_t kRepliesExamined = 16; // of the advisor's, at the most

Point pointOf(Cell c) {
    return toPoint(c);
}

// The player's stone as PlayerPlace puts it down, without handing the turn on.
void placePlayer(BookGame& g, Cell c) {
    g.setCell(c.x, c.y, wuzi::kPlayer);
    g.playerStones.push_back(c);
    ++g.PlayerMoveNo;
    g.PlayerTurn = false;
    wuzi::CheckWin(g, wuzi::kPlayer, c.x, c.y);
}

bool onLattice(int mode, bool flip, Cell c) {
    int v = mode == 8 ? (flip ? 2 * c.y - c.x : 2 * c.x - c.y - 2)
                      : (flip ? 2 * c.y - c.x - 3 : 2 * c.x - c.y - 3);
    return v % 5 == 0;
}

} // namespace

struct Grower::Plan {
    Node* node = nullptr;
    const Budget* budget = nullptr;
    std::vector<const Row*> listed;
    bool grows = false; // the generator adds rows here
    int entries = 0;    // stones the node answers
    int continuing = 0; // of them, those that lead on to the next move
    bool ranked = false;
    std::vector<Candidate> candidates;

    int line() const { return node->key.line; }
    int move() const { return node->key.move; }
};

Board canonicalBoard(const BookGame& g, const Book& book) {
    Board b;
    auto put = [&](const std::vector<Cell>& stones, Stone s) {
        for (Cell stone : stones) {
            Cell c = book.toCanonical(g, stone);
            if (wuzi::onBoard(c)) b.place(indexOf(c.x, c.y), s);
        }
    };
    put(g.compStones, kComp);
    put(g.playerStones, kPlayer);
    return b;
}

int Grower::treeIndex(const Tree* tree) const {
    for (std::size_t k = 0; k < book_.trees.size(); ++k)
        if (book_.trees[k] == tree) return static_cast<int>(k);
    return -1;
}

// Nodes that do not test the line share one key.
int Grower::keyLine(int tree, int move, int line) const {
    const Tree* t = book_.trees[static_cast<std::size_t>(tree)];
    if (const Budget* b = budgetOf(t->grown); b && b->at(move)) return b->at(move)->any ? 0 : line;
    for (const Row& r : t->listed)
        if (r.move == move && r.line == kAnyLine) return 0;
    return line;
}

void Grower::enqueue(const BookGame& g) {
    const Tree* tree = book_.treeFor(g);
    if (!tree) return;
    int t = treeIndex(tree);
    pending_[{t, g.BookMoveNo, keyLine(t, g.BookMoveNo, g.BookLine)}].push_back(g);
}

Grower::Outcome Grower::simulate(const std::vector<BookGame>& frames, const Row& row,
                                 Cell stone) const {
    Outcome out;
    for (const BookGame& f : frames) {
        if (!AtNode(row, f.BookMoveNo, f.BookLine, f.BookCoin)) continue;
        Cell real = book_.toReal(f, stone);
        if (!f.isEmpty(real) || OpeningRowFor(f, book_, real)) continue;
        BookGame g = f;
        placePlayer(g, real);
        if (!g.GameActive || ForcedMovePlayed(g, book_)) continue;
        out.reached = true;
        int before = g.BookMoveNo;
        PerformRow(g, book_, row, real, true, wuzi::CompChoose);
        if (g.BookMoveNo == before) continue; // handed over
        out.played = true;
        if (g.*book_.flag && g.GameActive) out.children.push_back(g);
    }
    return out;
}

void Grower::grow(const std::vector<BookGame>& openings) {
    for (const BookGame& g : openings)
        enqueue(g);
    while (!pending_.empty()) {
        int move = std::min_element(pending_.begin(), pending_.end(), [](auto& a, auto& b) {
                       return a.first.move < b.first.move;
                   })->first.move;
        std::vector<Node> level;
        for (auto it = pending_.begin(); it != pending_.end();) {
            if (it->first.move != move) {
                ++it;
                continue;
            }
            level.push_back({it->first, std::move(it->second)});
            it = pending_.erase(it);
        }
        growLevel(level);
    }
    report();
}

void Grower::growLevel(std::vector<Node>& level) {
    std::vector<Plan> plans;
    for (Node& node : level) {
        ++reached_[{node.key.tree, node.key.move}];
        Plan plan;
        plan.node = &node;
        const Tree* tree = book_.trees[static_cast<std::size_t>(node.key.tree)];
        plan.budget = budgetOf(tree->grown);
        bool hasDefault = false;
        for (const Row& r : tree->listed)
            if (r.move == node.key.move && (r.line == kAnyLine || r.line == node.key.line)) {
                plan.listed.push_back(&r);
                hasDefault = hasDefault || r.stones.isDefault();
            }
        plan.grows = plan.budget && plan.budget->at(node.key.move) && !hasDefault;
        playListedRows(plan);
        plans.push_back(std::move(plan));
    }
    int move = level.front().key.move;
    handOutLines(plans, move);
    for (Plan& plan : plans)
        if (plan.grows) addEndings(plan);
}

void Grower::playListedRows(Plan& plan) {
    for (const Row* r : plan.listed)
        for (int k = 0; k < r->stones.count; ++k) {
            Outcome o = simulate(plan.node->frames, *r, toCell(r->stones.at[k]));
            ++plan.entries;
            plan.continuing += !o.children.empty();
            for (const BookGame& g : o.children)
                enqueue(g);
        }
}

// The player's stones the node may list, best first (their replies come later).
void Grower::rank(Plan& plan) {
    if (plan.ranked) return;
    plan.ranked = true;
    Board b = canonicalBoard(plan.node->frames.front(), book_);
    for (int i : advisor_.stones(b, kPlayer, kCandidates)) {
        Cell stone = cellOf(i);
        bool listed = std::any_of(plan.listed.begin(), plan.listed.end(),
                                  [&](const Row* r) { return r->stones.contains(pointOf(stone)); });
        if (listed) continue;
        Candidate c;
        c.stone = stone;
        plan.candidates.push_back(c);
    }
}

// The advisor's best reply that is free in every game of the node.
// The advisor's replies in the node's first game that are free in every game of the
// node, best first. Where the node's games differ in position, replies that leave the
// player a forced win in one of the others come last.
void Grower::replyFor(const Plan& plan, Candidate& c) {
    if (c.asked) return;
    c.asked = true;
    const std::vector<BookGame>& frames = plan.node->frames;
    Board b = canonicalBoard(frames.front(), book_);
    int stone = indexOf(c.stone.x, c.stone.y);
    std::vector<Board> others;
    for (const BookGame& f : frames) {
        if (!f.isEmpty(book_.toReal(f, c.stone))) continue;
        Board o = canonicalBoard(f, book_);
        bool seen = o.hash() == b.hash() || std::any_of(others.begin(), others.end(), [&](auto& x) {
                        return x.hash() == o.hash();
                    });
        if (seen) continue;
        o.place(stone, kPlayer);
        others.push_back(o);
    }
    TrialStone played(b, stone, kPlayer);
    if (!others.empty()) others.push_back(b); // a reply safe elsewhere must stay safe here
    std::vector<Cell> unsafe;
    std::size_t examined = 0;
    for (int i : advisor_.replies(b, kComp)) {
        Cell reply = cellOf(i);
        bool free =
            reply != c.stone && std::all_of(frames.begin(), frames.end(), [&](auto& f) {
                return !f.isEmpty(book_.toReal(f, c.stone)) || f.isEmpty(book_.toReal(f, reply));
            });
        if (!free) continue;
        bool safe = std::all_of(others.begin(), others.end(), [&](Board& o) {
            return o.empty(i) && advisor_.leavesNoWin(o, i, kComp);
        });
        (safe ? c.replies : unsafe).push_back(reply);
        if (c.replies.size() == kRepliesKept || ++examined == kRepliesExamined) break;
    }
    for (std::size_t k = 0; k < unsafe.size() && c.replies.size() < kRepliesKept; ++k)
        c.replies.push_back(unsafe[k]);
}

Row Grower::rowFor(const Plan& plan, Cell stone, Action action) const {
    return {static_cast<std::int8_t>(plan.move()),
            static_cast<std::int8_t>(plan.line()),
            {pointOf(stone)},
            action};
}

void Grower::commit(Plan& plan, Candidate& c, const Row& row, const Outcome& o) {
    c.used = true;
    ++plan.entries;
    plan.continuing += !o.children.empty();
    for (const BookGame& g : o.children)
        enqueue(g);
    grown_[book_.trees[static_cast<std::size_t>(plan.node->key.tree)]].push_back(row);
}

// Is every hand-written row of node (tree, move, line) the book's answer in at least one
// of these games? A row for every unlisted stone is tried with a far corner.
bool Grower::fitsListedRows(const std::vector<BookGame>& children, int tree, int move,
                            int line) const {
    for (const Row& r : book_.trees[static_cast<std::size_t>(tree)]->listed) {
        if (r.move != move || (r.line != kAnyLine && r.line != line)) continue;
        if (r.stones.isDefault()) {
            bool reached = false;
            for (Cell corner : {Cell{1, 1}, Cell{15, 1}, Cell{1, 15}, Cell{15, 15}})
                reached = reached || simulate(children, r, corner).reached;
            if (!reached) return false;
        }
        for (int k = 0; k < r.stones.count; ++k)
            if (!simulate(children, r, toCell(r.stones.at[k])).played) return false;
    }
    return true;
}

// Continues the line with the node's best unused stone; a line whose node has written
// rows also takes a lesser reply when the best one would not let them answer.
bool Grower::continueWith(Plan& plan, const Then& then, int nextTree, int nextMove, int line,
                          bool mustFit) {
    rank(plan);
    for (Candidate& c : plan.candidates) {
        if (c.used) continue;
        replyFor(plan, c);
        for (std::size_t k = 0; k < c.replies.size() && (k == 0 || mustFit); ++k) {
            Action a = play(c.replies[k].x, c.replies[k].y);
            a.then = then;
            Row row = rowFor(plan, c.stone, a);
            Outcome o = simulate(plan.node->frames, row, c.stone);
            if (o.children.empty()) continue;
            if (mustFit && !fitsListedRows(o.children, nextTree, nextMove, line)) continue;
            commit(plan, c, row, o);
            return true;
        }
    }
    return false;
}

// Hands the lines of the next move to the nodes of this one: lines whose node has
// hand-written rows first, to the best stone that suits them, then the others to the
// nodes with the fewest lines so far.
void Grower::handOutLines(std::vector<Plan>& plans, int move) {
    for (const Budget& budget : budgets()) {
        const MoveLines* next = budget.at(move + 1);
        const Tree* tree = nullptr;
        for (const Tree* t : book_.trees)
            if (t->grown == budget.tree) tree = t;
        if (!next || !tree) continue;
        bool entering = budget.enteredFrom != GrownTree::None && budget.firstMove() == move + 1;
        std::vector<Plan*> sources;
        for (Plan& p : plans) {
            const Tree* from = book_.trees[static_cast<std::size_t>(p.node->key.tree)];
            bool source = entering ? from->grown == budget.enteredFrom : from == tree;
            if (source && p.grows) sources.push_back(&p);
        }
        int t = treeIndex(tree);
        std::set<int> taken; // lines the hand-written rows lead to (or would, on a dead branch)
        for (auto& [key, games] : pending_)
            if (key.tree == t && key.move == move + 1) taken.insert(key.line);
        for (Plan& p : plans)
            for (const Row* r : p.listed)
                for (int line : {int(r->action.then.line), int(r->action.altThen.line)})
                    if (line != kKeep &&
                        book_.trees[static_cast<std::size_t>(p.node->key.tree)] == tree)
                        taken.insert(line);
        std::vector<int> free;
        if (next->any) {
            if (!taken.count(0)) free.push_back(0);
        } else {
            for (int line : next->lines)
                if (!taken.count(line)) free.push_back(line);
        }
        auto thenFor = [&](int line) {
            Then then;
            if (entering) then.subLine = static_cast<std::int8_t>(budget.subLine);
            if (line != 0) then.line = static_cast<std::int8_t>(line);
            return then;
        };
        auto hasListed = [&](int line) {
            for (const Row& r : tree->listed)
                if (r.move == move + 1 && (r.line == kAnyLine || r.line == line)) return true;
            return false;
        };
        std::vector<int> open;
        for (int line : free) {
            if (!hasListed(line)) {
                open.push_back(line);
                continue;
            }
            bool placed = false;
            for (Plan* p : sources)
                if (!placed) placed = continueWith(*p, thenFor(line), t, move + 1, line, true);
            if (!placed)
                log_ << "  " << tree->name << ": no stone at move " << move
                     << " suits the written rows of line " << line << "\n";
        }
        for (int line : open) {
            std::vector<Plan*> order = sources;
            std::stable_sort(order.begin(), order.end(),
                             [](Plan* a, Plan* b) { return a->continuing < b->continuing; });
            bool placed = false;
            for (Plan* p : order)
                if (!placed) placed = continueWith(*p, thenFor(line), t, move + 1, line, false);
        }
    }
}

// Lattice switch for a Marrowick line that ends: to the lattice that holds clearly more
// of the computer's stones, when one does.
Action Grower::ending(const Plan& plan, Cell reply) const {
    Action a = play(reply.x, reply.y).ends();
    int mode = &book_ == &kMarrowickBlackBook ? 9 : &book_ == &kMarrowickWhiteBook ? 8 : 0;
    if (mode == 0) return a;
    const BookGame& g = plan.node->frames.front();
    int on[2] = {0, 0};
    auto count = [&](Cell real) {
        on[0] += onLattice(mode, true, real);
        on[1] += onLattice(mode, false, real);
    };
    for (Cell stone : g.compStones)
        count(stone);
    count(book_.toReal(g, reply));
    if (std::abs(on[0] - on[1]) < 2) return a;
    return a.endsIn(mode, on[0] > on[1]);
}

void Grower::addEndings(Plan& plan) {
    rank(plan);
    for (Candidate& c : plan.candidates) {
        if (plan.entries >= kEntriesPerNode) return;
        if (c.used) continue;
        replyFor(plan, c);
        if (c.replies.empty()) continue;
        Row row = rowFor(plan, c.stone, ending(plan, c.replies.front()));
        Outcome o = simulate(plan.node->frames, row, c.stone);
        if (o.played) commit(plan, c, row, o);
    }
}

std::vector<Row> Grower::rows(const Tree* tree) const {
    auto it = grown_.find(tree);
    if (it == grown_.end()) return {};
    std::vector<Row> out = it->second;
    std::stable_sort(out.begin(), out.end(), [](const Row& a, const Row& b) {
        return a.move != b.move ? a.move < b.move : a.line < b.line;
    });
    return out;
}

void Grower::report() const {
    for (std::size_t t = 0; t < book_.trees.size(); ++t) {
        const Tree* tree = book_.trees[t];
        auto rows = grown_.find(tree);
        if (rows == grown_.end()) continue;
        log_ << tree->name << ": " << rows->second.size() << " rows; nodes by move:";
        for (auto& [key, count] : reached_)
            if (key.first == static_cast<int>(t)) log_ << " " << key.second << ":" << count;
        log_ << "\n";
    }
}

} // namespace bookgen
