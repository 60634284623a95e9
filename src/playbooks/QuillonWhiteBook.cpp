#include "playbooks/Book.h"

namespace wuzi::book {

namespace {

// Quillon's main book as white: ten lines by the player's second stone, an orientation
// fixed at move 3 (or, for the pending values 13 to 18, at move 4), and three trees.
constexpr Row kOpening[] = {
    {1, kAnyLine, {{8, 8}}, play(9, 9)},
    {2, kAnyLine, {{7, 7}}, play(7, 9).toLine(1)},
    {2, kAnyLine, {{9, 7}}, play(7, 9).toLine(2)},
    {2, kAnyLine, {{7, 9}}, play(9, 7).toLine(3)},
    {2, kAnyLine, {{6, 6}}, play(7, 9).toLine(4)},
    {2, kAnyLine, {{10, 6}}, play(7, 9).toLine(5)},
    {2, kAnyLine, {{6, 10}}, play(9, 7).toLine(6)},
    {2, kAnyLine, {{6, 8}}, play(7, 9).toLine(7)},
    {2, kAnyLine, {{8, 6}}, play(9, 7).toLine(8)},
    {2, kAnyLine, {{10, 8}}, play(7, 9).toLine(9)},
    {2, kAnyLine, {{8, 10}}, play(9, 7).toLine(10)},
    // Move 3, keyed by the line.
    {3, 1, {{6, 6}}, play(9, 8).orient(1)},
    {3, 1, {{6, 8}}, play(9, 8).orient(2)},
    {3, 2, {{10, 6}}, play(7, 8).orient(3)},
    {3, 2, {{10, 8}}, play(7, 8).orient(4)},
    {3, 3, {{6, 10}}, play(8, 7).orient(5)},
    {3, 3, {{8, 10}}, play(8, 7).orient(6)},
    {3, 4, {{7, 7}}, play(9, 8).orient(1)},
    {3, 4, {{6, 8}}, play(9, 8).orient(7)},
    {3, 4, {{8, 6}}, play(9, 8).orient(8)},
    {3, 5, {{9, 7}}, play(7, 8).orient(3)},
    {3, 5, {{10, 8}}, play(7, 8).orient(9)},
    {3, 5, {{8, 6}}, play(7, 8).orient(10)},
    {3, 6, {{7, 9}}, play(8, 7).orient(5)},
    {3, 6, {{8, 10}}, play(8, 7).orient(11)},
    {3, 6, {{6, 8}}, play(8, 7).orient(12)},
    {3, 7, {{7, 7}}, play(9, 8).orient(2)},
    {3, 7, {{6, 6}}, play(9, 8).orient(7)},
    {3, 7, {{8, 6}}, play(9, 8).orient(13)},
    {3, 8, {{7, 7}}, play(8, 9).orient(14)},
    {3, 8, {{6, 8}}, play(8, 9).orient(15)},
    {3, 8, {{6, 6}}, play(8, 9).orient(16)},
    {3, 9, {{9, 7}}, play(7, 8).orient(4)},
    {3, 9, {{10, 6}}, play(7, 8).orient(9)},
    {3, 9, {{8, 6}}, play(7, 8).orient(17)},
    {3, 10, {{7, 9}}, play(8, 7).orient(6)},
    {3, 10, {{6, 10}}, play(8, 7).orient(11)},
    {3, 10, {{6, 8}}, play(8, 7).orient(18)},
    // Move 4 of the pending orientations, keyed by the orientation.
    {4, 13, {{6, 6}}, play(9, 10).orient(7)},
    {4, 13, {{7, 7}}, play(9, 5).orient(2)},
    {4, 14, {{6, 6}}, play(10, 9).orient(11).toLine(6)},
    {4, 14, {{6, 8}}, play(5, 9).orient(10)},
    {4, 14, {{9, 5}}, play(6, 8).endsKeepingMoveNo()},
    {4, 15, {{6, 6}}, play(10, 9).orient(12)},
    {4, 15, {{7, 7}}, play(5, 9).orient(10)},
    {4, 16, {{6, 8}}, play(10, 9).orient(12)},
    {4, 16, {{7, 7}}, play(10, 9).orient(11).toLine(6)},
    {4, 17, {{10, 6}}, play(7, 10).orient(8)},
    {4, 17, {{9, 7}}, play(7, 5).orient(4)},
    {4, 18, {{6, 10}}, play(10, 7).orient(9)},
    {4, 18, {{7, 9}}, play(5, 7).orient(6)},
};

constexpr std::uint8_t kFiveFour = kCompFive | kCompFour;

constexpr Row kTreeA[] = {
    {4, kAnyLine, {{8, 6}}, play(8, 9).toLine(2)},
    {4, kAnyLine, {{7, 5}}, play(8, 9).toLine(3)},
    {4, kAnyLine, {{6, 8}}, play(9, 10).toLine(6)},
    {4, kAnyLine, {{8, 9}}, play(9, 11).toLine(8)},
    {5, 1, {{6, 9}}, play(10, 7).toLine(1)},
    {5, 1, {{10, 9}}, play(10, 7).toLine(2)},
    {5, 7, {{8, 10}}, play(8, 7).ends()},
    {5, 7, {}, play(9, 11).ends()},
    {8, 34, {{5, 11}, {6, 11}}, ask(kFiveFour | kPatternMove1, play(10, 11).toLine(45))},
    {8, 34, {{7, 8}, {8, 9}, {11, 12}, {12, 13}}, play(8, 6).toLine(46)},
    {8, 34, {}, play(7, 10).ends()},
    {9, 40, {}, ask(kFiveFour, handOver())},
    {14, 1, {}, ask(kLineMove2, handOver())},
    {14, 13, {{12, 8}}, ask(kFiveFour, play(12, 7).toLine(10))},
    {14, 16, {{13, 10}}, ask(kFiveFour, play(11, 10).toLine(12))},
};

constexpr Row kTreeB[] = {
    {5, kAnyLine, {{9, 7}}, play(8, 9).toLine(1)},
    {5, kAnyLine, {{8, 9}}, play(8, 7).toLine(2)},
    {12, 2, {}, play(11, 11).ends()},
};

constexpr Row kTreeC[] = {
    {5, kAnyLine, {{9, 7}}, play(8, 9).toLine(1)},
    {5, kAnyLine, {{9, 11}}, play(8, 9).toLine(2)},
    {9, 1, {}, play(9, 11).ends()},
};

constexpr Tree kA{"QuillonWhiteTreeA", kTreeA, GrownTree::QuillonWhiteTreeA};
constexpr Tree kB{"QuillonWhiteTreeB", kTreeB, GrownTree::QuillonWhiteTreeB};
constexpr Tree kC{"QuillonWhiteTreeC", kTreeC, GrownTree::QuillonWhiteTreeC};
constexpr const Tree* kTrees[] = {&kA, &kB, &kC};

// The four transforms that the final orientations share.
constexpr Transform kTransforms[] = {
    {{X, Y}, {X, Y}},
    {{16 - X, Y}, {16 - X, Y}},
    {{16 - Y, X}, {Y, 16 - X}},
    {{Y, X}, {Y, X}},
};

// Final orientations 1 to 12: the tree and the transform (1 to 4).
struct Final {
    const Tree* tree;
    int transform;
};
constexpr Final kFinal[] = {{&kA, 1}, {&kB, 1}, {&kA, 2}, {&kB, 2}, {&kA, 3}, {&kB, 3},
                            {&kC, 1}, {&kC, 2}, {&kC, 3}, {&kB, 4}, {&kA, 4}, {&kC, 4}};

const Final* finalOrientation(const BookGame& g) {
    if (g.BookOrientation < 1 || g.BookOrientation > 12) return nullptr;
    return &kFinal[g.BookOrientation - 1];
}

const Tree* treeFor(const BookGame& g) {
    const Final* f = finalOrientation(g);
    return f && g.BookMoveNo >= 4 ? f->tree : nullptr;
}

int transformOf(const BookGame& g) {
    const Final* f = finalOrientation(g);
    return f ? f->transform : 0;
}

} // namespace

const Book kQuillonWhiteBook{
    .name = "QuillonWhite",
    .flag = &BookState::BookActive,
    .compFiveFirst = true,
    .opening = kOpening,
    .openingKey =
        [](const BookGame& g) { return g.BookMoveNo <= 3 ? g.BookLine : g.BookOrientation; },
    .treeFor = treeFor,
    .trees = kTrees,
    .toCanonical = [](const BookGame& g,
                      Cell c) { return ToCanonical(kTransforms, transformOf(g), c); },
    .toReal = [](const BookGame& g, Cell c) { return ToReal(kTransforms, transformOf(g), c); },
};

} // namespace wuzi::book
