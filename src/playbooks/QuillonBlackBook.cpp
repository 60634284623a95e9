#include "playbooks/Book.h"
#include "playbooks/Playbooks.h"

#include "core/Fault.h"

namespace wuzi {

namespace book {

namespace {

// Quillon's book as black. Every first stone next to the centre is brought onto one
// canonical position: black (8, 8), (8, 7); white (7, 8).
constexpr Row kOpening[] = {
    {1, kAnyLine, {{7, 8}}, play(8, 7).orient(1)}, {1, kAnyLine, {{9, 8}}, play(8, 9).orient(2)},
    {1, kAnyLine, {{8, 9}}, play(7, 8).orient(3)}, {1, kAnyLine, {{8, 7}}, play(9, 8).orient(4)},
    {1, kAnyLine, {{7, 9}}, play(7, 8).orient(5)}, {1, kAnyLine, {{9, 9}}, play(8, 9).orient(6)},
    {1, kAnyLine, {{7, 7}}, play(8, 7).orient(7)}, {1, kAnyLine, {{9, 7}}, play(9, 8).orient(8)},
};

constexpr Row kMainTree[] = {
    {2, kAnyLine, {{8, 9}}, play(6, 7).toLine(1)},
    {3, 1, {{7, 7}}, play(7, 6).toLine(1)},
    {3, 1, {{7, 9}}, play(7, 7).toLine(2)},
    {3, 1, {{9, 7}}, play(7, 6).toLine(3)},
    {4, 1, {{5, 8}}, play(6, 5).toLine(2)},
    {4, 1, {{6, 5}}, play(8, 5).toLine(3)},
    {4, 1, {{7, 9}}, play(8, 5).toLine(4)},
    {4, 1, {{8, 5}}, play(7, 10).ends()},
    {4, 1, {{9, 8}}, play(8, 5).toLine(1)},
    {4, 2, {{5, 7}}, play(9, 9).toLine(6)},
    {4, 2, {{9, 7}}, play(6, 6).toLine(5)},
    {4, 3, {{9, 8}}, play(8, 5).toLine(7)},
    {4, 4, {{5, 7}}, play(6, 6).toLine(9)},
    {4, 4, {{9, 7}}, play(9, 9).toLine(8)},
    {5, 1, {{5, 8}}, play(8, 6).toLine(2)},
    {5, 1, {{9, 4}}, play(8, 6).toLine(1)},
    {5, 2, {{5, 4}}, play(6, 6).toLine(4)},
    {5, 2, {{9, 8}}, play(6, 6).toLine(3)},
    {5, 3, {{5, 8}}, play(8, 6).toLine(6)},
    {5, 3, {{9, 4}}, play(8, 6).toLine(5)},
    {5, 4, {{5, 8}, {9, 4}}, play(8, 6).toLine(7)},
    {5, 5, {{5, 5}}, play(5, 7).toLine(9)},
    {5, 5, {{9, 9}}, play(6, 9).toLine(8)},
    {5, 6, {{6, 6}}, play(9, 7).toLine(10)},
    {5, 6, {{10, 10}}, play(9, 7).toLine(11)},
    {5, 7, {{5, 8}, {9, 4}}, play(8, 6).toLine(12)},
    {5, 8, {{6, 6}}, play(7, 10).ends()},
    {5, 8, {{10, 10}}, play(6, 6).toLine(13)},
    {5, 9, {{5, 5}}, play(6, 8).toLine(14)},
    {5, 9, {{9, 9}}, play(6, 5).toLine(15)},
    {6, 1, {{8, 4}}, play(6, 6).toLine(1)},
    {6, 2, {{8, 4}}, play(6, 6).toLine(2)},
    {6, 3, {{6, 4}}, play(8, 6).toLine(4)},
    {6, 3, {{6, 8}}, play(8, 6).toLine(3)},
    {6, 4, {{6, 4}}, play(8, 6).toLine(6)},
    {6, 4, {{6, 8}}, play(8, 6).toLine(5)},
    {6, 5, {{8, 4}}, play(10, 6).toLine(7)},
    {6, 6, {{8, 4}}, play(10, 6).toLine(8)},
    {6, 7, {{8, 4}}, play(6, 6).ends()},
    {6, 8, {{6, 5}, {6, 10}}, play(6, 8).toLine(10)},
    {6, 8, {{6, 8}}, play(5, 7).toLine(9)},
    {6, 9, {{4, 7}}, play(8, 4).toLine(11)},
    {6, 10, {{10, 7}}, play(9, 8).toLine(12)},
    {6, 11, {{10, 7}}, play(9, 8).toLine(13)},
    {6, 12, {{8, 4}}, play(9, 6).toLine(14)},
    {6, 13, {{5, 5}}, play(6, 8).toLine(15)},
    {6, 14, {{6, 5}}, play(6, 10).ends()},
    {6, 14, {{6, 9}}, play(8, 6).ends()},
    {6, 15, {{6, 4}, {6, 8}}, play(5, 5).toLine(16)},
    {7, 1, {{5, 6}}, play(6, 4).toLine(2)},
    {7, 1, {{9, 6}}, play(6, 5).toLine(1)},
    {7, 2, {{5, 6}}, play(6, 4).toLine(2)},
    {7, 2, {{9, 6}}, play(6, 5).toLine(3)},
    {7, 3, {{5, 6}, {9, 6}}, play(6, 4).ends()},
    {7, 4, {{5, 6}}, play(8, 4).toLine(4)},
    {7, 4, {{9, 6}}, play(5, 7).ends()},
    {7, 5, {{5, 6}}, play(8, 5).ends()},
    {7, 5, {{9, 6}}, play(7, 5).ends()},
    {7, 6, {{5, 6}}, play(8, 5).toLine(6)},
    {7, 6, {{9, 6}}, play(8, 4).toLine(5)},
    {7, 7, {{6, 6}}, play(9, 7).toLine(8)},
    {7, 7, {{9, 6}}, play(9, 7).toLine(7)},
    {7, 7, {{11, 6}}, play(9, 7).toLine(9)},
    {7, 8, {{6, 6}, {11, 6}}, play(9, 7).ends()},
    {7, 8, {{9, 6}}, play(9, 7).toLine(10)},
    {7, 9, {{4, 7}}, play(5, 5).toLine(11)},
    {7, 10, {{6, 10}}, play(8, 6).ends()},
    {7, 11, {{4, 8}, {9, 3}}, play(7, 6).ends()},
    {7, 11, {{7, 5}}, play(6, 5).toLine(12)},
    {7, 12, {{9, 6}}, play(11, 10).ends()},
    {7, 12, {{9, 10}}, play(7, 6).toLine(13)},
    {7, 13, {{9, 6}}, play(6, 5).ends()},
    {7, 13, {{9, 10}}, play(9, 5).toLine(14)},
    {7, 14, {{6, 6}}, play(10, 7).toLine(15)},
    {7, 14, {{10, 6}}, play(6, 6).toLine(16)},
    {7, 15, {{6, 5}, {6, 9}}, play(8, 6).toLine(17)},
    {7, 16, {{4, 4}}, play(8, 5).toLine(18)},
    {8, 1, {{6, 4}, {6, 8}}, play(5, 4).toLine(1)},
    {8, 2, {{6, 3}, {6, 5}, {6, 8}}, play(9, 7).ends()},
    {8, 3, {{6, 4}, {6, 8}}, play(5, 5).ends()},
    {8, 4, {{8, 5}}, play(5, 7).toLine(2)},
    {8, 5, {{8, 5}}, play(5, 7).ends()},
    {8, 6, {{8, 4}}, play(9, 4).toLine(3)},
    {8, 7, {{7, 9}}, play(10, 8).toLine(4)},
    {8, 7, {{11, 5}}, play(10, 8).toLine(5)},
    {8, 8, {{7, 9}}, play(10, 8).toLine(6)},
    {8, 8, {{11, 5}}, play(9, 6).toLine(7)},
    {8, 9, {{7, 9}}, play(10, 8).toLine(8)},
    {8, 9, {{11, 5}}, play(9, 6).toLine(9)},
    {8, 10, {{7, 9}}, play(10, 8).toLine(4)},
    {8, 10, {{11, 5}}, play(10, 8).toLine(5)},
    {8, 11, {{4, 4}}, play(5, 8).toLine(10)},
    {8, 12, {{6, 4}}, play(8, 6).ends()},
    {8, 12, {{6, 8}}, play(7, 7).ends()},
    {8, 13, {{6, 5}, {10, 9}}, play(8, 6).ends()},
    {8, 14, {{9, 6}}, play(6, 8).ends()},
    {8, 15, {{7, 4}}, play(10, 6).toLine(12)},
    {8, 15, {{11, 8}}, play(7, 4).toLine(11)},
    {8, 16, {{5, 6}}, play(6, 8).ends()},
    {8, 17, {{5, 9}, {9, 5}}, play(5, 7).ends()},
    {8, 18, {{4, 5}, {7, 5}}, play(7, 6).ends()},
    {8, 18, {{9, 5}}, play(10, 8).ends()},
    {9, 1, {{4, 3}}, play(5, 6).toLine(1)},
    {9, 2, {{4, 8}, {7, 5}, {9, 3}}, play(6, 8).toLine(2)},
    {9, 3, {{10, 3}}, play(9, 6).toLine(3)},
    {9, 4, {{7, 5}}, play(10, 7).toLine(5)},
    {9, 4, {{11, 9}}, play(7, 5).toLine(4)},
    {9, 5, {{7, 5}, {11, 9}}, play(10, 9).toLine(6)},
    {9, 6, {{7, 5}}, play(11, 9).toLine(8)},
    {9, 6, {{11, 9}}, play(7, 5).toLine(7)},
    {9, 7, {{11, 6}}, play(9, 8).toLine(9)},
    {9, 8, {{7, 5}}, play(10, 7).ends()},
    {9, 8, {{11, 9}}, play(7, 5).toLine(7)},
    {9, 9, {{6, 6}}, play(9, 8).toLine(9)},
    {9, 10, {{5, 4}, {5, 6}, {5, 9}}, play(8, 5).ends()},
    {9, 11, {{6, 3}}, play(7, 5).toLine(10)},
    {9, 12, {{11, 6}}, play(10, 4).toLine(11)},
    {10, 1, {{4, 6}}, play(5, 8).ends()},
    {10, 2, {{6, 9}}, play(7, 9).ends()},
    {10, 3, {{10, 6}}, play(8, 9).ends()},
    {10, 4, {{6, 4}}, play(11, 5).ends()},
    {10, 5, {{10, 5}}, play(10, 9).toLine(2)},
    {10, 5, {{10, 9}}, play(11, 9).toLine(1)},
    {10, 6, {{10, 5}}, play(10, 7).toLine(4)},
    {10, 6, {{10, 7}}, play(9, 8).toLine(3)},
    {10, 6, {{10, 10}}, play(10, 7).toLine(5)},
    {10, 7, {{6, 4}}, play(11, 5).ends()},
    {10, 8, {{12, 10}}, play(11, 5).toLine(6)},
    {10, 9, {{9, 5}, {9, 9}, {9, 10}}, play(10, 8).ends()},
    {10, 10, {{7, 2}, {7, 3}, {7, 7}}, play(10, 5).ends()},
    {10, 11, {{10, 5}}, play(8, 3).ends()},
    {11, 1, {{12, 10}}, play(11, 7).toLine(1)},
    {11, 2, {{10, 10}}, play(9, 8).toLine(2)},
    {11, 3, {{11, 10}}, play(11, 8).toLine(3)},
    {11, 4, {{10, 10}}, play(9, 8).toLine(4)},
    {11, 5, {{10, 5}}, play(9, 8).toLine(4)},
    {11, 6, {{12, 4}}, play(11, 6).toLine(5)},
    {12, 1, {{12, 7}}, play(11, 5).toLine(1)},
    {12, 2, {{11, 10}}, play(12, 8).ends()},
    {12, 3, {{12, 8}}, play(9, 10).toLine(2)},
    {12, 4, {{11, 10}}, play(12, 8).ends()},
    {12, 5, {{9, 6}}, play(11, 7).ends()},
    {13, 1, {{12, 4}}, play(11, 8).toLine(1)},
    {13, 2, {{8, 11}, {12, 7}}, play(8, 10).ends()},
    {14, 1, {{11, 6}}, play(12, 8).ends()},
};

constexpr Tree kTree{"QuillonBlack", kMainTree};
constexpr const Tree* kTrees[] = {&kTree};

Cell toCanonical(const Game& g, Cell c) {
    auto [x, y] = c;
    switch (g.BookOrientation) {
    case 1:
        return {x, y};
    case 2:
        return {16 - x, 16 - y};
    case 3:
        return {16 - y, x};
    case 4:
        return {y, 16 - x};
    case 5:
        return {16 - y, 15 - x};
    case 6:
        return {16 - x, y - 1};
    case 7:
        return {x, 15 - y};
    case 8:
        return {y, x - 1};
    default:
        return {};
    }
}

Cell toReal(const Game& g, Cell c) {
    auto [cx, cy] = c;
    switch (g.BookOrientation) {
    case 1:
        return {cx, cy};
    case 2:
        return {16 - cx, 16 - cy};
    case 3:
        return {cy, 16 - cx};
    case 4:
        return {16 - cy, cx};
    case 5:
        return {15 - cy, 16 - cx};
    case 6:
        return {16 - cx, cy + 1};
    case 7:
        return {cx, 15 - cy};
    case 8:
        return {cy + 1, cx};
    default:
        return {};
    }
}

} // namespace

const Book kQuillonBlackBook{
    "QuillonBlack",
    &Game::BookActive,
    false,
    true,
    kOpening,
    [](const Game&) { return 0; },
    [](const Game& g) { return g.BookMoveNo >= 2 ? &kTree : nullptr; },
    kTrees,
    toCanonical,
    toReal,
};

} // namespace book

void QuillonBlackPlaybook(Game& g, int x, int y) {
    guarded(g, [&] { book::PlayBook(g, book::kQuillonBlackBook, {x, y}); });
}

} // namespace wuzi
