#include "Budgets.h"

#include <sstream>
#include <stdexcept>
#include <string>

namespace bookgen {

using wuzi::book::GrownTree;

namespace {

// "3:any 4:1-6 5:1-9,11-15": book move, then the lines that have a node.
std::map<int, MoveLines> parse(const std::string& text) {
    std::map<int, MoveLines> out;
    std::istringstream in(text);
    std::string item;
    while (in >> item) {
        auto colon = item.find(':');
        int move = std::stoi(item.substr(0, colon));
        std::string lines = item.substr(colon + 1);
        MoveLines& m = out[move];
        if (lines == "any") {
            m.any = true;
            continue;
        }
        std::istringstream ranges(lines);
        std::string range;
        while (std::getline(ranges, range, ',')) {
            auto dash = range.find('-');
            int low = std::stoi(range.substr(0, dash));
            int high = dash == std::string::npos ? low : std::stoi(range.substr(dash + 1));
            for (int l = low; l <= high; ++l)
                m.lines.insert(l);
        }
    }
    if (out.empty()) throw std::invalid_argument("empty budget");
    return out;
}

Budget make(GrownTree tree, const char* text, GrownTree from = GrownTree::None, int subLine = 0) {
    return {tree, parse(text), from, subLine};
}

} // namespace

const MoveLines* Budget::at(int move) const {
    auto it = moves.find(move);
    return it == moves.end() ? nullptr : &it->second;
}

const std::vector<Budget>& budgets() {
    static const std::vector<Budget> all = {
        // Marrowick as black.
        make(GrownTree::MarrowickBlackSubLine1,
             "3:any 4:1-6 5:1-13 6:1-22 7:1-27 8:1-18 9:1-17 10:1-7 11:1-3 12:1 13:1"),
        make(GrownTree::MarrowickBlackSubLine4,
             "3:any 4:1-2 5:1-2 6:1-6 7:1-11 8:1-6 9:1-2 10:1-2 11:1-2"),
        make(GrownTree::MarrowickBlackSubLine5,
             "3:any 4:1-5 5:1-11 6:1-19 7:1-26 8:1-27 9:1-25 10:1-24 11:1-18 12:1-15 "
             "13:1-17 14:1-9 15:1-8 16:1-6 17:1-3"),
        make(GrownTree::MarrowickBlackSubLine6, "3:any 4:1 5:1 6:1 7:1-2 8:1-4 9:1-3 10:1-2"),
        make(GrownTree::MarrowickBlackGroup2,
             "2:any 3:1-4 4:1-8 5:1-12 6:1-13 7:1-16 8:1-14 9:1-16 10:1-12 11:1-10 12:1-5 "
             "13:1-3 14:1-2"),
        make(GrownTree::MarrowickBlackGroup3, "3:any 4:any 5:1-3 6:1-7 7:1-16 8:1-9 9:1-5 10:1"),
        make(GrownTree::MarrowickBlackSubLine8,
             "4:any 5:1-2 6:1-3 7:1-4 8:1-4 9:1-4 10:1-4 11:1-3 12:1-3 13:1-3 14:1-2 15:1-2 "
             "16:1-2 17:1",
             GrownTree::MarrowickBlackGroup3, 8),
        make(GrownTree::MarrowickBlackSubLine9,
             "4:any 5:1-2 6:1-3 7:1-3 8:1-3 9:1-2 10:1-2 11:1-2 12:1",
             GrownTree::MarrowickBlackGroup3, 9),
        make(GrownTree::MarrowickBlackSubLine10, "4:any 5:1-2 6:1-2 7:1-3 8:1-2 9:1-2 10:1 11:1",
             GrownTree::MarrowickBlackGroup3, 10),
        // Marrowick as white.
        make(GrownTree::MarrowickWhiteLine1,
             "3:any 4:1-6 5:1-13 6:1-22 7:1-32 8:1-25 9:1-26 10:1-12 11:1-7 12:1-4 13:1-2 14:1-2"),
        make(GrownTree::MarrowickWhiteLine3, "3:any 4:1"),
        make(GrownTree::MarrowickWhiteLine4, "3:any 4:1 5:1-2 6:1-2"),
        make(GrownTree::MarrowickWhiteLine5, "3:any 4:1 5:1 6:1-2 7:1 8:1"),
        make(GrownTree::MarrowickWhiteLine6, "3:any 4:1-3 5:1-3 6:1-6 7:1-4 8:1-2 9:1 10:1-2 11:1"),
        make(GrownTree::MarrowickWhiteLine7, "3:any 4:1"),
        // Two sub-trees after move 5: line 1 (the shorter) and line 2, numbered apart.
        make(GrownTree::MarrowickWhiteLine10,
             "4:any 5:1-2 6:1-3 7:1-10 8:1-17 9:1-35 10:1-23 11:1-20 12:1-13 13:1-6 14:1-3 "
             "15:1-3 16:1-2"),
        make(GrownTree::MarrowickWhiteLine11, "4:any 5:1-3 6:1"),
        // Quillon's main book.
        make(GrownTree::QuillonWhiteTreeA,
             "4:any 5:1-9,11-15 6:1-18 7:1-29 8:1-38 9:1-48 10:1-30 11:1-29 12:1-25 13:1-29 "
             "14:1-19 15:1-13 16:1-8 17:1-2 18:1 19:1"),
        make(GrownTree::QuillonWhiteTreeB, "5:any 6:1-2 7:1-3 8:1-3 9:1-5 10:1-3 11:1-3 12:1-2"),
        make(GrownTree::QuillonWhiteTreeC, "5:any 6:1-2 7:1-2 8:1-2 9:1-2"),
    };
    return all;
}

const Budget* budgetOf(GrownTree tree) {
    for (const Budget& b : budgets())
        if (b.tree == tree) return &b;
    return nullptr;
}

} // namespace bookgen
