// bookgen: grows the deeper trees of the opening books and writes them as the source
// file src/playbooks/GrownTrees.cpp. Deterministic: the same hand-written rows always
// give the same file.
#include "Advisor.h"
#include "Grower.h"
#include "Openings.h"
#include "ThreatSolver.h"
#include "Writer.h"

#include <fstream>
#include <iostream>
#include <sstream>

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::cerr << "usage: bookgen OUTPUT.cpp\n";
        return 2;
    }
    using namespace wuzi::book;
    struct Job {
        const Book* book;
        int opponent;
        bool playerFirst;
        bool bothCoins;
    };
    const Job jobs[] = {{&kMarrowickBlackBook, 2, false, true},
                        {&kMarrowickWhiteBook, 2, true, false},
                        {&kQuillonWhiteBook, 1, true, false}};
    bookgen::Platform platform;
    bookgen::ThreatSolver solver;
    bookgen::Advisor advisor(solver);
    bookgen::GrownRows grown;
    std::vector<const Book*> books;
    for (const Job& job : jobs) {
        std::cerr << job.book->name << "\n";
        bookgen::Grower grower(*job.book, advisor, std::cerr);
        grower.grow(bookgen::openingGames(*job.book, job.opponent, job.playerFirst, job.bothCoins,
                                          platform));
        for (const Tree* tree : job.book->trees)
            grown[tree] = grower.rows(tree);
        books.push_back(job.book);
    }
    for (const std::string& fault : platform.messages.faults)
        std::cerr << "fault: " << fault << "\n";
    if (!platform.messages.faults.empty()) return 1;
    std::ostringstream text;
    bookgen::writeTrees(text, books, grown,
                        {"cmake --build build --target bookgen",
                         "build/tools/bookgen/bookgen src/playbooks/GrownTrees.cpp"});
    std::ofstream out(argv[1]);
    out << text.str();
    return out ? 0 : 1;
}
