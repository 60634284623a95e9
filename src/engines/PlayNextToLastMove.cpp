#include "engines/AIHard.h"
#include "rules/Fault.h"
#include "rules/Placement.h"

#include <vector>

namespace wuzi {

namespace {

// The bands of a coordinate: low 1..4, inner-low 5..8, inner-high 9..12, high 13..15.
enum class Band { Low, InnerLow, InnerHigh, High };

Band bandOf(int c) {
    if (c <= 4) return Band::Low;
    if (c <= 8) return Band::InnerLow;
    if (c <= 12) return Band::InnerHigh;
    return Band::High;
}

// The row step of the diagonal neighbour tried at the edge columns, by the row's band.
int diagonalRowStep(int y) {
    Band b = bandOf(y);
    return b == Band::Low || b == Band::InnerHigh ? 1 : -1;
}

// Candidate cells in the order they are tried; cells off the board are left out.
class Candidates {
  public:
    void add(int x, int y) {
        if (onBoard(x, y)) cells_.push_back({x, y});
    }
    void addRow(int row, int from, int to) {
        for (int c = from; c <= to; ++c)
            add(c, row);
    }
    void addColumn(int column, int from, int to) {
        for (int r = from; r <= to; ++r)
            add(column, r);
    }
    const std::vector<Cell>& cells() const { return cells_; }

  private:
    std::vector<Cell> cells_;
};

// At the edge columns toward the centre (with a diagonal by the row's band), in the
// inner columns outward, away from column 8.
void firstNeighbours(Candidates& out, int x, int y) {
    switch (bandOf(x)) {
    case Band::Low:
        out.add(x + 1, y);
        out.add(x + 1, y + diagonalRowStep(y));
        break;
    case Band::InnerLow:
        out.add(x - 1, y);
        break;
    case Band::InnerHigh:
        out.add(x + 1, y);
        break;
    case Band::High:
        out.add(x - 1, y);
        out.add(x - 1, y + diagonalRowStep(y));
        break;
    }
}

// The square ring at distance n: rows below and above, then columns right and left,
// each as two ranges walked upward.
void ring(Candidates& out, int x, int y, int n) {
    for (int row : {y + n, y - n}) {
        out.addRow(row, x, x + n);
        out.addRow(row, x - n, x);
    }
    for (int column : {x + n, x - n}) {
        out.addColumn(column, y, y + n);
        out.addColumn(column, y - n, y);
    }
}

void starPoints(Candidates& out, int x, int y, int n) {
    out.add(x, y + n);
    out.add(x + n, y + n);
    out.add(x - n, y);
    out.add(x + n, y - n);
    out.add(x, y - n);
    out.add(x - n, y - n);
    out.add(x + n, y);
    out.add(x - n, y + n);
}

std::vector<Cell> candidateOrder(int x, int y) {
    Candidates out;
    firstNeighbours(out, x, y);
    for (int n = 1; n <= 15; ++n) {
        if (n >= 4 && n <= 7) ring(out, x, y, n);
        starPoints(out, x, y, n);
    }
    for (int column = 1; column <= 15; ++column)
        out.addColumn(column, 1, 15);
    return out.cells();
}

} // namespace

void PlayNextToLastMove(Game& g, int x, int y) {
    guarded(g, [&] {
        for (Cell c : candidateOrder(x, y))
            if (g.isEmpty(c) && PlayMove(g, c)) return;
    });
}

} // namespace wuzi
