#include "vesk/WinningLine.h"

#include "vesk/Defence.h"

namespace vesk {

namespace {

// The move the position forces on the side to move, kNoPos when it leaves a choice.
Pos forcedMove(const Board& b) {
    Color me = b.sideToMove();
    Color them = opposite(me);
    if (b.hasFivePoint(me)) return b.points(me, kFivePoint).first();
    if (b.hasFivePoint(them)) return b.points(them, kFivePoint).first();
    if (b.hasFlex4Point(me)) return b.points(me, kFlex4Point).first();
    if (b.hasFlex4Point(them)) {
        MoveList answers;
        addDefences(b, answers);
        return answers.empty() ? b.points(them, kFlex4Point).first() : answers[0];
    }
    return kNoPos;
}

} // namespace

int playOutToFive(Board& b, std::vector<Pos>& line, int mostPlies) {
    int played = 0;
    bool five = false;
    auto play = [&](Pos p) {
        five = b.pattern4(p, b.sideToMove()) == kFiveAny;
        b.play(p);
        ++played;
    };
    for (std::size_t i = 0; i < line.size() && !five; ++i) {
        if (!b.isEmpty(line[i])) break;
        play(line[i]);
    }
    bool whole = played == static_cast<int>(line.size());
    while (whole && !five && played < mostPlies) {
        Pos p = forcedMove(b);
        if (p == kNoPos) break;
        line.push_back(p);
        play(p);
    }
    int fivePly = whole && five ? played : 0;
    while (played-- > 0)
        b.undo();
    return fivePly;
}

bool playsOutToFive(Board& b, std::vector<Pos>& line, int plies) {
    return playOutToFive(b, line, plies) == plies;
}

} // namespace vesk
