#include "playbooks/Book.h"

namespace wuzi::book {

namespace {

// Quillon's second book as white: the centre answered diagonally at (9, 9), three
// second stones joined into one position at move 3:
//   black (8, 8), (10, 10), (8, 10); white (9, 9), (10, 8), (9, 10).
constexpr Row kOpening[] = {
    {1, kAnyLine, {{8, 8}}, play(9, 9)},
    {2, kAnyLine, {{10, 10}}, play(10, 8).toLine(1)},
    {2, kAnyLine, {{8, 10}}, play(10, 8).toLine(2)},
    {2, kAnyLine, {{10, 8}}, play(10, 10).toLine(3)},
    {3, 1, {{8, 10}}, play(9, 10).orient(1)},
    {3, 2, {{10, 10}}, play(9, 10).orient(1)},
    {3, 3, {{8, 10}}, play(9, 8).orient(2)},
};

constexpr Row kMainLine[] = {
    {4, kAnyLine, {{9, 11}}, play(8, 12).toLine(1)},
    {5, 1, {{7, 9}}, play(6, 8).toLine(1)},
    {5, 1, {{10, 12}}, play(11, 13).toLine(1)},
    {6, 1, {{6, 10}}, play(9, 7).toLine(1)},
    {6, 1, {{8, 9}}, play(8, 11).ends()},
    {6, 1, {{10, 11}}, ifEmpty({10, 12}, play(8, 11).ends(), play(10, 13).ends())},
    {7, 1, {{8, 9}}, play(8, 11).ends()},
    {7, 1, {{8, 11}}, play(7, 11).ends()},
    {7, 1, {{10, 11}}, play(10, 13).toLine(1)},
    {8, 1, {{7, 11}}, play(8, 11).toLine(1)},
    {8, 1, {{8, 11}}, play(7, 11).ends()},
    {8, 1, {{11, 11}}, play(8, 11).ends()},
    {9, 1, {{7, 10}}, play(7, 12).toLine(1)},
    {9, 1, {{7, 12}}, play(7, 10).toLine(2)},
    {10, 1, {{6, 13}}, play(8, 6).toLine(1)},
    {10, 1, {{10, 9}}, play(8, 6).toLine(2)},
    {10, 2, {{6, 9}, {9, 12}, {11, 14}}, play(8, 6).toLine(3)},
    {11, 1, {{7, 5}}, play(11, 9).toLine(2)},
    {11, 1, {{11, 9}}, play(7, 5).toLine(1)},
    {11, 2, {{7, 5}}, play(11, 12).toLine(4)},
    {11, 2, {{11, 9}}, play(7, 5).toLine(3)},
    {11, 3, {{7, 5}}, play(10, 7).toLine(6)},
    {11, 3, {{11, 9}}, play(7, 5).toLine(5)},
    {12, 1, {{6, 4}}, play(9, 6).toLine(1)},
    {12, 2, {{12, 10}}, play(11, 8).toLine(2)},
    {12, 3, {{6, 4}}, play(9, 6).toLine(3)},
    {12, 4, {{6, 11}}, play(5, 11).ends()},
    {12, 4, {{9, 14}}, play(11, 9).toLine(4)},
    {12, 4, {{11, 11}}, play(12, 10).toLine(5)},
    {12, 4, {{12, 11}, {10, 15}, {8, 15}, {8, 14}}, handOver()},
    {12, 4, {}, play(8, 15).ends()},
    {12, 5, {{6, 4}}, play(7, 6).toLine(6)},
    {12, 6, {{6, 11}, {8, 9}, {9, 6}, {9, 8}, {11, 6}}, play(7, 7).ends()},
    {12, 6, {}, play(9, 8).ends()},
    {13, 1, {{9, 8}}, play(10, 6).toLine(1)},
    {13, 2, {{10, 9}}, play(11, 6).toLine(2)},
    {13, 3, {{8, 9}}, play(7, 6).ends()},
    {13, 4, {{12, 10}}, play(11, 11).toLine(3)},
    {13, 5, {{11, 9}}, play(11, 11).ends()},
    {13, 6, {{6, 6}, {9, 6}, {9, 8}, {10, 6}}, play(7, 7).ends()},
    {13, 6, {}, play(9, 6).ends()},
    {14, 1, {{7, 6}}, play(12, 6).toLine(1)},
    {14, 1, {{11, 6}}, play(10, 7).ends()},
    {14, 2, {{11, 5}, {11, 7}, {11, 10}}, play(9, 6).ends()},
    {14, 3, {{11, 10}}, play(11, 14).toLine(2)},
    {15, 1, {{11, 6}}, play(11, 7).toLine(1)},
    {15, 2, {{11, 15}}, play(9, 12).toLine(2)},
    {16, 1, {{13, 5}}, play(10, 9).ends()},
    {16, 2, {{12, 15}}, play(5, 12).toLine(1)},
    {17, 1, {{6, 12}}, play(6, 13).ends()},
};

constexpr Tree kTree{"QuillonWhiteDiagonal", kMainLine};
constexpr const Tree* kTrees[] = {&kTree};

// Orientation 2 reflects the board in row 9, through the computer's first stone.
constexpr Transform kTransforms[] = {
    {{X, Y}, {X, Y}},
    {{X, 18 - Y}, {X, 18 - Y}},
};

} // namespace

const Book kQuillonWhiteDiagonalBook{
    .name = "QuillonWhiteDiagonal",
    .flag = &BookState::DiagonalBookActive,
    .compFiveFirst = false,
    .opening = kOpening,
    .openingKey = [](const BookGame& g) { return g.BookLine; },
    .treeFor = [](const BookGame& g) { return g.BookMoveNo >= 4 ? &kTree : nullptr; },
    .trees = kTrees,
    .toCanonical = [](const BookGame& g,
                      Cell c) { return ToCanonical(kTransforms, g.BookOrientation, c); },
    .toReal = [](const BookGame& g, Cell c) { return ToReal(kTransforms, g.BookOrientation, c); },
};

} // namespace wuzi::book
