#include "session/ReviewAssembly.h"

#include "session/Accuracy.h"

namespace wuzi {

namespace {

Proven flipped(Proven p) {
    if (p == Proven::Won) return Proven::Lost;
    if (p == Proven::Lost) return Proven::Won;
    return Proven::Open;
}

void setProven(PositionVerdict& v, Proven proven, bool blackToMove) {
    v.proven = proven;
    double toMove = proven == Proven::Won ? 100.0 : 0.0;
    v.blackChance = blackToMove ? toMove : 100.0 - toMove;
}

// The move that starts the position's proven win.
bool playsTheWin(const PositionVerdict& v, Cell move) {
    return v.threatWin && v.threatWin.line.front() == move;
}

// Each step a proof of its own: the first stone of a proven win leaves the other side
// lost, and a move into a position proven lost for the other side was a winning one.
void spreadProven(const GameRecord& record, GameAnalysis& analysis) {
    auto& positions = analysis.positions;
    const auto& moves = record.moves;
    for (std::size_t i = 0; i < moves.size(); ++i)
        if (positions[i].proven == Proven::Won && playsTheWin(positions[i], moves[i]) &&
            positions[i + 1].proven == Proven::Open)
            setProven(positions[i + 1], Proven::Lost, !isBlackMove(i));
    for (std::size_t i = moves.size(); i-- > 0;)
        if (positions[i + 1].proven == Proven::Lost && positions[i].proven == Proven::Open)
            setProven(positions[i], Proven::Won, isBlackMove(i));
}

double moverChance(double blackChance, bool black) {
    return black ? blackChance : 100.0 - blackChance;
}

// The mover's chance after the move: certain when proven; else the position after as deep
// as the one before, unless its own longer search saw a forced five; else (Vesk's own
// choice) the chance before.
double chanceAfter(const GameAnalysis& analysis, std::size_t i, Cell played) {
    const PositionVerdict& before = analysis.positions[i];
    const PositionVerdict& after = analysis.positions[i + 1];
    bool black = isBlackMove(i);
    if (after.proven != Proven::Open || after.over) return moverChance(after.blackChance, black);
    bool fiveSeenAfter = after.search.winningPlies() != 0;
    if (analysis.judged[i] && !fiveSeenAfter)
        return moverChance(analysis.judged[i]->blackChance, black);
    if (played == before.search.move) return moverChance(before.blackChance, black);
    return moverChance(after.blackChance, black);
}

MoveFacts factsOf(const GameRecord& record, const GameAnalysis& analysis, std::size_t i) {
    const auto& positions = analysis.positions;
    MoveFacts f;
    f.chanceBefore = moverChance(positions[i].blackChance, isBlackMove(i));
    f.chanceAfter = chanceAfter(analysis, i, record.moves[i]);
    f.before = positions[i].proven;
    f.after = flipped(positions[i + 1].proven);
    f.wonLastTurn = i >= 2 && positions[i - 2].proven == Proven::Won;
    f.threatWinBefore = static_cast<bool>(positions[i].threatWin);
    f.lossForeseen = positions[i].search.winningPlies() < 0;
    return f;
}

ReviewedMove reviewedMove(const GameRecord& record, const PositionVerdict& before,
                          const MoveFacts& facts, std::size_t i) {
    ReviewedMove m;
    m.number = static_cast<int>(i) + 1;
    m.cell = record.moves[i];
    m.blackBefore = before.blackChance;
    m.blackAfter = moverChance(facts.chanceAfter, isBlackMove(i)); // back to black's side
    m.provenBefore = before.proven;
    m.threatWin = before.threatWin;
    m.best = before.threatWin ? before.threatWin.line.front() : before.search.move;
    m.bestLine = before.threatWin ? before.threatWin.line : before.search.pv;
    return m;
}

} // namespace

bool NeedsJudging(const PositionVerdict& before, Cell played) {
    return before.proven == Proven::Open && !before.over && before.search.depth >= 2 &&
           played != before.search.move;
}

Review AssembleReview(const GameRecord& record, GameAnalysis analysis,
                      const SoleWinningMove& soleWinningMove) {
    spreadProven(record, analysis);
    Review review;
    review.record = record;
    for (std::size_t i = 0; i < record.moves.size(); ++i) {
        MoveFacts facts = factsOf(record, analysis, i);
        if (MayBeBrilliant(facts)) facts.soleWinningMove = soleWinningMove(i);
        ReviewedMove m = reviewedMove(record, analysis.positions[i], facts, i);
        m.mark = MarkMove(facts);
        review.moves.push_back(std::move(m));
    }
    SideAccuracy accuracy = GameAccuracy(review.moves);
    review.blackAccuracy = accuracy.black;
    review.whiteAccuracy = accuracy.white;
    return review;
}

} // namespace wuzi
