#pragma once

#include "playbooks/BookGame.h"
#include "playbooks/BookRows.h"
#include "playbooks/GrownTrees.h"
#include "playbooks/Playbooks.h"

#include <span>

namespace wuzi::book {

// One tree of a book: its hand-written rows and the rows the generator grew from them.
struct Tree {
    const char* name;
    std::span<const Row> listed;
    GrownTree grown = GrownTree::None;
};

// A coordinate as a linear function of a cell: written with X and Y, the cell's column
// and row, so that a transform reads as it does on paper: {16 - Y, X}.
struct Linear {
    int x = 0;
    int y = 0;
    int c = 0;
    constexpr int at(Cell p) const { return x * p.x + y * p.y + c; }
};
inline constexpr Linear X{1, 0, 0};
inline constexpr Linear Y{0, 1, 0};
constexpr Linear operator-(int k, Linear l) {
    return {-l.x, -l.y, k - l.c};
}
constexpr Linear operator+(Linear l, int k) {
    return {l.x, l.y, l.c + k};
}
constexpr Linear operator-(Linear l, int k) {
    return {l.x, l.y, l.c - k};
}

struct CellMap {
    Linear x;
    Linear y;
    constexpr Cell operator()(Cell p) const { return {x.at(p), y.at(p)}; }
};

// One orientation of a book's canonical frame: real board to canonical, and back.
struct Transform {
    CellMap toCanonical;
    CellMap toReal;
};

// Through orientation `o` (1-based) of `table`; (0, 0), off the board, for an
// orientation the table does not have.
Cell ToCanonical(std::span<const Transform> table, int o, Cell real);
Cell ToReal(std::span<const Transform> table, int o, Cell canonical);

// How one book reads the game: its flag, its forced-move step, its tables and the
// transforms between the real board and its canonical frame. The interpreter in
// Book.cpp walks every book through this description.
struct Book {
    const char* name;
    bool BookState::*flag;
    bool compFiveFirst; // the forced-move step runs CompFive before BlockFive
    // Opening rows, real coordinates, matched by move and by openingKey.
    std::span<const Row> opening;
    int (*openingKey)(const BookGame&);
    // The tree that answers the next stone in canonical coordinates; null while the book
    // has no tree at this move.
    const Tree* (*treeFor)(const BookGame&);
    // Every tree of the book.
    std::span<const Tree* const> trees;
    // Real to canonical and back for the current state; a cell off the board, or
    // (0, 0) for an orientation the book does not have, means "not in the book".
    Cell (*toCanonical)(const BookGame&, Cell);
    Cell (*toReal)(const BookGame&, Cell);
};

extern const Book kQuillonWhiteBook;
extern const Book kQuillonWhiteDiagonalBook;
extern const Book kQuillonBlackBook;
extern const Book kMarrowickBlackBook;
extern const Book kMarrowickWhiteBook;

// Whether row `r` belongs to node (move, line) in a game with this BookCoin.
bool AtNode(const Row& r, int move, int line, bool coin);

// The row of `rows` that answers `stone` at node (move, line): a row listing the stone,
// else the node's default row, else none.
const Row* FindRow(std::span<const Row> rows, int move, int line, bool coin, Point stone);
const Row* FindRow(const Tree& tree, int move, int line, bool coin, Point stone);

// The opening row that answers the player's real stone now, if any.
const Row* OpeningRowFor(const BookGame& g, const Book& book, Cell stone);

// One turn of a book for the player's real stone: an opening row, else the tree (with
// the forced-move step first), else the hand-over to the general selection.
void PlayBook(BookGame& g, const Book& book, Cell stone, MoveSelection general);

// Leaves the book for the rest of the game; the general selection answers `stone`.
void HandOver(BookGame& g, const Book& book, Cell stone, MoveSelection general);

// The steps of PlayBook, for the book generator: the forced-move step before a tree
// move (true when it placed the computer's stone), and a row's action for the player's
// real stone (`canonical` rows are mapped back through the book's orientation).
bool ForcedMovePlayed(BookGame& g, const Book& book);
void PerformRow(BookGame& g, const Book& book, const Row& row, Cell stone, bool canonical,
                MoveSelection general);

} // namespace wuzi::book
