#pragma once

#include "playbooks/GrownTrees.h"

#include <map>
#include <set>
#include <vector>

// How far and how wide each grown tree reaches: for every book move, the BookLine values
// that have a node there ("any": one node that does not test the line).
namespace bookgen {

struct MoveLines {
    bool any = false;
    std::set<int> lines;
};

struct Budget {
    wuzi::book::GrownTree tree;
    std::map<int, MoveLines> moves;
    // A tree whose first node is entered from a node of another tree of the book: the
    // entry sets BookSubLine to `subLine` at book move `from.move - 1`.
    wuzi::book::GrownTree enteredFrom = wuzi::book::GrownTree::None;
    int subLine = 0;

    int firstMove() const { return moves.begin()->first; }
    int lastMove() const { return moves.rbegin()->first; }
    const MoveLines* at(int move) const;
};

const std::vector<Budget>& budgets();
const Budget* budgetOf(wuzi::book::GrownTree tree);

} // namespace bookgen
