#include "playbooks/Book.h"

namespace wuzi::book {

namespace {

// Marrowick's book as white: the centre answered just below, at (8, 9); the second and
// third stones choose one of eleven lines (BookSubLine), and many lines hand the game
// to the lattice chain of Corvane.
constexpr Row kOpening[] = {
    {1, kAnyLine, {{8, 8}}, play(8, 9)},
    {2, kAnyLine, {{9, 7}}, play(7, 9).subLine(1).orient(1)},
    {2, kAnyLine, {{7, 7}}, play(9, 9).subLine(1).orient(2)},
    {2, kAnyLine, {{8, 7}}, play(9, 7).subLine(2)},
    {2, kAnyLine, {{8, 6}}, play(9, 7).subLine(3)},
    {2, kAnyLine, {{10, 6}}, play(7, 9).subLine(4).orient(1)},
    {2, kAnyLine, {{6, 6}}, play(9, 9).subLine(4).orient(2)},
    {2, kAnyLine, {{9, 10}}, play(9, 8).subLine(5).orient(1)},
    {2, kAnyLine, {{7, 10}}, play(7, 8).subLine(5).orient(2)},
    {2, kAnyLine, {{8, 10}}, play(9, 8).subLine(6)},
    {2, kAnyLine, {{6, 8}}, play(9, 7).subLine(7).orient(1)},
    {2, kAnyLine, {{10, 8}}, play(7, 7).subLine(7).orient(2)},
    {2, kAnyLine, {{7, 9}}, play(7, 8).subLine(8)},
    {2, kAnyLine, {{9, 9}}, play(9, 8).subLine(9)},
    {2, kAnyLine, {{7, 8}, {7, 6}, {6, 7}}, play(7, 7).endsIn(8, false)},
    {2, kAnyLine, {{9, 8}, {9, 6}, {10, 7}}, play(9, 7).endsIn(8, true)},
    // Move 3 of lines 2, 3, 8 and 9, keyed by the line.
    {3, 2, {{8, 6}}, play(7, 6).endsIn(8, true)},
    {3, 2, {}, switchMode(8, true)},
    {3, 3, {{8, 7}}, play(7, 6).endsIn(8, true)},
    {3, 8, {{9, 7}}, play(6, 10).subLine(10).orient(1)},
    {3, 8, {{6, 10}}, play(9, 7).subLine(10).orient(2)},
    {3, 8, {{9, 10}}, play(9, 9).subLine(11).orient(1)},
    {3, 8, {{6, 7}}, play(7, 7).subLine(11).orient(2)},
    {3, 9, {{7, 7}}, play(10, 10).subLine(10).orient(3)},
    {3, 9, {{10, 10}}, play(7, 7).subLine(10).orient(4)},
    {3, 9, {{7, 10}}, play(7, 9).subLine(11).orient(3)},
    {3, 9, {{10, 7}}, play(9, 7).subLine(11).orient(4)},
};

constexpr Tree kLine1{"MarrowickWhiteLine1", {}, GrownTree::MarrowickWhiteLine1};
constexpr Tree kLine3{"MarrowickWhiteLine3", {}, GrownTree::MarrowickWhiteLine3};
constexpr Tree kLine4{"MarrowickWhiteLine4", {}, GrownTree::MarrowickWhiteLine4};
constexpr Tree kLine5{"MarrowickWhiteLine5", {}, GrownTree::MarrowickWhiteLine5};
constexpr Tree kLine6{"MarrowickWhiteLine6", {}, GrownTree::MarrowickWhiteLine6};
constexpr Tree kLine7{"MarrowickWhiteLine7", {}, GrownTree::MarrowickWhiteLine7};
constexpr Tree kLine10{"MarrowickWhiteLine10", {}, GrownTree::MarrowickWhiteLine10};
constexpr Tree kLine11{"MarrowickWhiteLine11", {}, GrownTree::MarrowickWhiteLine11};

constexpr const Tree* kTrees[] = {&kLine1, &kLine3, &kLine4,  &kLine5,
                                  &kLine6, &kLine7, &kLine10, &kLine11};

const Tree* treeFor(const BookGame& g) {
    switch (g.BookSubLine) {
    case 1:
    case 3:
    case 4:
    case 5:
    case 6:
    case 7:
        return g.BookMoveNo >= 3 ? kTrees[g.BookSubLine == 1 ? 0 : g.BookSubLine - 2] : nullptr;
    case 10:
        return g.BookMoveNo >= 4 ? &kLine10 : nullptr;
    case 11:
        return g.BookMoveNo >= 4 ? &kLine11 : nullptr;
    default:
        return nullptr;
    }
}

constexpr Transform kIdentity{{X, Y}, {X, Y}};
constexpr Transform kMirror{{16 - X, Y}, {16 - X, Y}};
constexpr Transform kLine1Transforms[] = {
    kIdentity,
    kMirror,
    {{16 - Y, 16 - X}, {16 - Y, 16 - X}},
    {{16 - Y, X}, {Y, 16 - X}},
};
constexpr Transform kMirrored[] = {kIdentity, kMirror};
constexpr Transform kFixed[] = {kIdentity};
// Lines 10 and 11 start from a position that is not symmetric about the centre, hence
// the shifts.
constexpr Transform kLines10And11[] = {
    kIdentity,
    {{15 - X, 17 - Y}, {15 - X, 17 - Y}},
    kMirror,
    {{X - 1, 17 - Y}, {X + 1, 17 - Y}},
};

// The line's transforms and the orientation to read them by: line 4 mirrors for every
// orientation but 1, lines 3 and 6 never turn.
std::pair<std::span<const Transform>, int> transformOf(const BookGame& g) {
    int o = g.BookOrientation;
    switch (g.BookSubLine) {
    case 1:
        return {kLine1Transforms, o};
    case 4:
        return {kMirrored, o == 1 ? 1 : 2};
    case 5:
    case 7:
        return {kMirrored, o};
    case 3:
    case 6:
        return {kFixed, 1};
    case 10:
    case 11:
        return {kLines10And11, o};
    default:
        return {{}, 0};
    }
}

} // namespace

const Book kMarrowickWhiteBook{
    .name = "MarrowickWhite",
    .flag = &BookState::BookActive,
    .compFiveFirst = true,
    .opening = kOpening,
    .openingKey = [](const BookGame& g) { return g.BookSubLine; },
    .treeFor = treeFor,
    .trees = kTrees,
    .toCanonical =
        [](const BookGame& g, Cell c) {
            auto [table, o] = transformOf(g);
            return ToCanonical(table, o, c);
        },
    .toReal =
        [](const BookGame& g, Cell c) {
            auto [table, o] = transformOf(g);
            return ToReal(table, o, c);
        },
};

} // namespace wuzi::book
