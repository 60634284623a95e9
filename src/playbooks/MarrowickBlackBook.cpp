#include "playbooks/Book.h"

namespace wuzi::book {

namespace {

// Marrowick's book as black. A diagonal first stone leads to group 1 (sub-lines 1 and
// 4 to 7), black (8, 8), (9, 7); white (9, 9). An orthogonal one leads, by the game's
// coin, to group 2, black (8, 8), (9, 6); white (8, 9), or to group 3 (sub-lines 3 and
// 8 to 10), black (8, 8), (9, 9); white (8, 9).
constexpr Row kOpening[] = {
    {1, kAnyLine, {{9, 9}}, play(9, 7).subLine(1).orient(1)},
    {1, kAnyLine, {{7, 9}}, play(7, 7).subLine(1).orient(2)},
    {1, kAnyLine, {{9, 7}}, play(9, 9).subLine(1).orient(3)},
    {1, kAnyLine, {{7, 7}}, play(7, 9).subLine(1).orient(4)},
    {1, kAnyLine, {{8, 9}}, play(9, 6).subLine(2).orient(1), kCoinClear},
    {1, kAnyLine, {{8, 9}}, play(9, 9).subLine(3).orient(1), kCoinSet},
    {1, kAnyLine, {{9, 8}}, play(6, 7).subLine(2).orient(2), kCoinClear},
    {1, kAnyLine, {{9, 8}}, play(9, 7).subLine(3).orient(2), kCoinSet},
    {1, kAnyLine, {{8, 7}}, play(7, 10).subLine(2).orient(3), kCoinClear},
    {1, kAnyLine, {{8, 7}}, play(7, 7).subLine(3).orient(3), kCoinSet},
    {1, kAnyLine, {{7, 8}}, play(10, 9).subLine(2).orient(4), kCoinClear},
    {1, kAnyLine, {{7, 8}}, play(7, 9).subLine(3).orient(4), kCoinSet},
};

// Group 1's second move picks the sub-line; the sub-line 1 tree keeps it.
constexpr Row kSubLine1[] = {
    {2, kAnyLine, {{7, 9}}, play(10, 7).subLine(1), kCoinClear},
    {2, kAnyLine, {{7, 9}}, play(8, 6).subLine(4), kCoinSet},
    {2, kAnyLine, {{10, 6}}, play(6, 8).subLine(5)},
    {2, kAnyLine, {{8, 6}}, play(10, 6).subLine(6)},
    {2, kAnyLine, {{10, 8}}, play(10, 9).subLine(7)},
    {2, kAnyLine, {{8, 7}}, play(7, 6).endsIn(9, true)},
    {4, 1, {{10, 9}}, play(11, 9).toLine(1)},
    {4, 1, {{8, 9}}, play(10, 9).toLine(2)},
    {4, 1, {{11, 9}}, play(10, 9).toLine(3)},
    {4, 1, {{7, 8}}, play(10, 9).toLine(4)},
    {4, 1, {{9, 8}}, play(10, 9).toLine(5)},
    {4, 1, {{10, 6}}, play(11, 8).toLine(6)},
    {4, 1, {{11, 8}}, play(10, 9).toLine(7)},
    {7, 19, {}, switchMode(8, true)},
};

constexpr Row kGroup2[] = {
    {2, kAnyLine, {{7, 8}}, play(6, 7).toLine(1)},
    {2, kAnyLine, {{9, 7}}, play(7, 7).toLine(2)},
    {2, kAnyLine, {{7, 9}}, play(9, 9).toLine(3)},
    {2, kAnyLine, {{7, 6}}, play(7, 8).toLine(4)},
    {7, 11, {{7, 10}}, play(6, 4).endsIn(9, false)},
    {9, 1, {{9, 10}}, play(9, 9).endsIn(9, true)},
    {11, 3, {{6, 5}, {8, 7}, {11, 10}}, ifPlayer({11, 8}, play(9, 9).ends(), play(9, 10).ends())},
};

constexpr Row kGroup3[] = {
    {2, kAnyLine, {{9, 8}}, play(10, 7).subLine(3)},
};

constexpr Row kSubLine5[] = {
    {6, 1, {{10, 8}}, ifEmpty({7, 9}, play(7, 9).toLine(1), play(8, 4).toLine(2))},
};

constexpr Row kSubLine6[] = {
    {5, 1, {{10, 7}}, play(10, 5).endsIn(9, true)},
};

constexpr Row kSubLine7[] = {
    {3, kAnyLine, {{11, 7}}, play(12, 6).endsIn(9, false)},
    {3, kAnyLine, {{8, 10}}, play(7, 11).endsIn(9, true)},
    {3, kAnyLine, {}, handOver().thenMode(9)},
};

constexpr Tree kSub1{"MarrowickBlackSubLine1", kSubLine1, GrownTree::MarrowickBlackSubLine1};
constexpr Tree kSub2{"MarrowickBlackGroup2", kGroup2, GrownTree::MarrowickBlackGroup2};
constexpr Tree kSub3{"MarrowickBlackGroup3", kGroup3, GrownTree::MarrowickBlackGroup3};
constexpr Tree kSub4{"MarrowickBlackSubLine4", {}, GrownTree::MarrowickBlackSubLine4};
constexpr Tree kSub5{"MarrowickBlackSubLine5", kSubLine5, GrownTree::MarrowickBlackSubLine5};
constexpr Tree kSub6{"MarrowickBlackSubLine6", kSubLine6, GrownTree::MarrowickBlackSubLine6};
constexpr Tree kSub7{"MarrowickBlackSubLine7", kSubLine7};
constexpr Tree kSub8{"MarrowickBlackSubLine8", {}, GrownTree::MarrowickBlackSubLine8};
constexpr Tree kSub9{"MarrowickBlackSubLine9", {}, GrownTree::MarrowickBlackSubLine9};
constexpr Tree kSub10{"MarrowickBlackSubLine10", {}, GrownTree::MarrowickBlackSubLine10};

// Indexed by BookSubLine.
constexpr const Tree* kTrees[] = {&kSub1, &kSub2, &kSub3, &kSub4, &kSub5,
                                  &kSub6, &kSub7, &kSub8, &kSub9, &kSub10};

const Tree* treeFor(const BookGame& g) {
    if (g.BookMoveNo < 2 || g.BookSubLine < 1 || g.BookSubLine > 10) return nullptr;
    return kTrees[g.BookSubLine - 1];
}

// Group 1 reflects in the centre's column and row; groups 2 and 3 turn by quarters.
constexpr Transform kDiagonalGroup[] = {
    {{X, Y}, {X, Y}},
    {{16 - X, Y}, {16 - X, Y}},
    {{X, 16 - Y}, {X, 16 - Y}},
    {{16 - X, 16 - Y}, {16 - X, 16 - Y}},
};
constexpr Transform kOrthogonalGroups[] = {
    {{X, Y}, {X, Y}},
    {{16 - Y, X}, {Y, 16 - X}},
    {{16 - X, 16 - Y}, {16 - X, 16 - Y}},
    {{Y, 16 - X}, {16 - Y, X}},
};

std::span<const Transform> transformsOf(const BookGame& g) {
    bool diagonal = g.BookSubLine == 1 || (g.BookSubLine >= 4 && g.BookSubLine <= 7);
    return diagonal ? std::span<const Transform>(kDiagonalGroup) : kOrthogonalGroups;
}

} // namespace

const Book kMarrowickBlackBook{
    .name = "MarrowickBlack",
    .flag = &BookState::BookActive,
    .compFiveFirst = true,
    .opening = kOpening,
    .openingKey = [](const BookGame&) { return 0; },
    .treeFor = treeFor,
    .trees = kTrees,
    .toCanonical = [](const BookGame& g,
                      Cell c) { return ToCanonical(transformsOf(g), g.BookOrientation, c); },
    .toReal = [](const BookGame& g,
                 Cell c) { return ToReal(transformsOf(g), g.BookOrientation, c); },
};

} // namespace wuzi::book
