#include "playbooks/Book.h"

#include "engines/AIEasy.h"
#include "engines/ForcedMoves.h"
#include "rules/Placement.h"

namespace wuzi::book {

namespace {

bool coinMatches(std::int8_t coin, bool bookCoin) {
    return coin == 0 || (coin == kCoinSet) == bookCoin;
}

const Row* listing(std::span<const Row> rows, int move, int line, bool coin, Point stone) {
    for (const Row& r : rows)
        if (AtNode(r, move, line, coin) && r.stones.contains(stone)) return &r;
    return nullptr;
}

const Row* defaultOf(std::span<const Row> rows, int move, int line, bool coin) {
    for (const Row& r : rows)
        if (AtNode(r, move, line, coin) && r.stones.isDefault()) return &r;
    return nullptr;
}

void switchMode(BookGame& g, const Then& then) {
    if (then.mode != 0) g.GameMode = then.mode;
    if (then.flip != kKeepFlip) g.LatticeFlip = then.flip != 0;
}

void applyThen(BookGame& g, const Book& book, const Then& then) {
    if (then.line != kKeep) g.BookLine = then.line;
    if (then.subLine != kKeep) g.BookSubLine = then.subLine;
    if (then.orientation != kKeep) g.BookOrientation = then.orientation;
    if (then.ends) {
        g.*book.flag = false;
        switchMode(g, then);
    }
}

// A book never plays on a taken cell or off the board: it hands over instead.
void reply(BookGame& g, const Book& book, Cell at, const Then& then, Cell stone,
           MoveSelection general) {
    if (!g.isEmpty(at)) return HandOver(g, book, stone, general);
    CompPlace(g, at.x, at.y);
    g.PlayerTurn = true;
    if (!then.keepMoveNo) ++g.BookMoveNo;
    applyThen(g, book, then);
}

// The routines of an AskRoutines row, in their fixed order; true when one placed.
bool askRoutines(BookGame& g, std::uint8_t routines) {
    g.CompMoved = false;
    if (routines & kCompFive) CompFive(g);
    if (!g.CompMoved && (routines & kCompFour)) CompFour(g);
    if (!g.CompMoved && (routines & kPatternMove1)) EnginePatternMove(g, 1);
    if (!g.CompMoved && (routines & kLineMove2)) EngineLineMove(g, 2);
    return g.CompMoved;
}

} // namespace

Cell ToCanonical(std::span<const Transform> table, int o, Cell real) {
    if (o < 1 || o > static_cast<int>(table.size())) return {};
    return table[static_cast<std::size_t>(o - 1)].toCanonical(real);
}

Cell ToReal(std::span<const Transform> table, int o, Cell canonical) {
    if (o < 1 || o > static_cast<int>(table.size())) return {};
    return table[static_cast<std::size_t>(o - 1)].toReal(canonical);
}

bool AtNode(const Row& r, int move, int line, bool coin) {
    return r.move == move && (r.line == kAnyLine || r.line == line) && coinMatches(r.coin, coin);
}

void PerformRow(BookGame& g, const Book& book, const Row& row, Cell stone, bool canonical,
                MoveSelection general) {
    const Action& a = row.action;
    auto real = [&](Point p) { return canonical ? book.toReal(g, toCell(p)) : toCell(p); };
    switch (a.kind) {
    case Reply::Play:
        return reply(g, book, real(a.at), a.then, stone, general);
    case Reply::PlayIfEmpty:
    case Reply::PlayIfPlayer: {
        Cell test = real(a.test);
        int wanted = a.kind == Reply::PlayIfEmpty ? kEmpty : kPlayer;
        bool yes = onBoard(test) && g.cell(test.x, test.y) == wanted;
        return yes ? reply(g, book, real(a.at), a.then, stone, general)
                   : reply(g, book, real(a.alt), a.altThen, stone, general);
    }
    case Reply::AskRoutines:
        if (askRoutines(g, a.routines)) {
            g.PlayerTurn = true;
            ++g.BookMoveNo;
            g.*book.flag = false;
            return;
        }
        if (a.fallbackHandsOver) return HandOver(g, book, stone, general);
        return reply(g, book, real(a.at), a.then, stone, general);
    case Reply::HandOver:
        HandOver(g, book, stone, general);
        return switchMode(g, a.then);
    case Reply::SwitchMode:
        switchMode(g, a.then);
        return HandOver(g, book, stone, general);
    }
}

bool ForcedMovePlayed(BookGame& g, const Book& book) {
    g.CompMoved = false;
    if (book.compFiveFirst) CompFive(g);
    if (!g.CompMoved) BlockFive(g);
    return g.CompMoved;
}

const Row* FindRow(std::span<const Row> rows, int move, int line, bool coin, Point stone) {
    if (const Row* r = listing(rows, move, line, coin, stone)) return r;
    return defaultOf(rows, move, line, coin);
}

const Row* FindRow(const Tree& tree, int move, int line, bool coin, Point stone) {
    std::span<const Row> grown = GrownRows(tree.grown);
    for (auto rows : {tree.listed, grown})
        if (const Row* r = listing(rows, move, line, coin, stone)) return r;
    for (auto rows : {tree.listed, grown})
        if (const Row* r = defaultOf(rows, move, line, coin)) return r;
    return nullptr;
}

const Row* OpeningRowFor(const BookGame& g, const Book& book, Cell stone) {
    if (!onBoard(stone)) return nullptr;
    return FindRow(book.opening, g.BookMoveNo, book.openingKey(g), g.BookCoin, toPoint(stone));
}

void HandOver(BookGame& g, const Book& book, Cell stone, MoveSelection general) {
    g.*book.flag = false;
    general(g, stone.x, stone.y);
}

void PlayBook(BookGame& g, const Book& book, Cell stone, MoveSelection general) {
    if (const Row* row = OpeningRowFor(g, book, stone))
        return PerformRow(g, book, *row, stone, false, general);
    const Tree* tree = book.treeFor(g);
    Cell c = tree ? book.toCanonical(g, stone) : Cell{};
    if (!onBoard(c)) return HandOver(g, book, stone, general);
    if (ForcedMovePlayed(g, book)) {
        g.PlayerTurn = true;
        return;
    }
    const Row* row = FindRow(*tree, g.BookMoveNo, g.BookLine, g.BookCoin, toPoint(c));
    if (!row) return HandOver(g, book, stone, general);
    PerformRow(g, book, *row, stone, true, general);
}

} // namespace wuzi::book
