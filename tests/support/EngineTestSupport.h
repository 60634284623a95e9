#pragma once

#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <cctype>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

namespace wuzi::test {

// A position drawn as a picture whose first character is the cell `topLeft`:
//   '.' empty   'X' a computer stone   'O' a player stone
//   'x', 'o'    the newest stone of that side (every other stone is older)
struct Drawing {
    Cell topLeft;
    std::vector<std::string> rows;
};

inline void Draw(Game& g, const Drawing& d) {
    std::vector<std::string> rows = d.rows;
    std::vector<Cell> newest;
    for (std::size_t r = 0; r < rows.size(); ++r) {
        for (std::size_t c = 0; c < rows[r].size(); ++c) {
            char& ch = rows[r][c];
            if (ch != 'x' && ch != 'o') continue;
            ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
            newest.push_back(
                {d.topLeft.x + static_cast<int>(c), d.topLeft.y + static_cast<int>(r)});
        }
    }
    SetPosition(g, rows, d.topLeft, newest);
}

// Runs one move routine on the current position and returns the cell of the stone it
// placed, or (0, 0) when it placed none. More than one stone, or CompMoved out of step
// with the board, fails the test.
template <class Routine> Cell PlayedBy(Game& g, Routine routine) {
    int before = g.CompMoveNo;
    g.CompMoved = false;
    g.GameActive = true;
    routine();
    int placed = g.CompMoveNo - before;
    EXPECT_LE(placed, 1) << Picture(g);
    EXPECT_EQ(g.CompMoved, placed == 1) << Picture(g);
    EXPECT_TRUE(BoardMatchesHistories(g));
    return placed == 1 ? g.compStones.back() : Cell{};
}

inline constexpr Cell kNoMove{};

// One call of an engine entry that takes a stage, on a drawn position under GameMode
// `mode` (LatticeFlip True), and the cell its stone must go to (kNoMove: none).
struct StagedCase {
    const char* what;
    std::function<void(BookGame&, int)> entry;
    int stage;
    int difficulty;
    int mode;
    Cell expected;
    Drawing board;
};
inline std::ostream& operator<<(std::ostream& out, const StagedCase& c) {
    return out << c.what << " (stage " << c.stage << ", difficulty " << c.difficulty << ")";
}

inline void ExpectStaged(const StagedCase& c) {
    TestGame t;
    Draw(t.g, c.board);
    t.g.Difficulty = c.difficulty;
    t.g.GameMode = c.mode;
    t.g.LatticeFlip = true;
    EXPECT_EQ(PlayedBy(t.g, [&] { c.entry(t.g, c.stage); }), c.expected);
    EXPECT_EQ(t.messages.count("critical"), 0);
}

} // namespace wuzi::test
