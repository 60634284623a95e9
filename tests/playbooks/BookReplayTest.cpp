// Replays every line of every book, stone by stone, through the real game: every row the
// books hold is played from the opening, on every orientation that reaches it.
#include "opponents/Turns.h"
#include "playbooks/Book.h"
#include "rules/Placement.h"
#include "session/GameFlow.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace wuzi::test {
namespace {

using book::Row;

// Cells where a stone of `side` would make five or more.
std::vector<Cell> fivePoints(const BookGame& g, int side) {
    std::vector<Cell> points;
    for (int y = 1; y <= kBoardSize; ++y)
        for (int x = 1; x <= kBoardSize; ++x) {
            if (g.cell(x, y) != kEmpty) continue;
            for (const Direction& d : kDirections) {
                int run = 1;
                for (int sense : {-1, 1})
                    for (int k = 1; k < 5; ++k) {
                        int cx = x + sense * k * d.dx, cy = y + sense * k * d.dy;
                        if (!onBoard(cx, cy) || g.cell(cx, cy) != side) break;
                        ++run;
                    }
                if (run >= 5) {
                    points.push_back({x, y});
                    break;
                }
            }
        }
    return points;
}

bool contains(const std::vector<Cell>& cells, Cell c) {
    return std::find(cells.begin(), cells.end(), c) != cells.end();
}

// A player's stone to try at a node, and the row that lists it (or the node's default).
struct Try {
    Cell real;
    const Row* row;
    bool canonical;
};

// Far corners first: an unlisted stone for a default row that touches nothing.
constexpr Cell kUnlistedCandidates[] = {{1, 1},  {15, 1}, {1, 15},  {15, 15}, {2, 1},
                                        {14, 1}, {1, 14}, {15, 14}, {3, 1},   {13, 15}};

struct Replay {
    explicit Replay(const book::Book& b) : book(b) {}

    const book::Book& book;
    std::set<const Row*> used;
    int takenReplies = 0; // hand-written rows whose reply cell was taken
    int plays = 0;

    bool isGrown(const Row* r) const {
        for (const book::Tree* tree : book.trees) {
            auto rows = book::GrownRows(tree->grown);
            if (!rows.empty() && r >= rows.data() && r < rows.data() + rows.size()) return true;
        }
        return false;
    }

