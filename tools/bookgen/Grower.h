#pragma once

#include "Advisor.h"
#include "Board.h"

#include "playbooks/Book.h"
#include "playbooks/BookGame.h"

#include <map>
#include <ostream>
#include <vector>

// Grows the trees of one book from its hand-written rows. Every node is the set of real
// games that reach it (one per orientation that leads there), kept as real game states
// so that the forced-move step, the routines and the transforms are the game's own.
// Level by level, each node lists the player's stones that matter most with the
// advisor's reply, and the lines of the next move are handed out so that every tree
// reaches the depth and breadth its budget gives.
namespace bookgen {

using wuzi::BookGame;
using wuzi::book::Book;
using wuzi::book::Row;
using wuzi::book::Tree;

class Grower {
  public:
    Grower(const Book& book, Advisor& advisor, std::ostream& log)
        : book_(book), advisor_(advisor), log_(log) {}

    // Grows every tree of the book from the games its opening leads to.
    void grow(const std::vector<BookGame>& openings);

    // The rows grown for a tree, node by node.
    std::vector<Row> rows(const Tree* tree) const;

  private:
    struct Key {
        int tree; // index in the book's trees
        int move;
        int line; // 0 for a node that does not test the line
        auto operator<=>(const Key&) const = default;
    };
    struct Node {
        Key key;
        std::vector<BookGame> frames;
    };
    struct Candidate {
        wuzi::Cell stone;
        std::vector<wuzi::Cell> replies; // free in every game of the node, best first
        bool asked = false;
        bool used = false;
    };
    struct Plan; // a node's entries while its level is being grown
    struct Outcome {
        bool reached = false;           // the row itself answered (no forced move first)
        bool played = false;            // the book placed the row's reply
        std::vector<BookGame> children; // the games that stay in the book
    };

    void growLevel(std::vector<Node>& level);
    void playListedRows(Plan& plan);
    void handOutLines(std::vector<Plan>& plans, int move);
    bool continueWith(Plan& plan, const wuzi::book::Then& then, int nextTree, int nextMove,
                      int line, bool mustFit);
    void addEndings(Plan& plan);
    Row rowFor(const Plan& plan, wuzi::Cell stone, wuzi::book::Action action) const;
    void commit(Plan& plan, Candidate& c, const Row& row, const Outcome& o);

    int treeIndex(const Tree* tree) const;
    int keyLine(int tree, int move, int line) const;
    void enqueue(const BookGame& g);
    Outcome simulate(const std::vector<BookGame>& frames, const Row& row, wuzi::Cell stone) const;
    void rank(Plan& plan);
    void replyFor(const Plan& plan, Candidate& c);
    bool fitsListedRows(const std::vector<BookGame>& children, int tree, int move, int line) const;
    wuzi::book::Action ending(const Plan& plan, wuzi::Cell reply) const;
    void report() const;

    const Book& book_;
    Advisor& advisor_;
    std::ostream& log_;
    std::map<Key, std::vector<BookGame>> pending_;
    std::map<const Tree*, std::vector<Row>> grown_;
    std::map<std::pair<int, int>, int> reached_; // nodes by (tree, move)
};

// The canonical position of a game, as the book sees it.
Board canonicalBoard(const BookGame& g, const Book& book);

} // namespace bookgen
