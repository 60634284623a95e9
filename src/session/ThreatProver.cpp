#include "session/ThreatProver.h"

#include "vesk/Board.h"

#include <cstddef>

namespace wuzi {

namespace {

// The most bits whose table fits in the megabytes given.
int tableBits(int megabytes) {
    int bits = 10;
    while (bits < 24 && (std::size_t{1} << (bits + 1)) * vesk::kProofEntryBytes <=
                            static_cast<std::size_t>(megabytes) << 20)
        ++bits;
    return bits;
}

ThreatWin winOf(ThreatKind kind, const std::vector<vesk::Pos>& line) {
    ThreatWin win{kind, {}};
    for (vesk::Pos p : line)
        win.line.push_back(vesk::toCell(p));
    return win;
}

} // namespace

ThreatProver::ThreatProver(int tableMegabytes, long nodes, const std::atomic<bool>& stop)
    : search_(tableBits(tableMegabytes)), nodes_(nodes), stop_(stop) {}

Proof ThreatProver::prove(const std::vector<Cell>& stones) {
    vesk::Board b;
    for (Cell c : stones)
        b.play(vesk::fromCell(c));
    vesk::ProofSearch::Limits limits;
    limits.nodes = nodes_;
    limits.stop = &stop_;
    std::vector<vesk::Pos> line;
    limits.foursOnly = true;
    if (search_.solve(b, limits, &line) > 0) return {Proven::Won, winOf(ThreatKind::Fours, line)};
    limits.foursOnly = false;
    if (search_.solve(b, limits, &line) > 0)
        return {Proven::Won, winOf(ThreatKind::FoursAndThrees, line)};
    if (search_.provesLoss(b, limits)) return {Proven::Lost, {}};
    return {};
}

} // namespace wuzi