    std::vector<Try> tries(const BookGame& g) const;
    void visit(const BookGame& g, const std::string& path, bool drifted);
    // Whether the book's forced-move step answered the stone instead of its row.
    bool check(const BookGame& before, const BookGame& after, const Try& t, const std::string& path,
               bool drifted);
};

// Every stone that some row of the current node lists, plus one unlisted stone for a
// default row; opening rows first, as the book reads them.
std::vector<Try> Replay::tries(const BookGame& g) const {
    std::vector<Try> out;
    int key = book.openingKey(g);
    auto add = [&](const Row& r, bool canonical, auto toReal) {
        if (r.stones.isDefault()) {
            for (Cell c : kUnlistedCandidates) {
                Cell real = toReal(c);
                if (!g.isEmpty(real)) continue;
                if (!canonical && book::OpeningRowFor(g, book, real) != &r) continue;
                out.push_back({real, &r, canonical});
                return;
            }
            return;
        }
        for (int i = 0; i < r.stones.count; ++i)
            out.push_back({toReal(book::toCell(r.stones.at[i])), &r, canonical});
    };
    auto atNode = [&](const Row& r, int line) {
        return book::AtNode(r, g.BookMoveNo, line, g.BookCoin);
    };
    for (const Row& r : book.opening)
        if (atNode(r, key)) add(r, false, [](Cell c) { return c; });
    if (const book::Tree* tree = book.treeFor(g)) {
        auto toReal = [&](Cell c) { return book.toReal(g, c); };
        for (auto rows : {tree->listed, book::GrownRows(tree->grown)})
            for (const Row& r : rows)
                if (atNode(r, g.BookLine)) add(r, true, toReal);
    }
    return out;
}

// `drifted`: a forced move has answered a stone of this line, so the position is no
// longer the one the line was written for and a reply may find its cell taken.
void Replay::visit(const BookGame& g, const std::string& path, bool drifted) {
    if (!(g.*book.flag) || !g.GameActive) return;
    for (const Try& t : tries(g)) {
        if (!g.isEmpty(t.real)) continue; // this orientation already holds the stone
        if (t.canonical) {
            ASSERT_EQ(book::OpeningRowFor(g, book, t.real), nullptr)
                << path << ": an opening row hides the tree's stone " << t.real;
        }
        BookGame next = g;
        std::ostringstream step;
        step << path << " " << t.real;
        PlayerPlace(next, Cell{t.real.x, t.real.y});
        ++plays;
        bool forced = check(g, next, t, step.str(), drifted);
        if (::testing::Test::HasFatalFailure()) return;
        visit(next, step.str(), drifted || forced);
    }
}

// What the book must have done with the player's stone.
bool Replay::check(const BookGame& before, const BookGame& after, const Try& t,
                   const std::string& path, bool drifted) {
    BookGame placed = before;
    placed.setCell(t.real.x, t.real.y, kPlayer);
    std::vector<Cell> playerFours = fivePoints(placed, kPlayer);
    std::vector<Cell> computerFours = fivePoints(placed, kComputer);
    bool playerWon = !after.GameActive && after.compStones.size() == before.compStones.size();
    if (playerWon) return false;
    EXPECT_EQ(after.compStones.size(), before.compStones.size() + 1) << path;
    if (after.compStones.size() != before.compStones.size() + 1) return false;
    Cell answer = after.compStones.back();
    EXPECT_TRUE(BoardMatchesHistories(after)) << path;
    // Nothing may ignore a player's four: block it, or win first.
    if (!playerFours.empty()) {
        EXPECT_TRUE(contains(playerFours, answer) || contains(computerFours, answer))
            << path << ": the player's four is ignored, answer " << answer << "\n"
            << Picture(after);
    }
    bool forced = !playerFours.empty() || (book.compFiveFirst && !computerFours.empty());
    if (t.canonical && forced) {
        EXPECT_EQ(after.BookMoveNo, before.BookMoveNo) << path;
        return true;
    }
    used.insert(t.row);
    const book::Action& a = t.row->action;
    auto real = [&](book::Point p) {
        return t.canonical ? book.toReal(before, book::toCell(p)) : book::toCell(p);
    };
    book::Point at = a.at;
    book::Then then = a.then;
    if (a.kind == book::Reply::PlayIfEmpty || a.kind == book::Reply::PlayIfPlayer) {
        Cell test = real(a.test);
        int wanted = a.kind == book::Reply::PlayIfEmpty ? kEmpty : kPlayer;
        if (!onBoard(test) || placed.cell(test.x, test.y) != wanted) at = a.alt, then = a.altThen;
    }
    switch (a.kind) {
    case book::Reply::HandOver:
    case book::Reply::SwitchMode:
        EXPECT_FALSE(after.*book.flag) << path;
        if (then.mode != 0) {
            EXPECT_EQ(after.GameMode, int(then.mode)) << path;
        }
        if (then.flip != book::kKeepFlip) {
            EXPECT_EQ(int(after.LatticeFlip), int(then.flip)) << path;
        }
        return false;
    case book::Reply::AskRoutines:
        if (a.fallbackHandsOver || answer != real(at)) {
            EXPECT_FALSE(after.*book.flag) << path;
            return false;
        }
        break;
    default:
        break;
    }
    Cell reply = real(at);
    if (!placed.isEmpty(reply)) {
        // Hand-written lines may lead onto a taken cell; grown ones never do.
        EXPECT_FALSE(isGrown(t.row) && !drifted)
            << path << ": a grown reply lands on a taken cell\n"
            << Picture(placed);
        ++takenReplies;
        EXPECT_FALSE(after.*book.flag) << path << ": a taken reply must hand over";
        return false;
    }
    EXPECT_EQ(answer, reply) << path;
    EXPECT_EQ(after.BookMoveNo, before.BookMoveNo + (then.keepMoveNo ? 0 : 1)) << path;
    EXPECT_EQ(after.*book.flag, !then.ends) << path;
    if (then.line != book::kKeep) {
        EXPECT_EQ(after.BookLine, int(then.line)) << path;
    }
    if (then.subLine != book::kKeep) {
        EXPECT_EQ(after.BookSubLine, int(then.subLine)) << path;
    }
    if (then.orientation != book::kKeep) {
        EXPECT_EQ(after.BookOrientation, int(then.orientation)) << path;
    }
    if (then.mode != 0) {
        EXPECT_EQ(after.GameMode, int(then.mode)) << path;
    }
    if (then.flip != book::kKeepFlip) {
        EXPECT_EQ(int(after.LatticeFlip), int(then.flip)) << path;
    }
    return false;
}

struct Start {
    const book::Book* book;
    int opponent;
    bool playerFirst;
    int digit;
};

// Both coins of every book; the Quillon diagonal book also answers coin-free games
// through the main book's hand-over, which the playbook tests cover.
constexpr Start kStarts[] = {
    {&book::kQuillonWhiteBook, 1, true, 1},    {&book::kQuillonWhiteDiagonalBook, 1, true, 5},
    {&book::kQuillonBlackBook, 1, false, 1},   {&book::kQuillonBlackBook, 1, false, 0},
    {&book::kMarrowickBlackBook, 2, false, 1}, {&book::kMarrowickBlackBook, 2, false, 5},
    {&book::kMarrowickWhiteBook, 2, true, 1},  {&book::kMarrowickWhiteBook, 2, true, 0}};

TEST(EveryBookLine, IsAnsweredAsItsRowsSay) {
    std::set<const Row*> used;
    for (const Start& s : kStarts) {
        SCOPED_TRACE(std::string(s.book->name) + " with seconds digit " + std::to_string(s.digit));
        TestGame t(s.digit);
        NewGame(t.g, {s.playerFirst, s.opponent});
        Replay replay(*s.book);
        replay.visit(t.g, "", false);
        ASSERT_FALSE(::testing::Test::HasFatalFailure());
        EXPECT_EQ(t.messages.count("critical"), 0);
        used.insert(replay.used.begin(), replay.used.end());
    }
    // Every row of a grown tree, hand-written or grown, lies on some line.
    for (const Start& s : kStarts)
        for (const book::Tree* tree : s.book->trees) {
            if (tree->grown == book::GrownTree::None) continue;
            for (auto rows : {tree->listed, book::GrownRows(tree->grown)})
                for (const Row& r : rows)
                    EXPECT_TRUE(used.count(&r)) << tree->name << ": the row at move " << int(r.move)
                                                << ", line " << int(r.line) << " is never reached";
        }
}

struct Depth {
    book::GrownTree tree;
    int deepestMove;
};

// The deepest book move of every grown tree: the Marrowick black sub-lines and groups,
// the Marrowick white lines, Quillon's trees A, B and C.
constexpr Depth kDepths[] = {
    {book::GrownTree::MarrowickBlackSubLine1, 13},  {book::GrownTree::MarrowickBlackSubLine4, 11},
    {book::GrownTree::MarrowickBlackSubLine5, 17},  {book::GrownTree::MarrowickBlackSubLine6, 10},
    {book::GrownTree::MarrowickBlackGroup2, 14},    {book::GrownTree::MarrowickBlackGroup3, 10},
    {book::GrownTree::MarrowickBlackSubLine8, 17},  {book::GrownTree::MarrowickBlackSubLine9, 12},
    {book::GrownTree::MarrowickBlackSubLine10, 11}, {book::GrownTree::MarrowickWhiteLine1, 14},
    {book::GrownTree::MarrowickWhiteLine3, 4},      {book::GrownTree::MarrowickWhiteLine4, 6},
    {book::GrownTree::MarrowickWhiteLine5, 8},      {book::GrownTree::MarrowickWhiteLine6, 11},
    {book::GrownTree::MarrowickWhiteLine7, 4},      {book::GrownTree::MarrowickWhiteLine10, 16},
    {book::GrownTree::MarrowickWhiteLine11, 6},     {book::GrownTree::QuillonWhiteTreeA, 19},
    {book::GrownTree::QuillonWhiteTreeB, 12},       {book::GrownTree::QuillonWhiteTreeC, 9},
};

TEST(GrownTrees, ReachTheirDepth) {
    for (const Depth& d : kDepths) {
        int deepest = 0;
        for (const Row& r : book::GrownRows(d.tree))
            deepest = std::max(deepest, int(r.move));
        EXPECT_EQ(deepest, d.deepestMove) << "tree " << static_cast<int>(d.tree);
    }
}

} // namespace
} // namespace wuzi::test
