#include "Writer.h"

#include <sstream>

namespace bookgen {

using namespace wuzi::book;

namespace {

std::string point(Point p) {
    return "{" + std::to_string(p.x) + ", " + std::to_string(p.y) + "}";
}

std::string action(const Action& a) {
    std::string s = "play(" + std::to_string(a.at.x) + ", " + std::to_string(a.at.y) + ")";
    const Then& t = a.then;
    if (t.subLine != kKeep) s += ".subLine(" + std::to_string(t.subLine) + ")";
    if (t.line != kKeep) s += ".toLine(" + std::to_string(t.line) + ")";
    if (t.ends && t.mode != 0)
        s += ".endsIn(" + std::to_string(t.mode) + (t.flip ? ", true)" : ", false)");
    else if (t.ends)
        s += ".ends()";
    return s;
}

std::string row(const Row& r) {
    std::string stones;
    for (int k = 0; k < r.stones.count; ++k)
        stones += (k ? ", " : "") + point(r.stones.at[k]);
    std::string line = r.line == kAnyLine ? "kAnyLine" : std::to_string(r.line);
    return "{" + std::to_string(r.move) + ", " + line + ", {" + stones + "}, " + action(r.action) +
           "}";
}

} // namespace

void writeTrees(std::ostream& out, const std::vector<const Book*>& books, const GrownRows& grown,
                const std::vector<std::string>& commands) {
    out << "// Grown by the book generator (tools/bookgen) from the hand-written rows of the\n"
           "// books: do not edit. Regenerate with\n";
    for (const std::string& command : commands)
        out << "//   " << command << "\n";
    out << "#include \"playbooks/GrownTrees.h\"\n\nnamespace wuzi::book {\n\nnamespace {\n";
    std::ostringstream cases;
    for (const Book* book : books)
        for (const Tree* tree : book->trees) {
            auto it = grown.find(tree);
            if (tree->grown == GrownTree::None || it == grown.end() || it->second.empty()) continue;
            out << "\nconstexpr Row k" << tree->name << "[] = {\n";
            for (const Row& r : it->second)
                out << "    " << row(r) << ",\n";
            out << "};\n";
            cases << "    case GrownTree::" << tree->name << ":\n        return k" << tree->name
                  << ";\n";
        }
    out << "\n} // namespace\n\nstd::span<const Row> GrownRows(GrownTree tree) {\n"
           "    switch (tree) {\n"
        << cases.str()
        << "    default:\n        return {};\n    }\n}\n\n} // namespace wuzi::book\n";
}

} // namespace bookgen
