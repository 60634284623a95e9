#include "support/SearchReference.h"

#include "engines/SearchEngine.h"

namespace wuzi::test {

std::int32_t ReferenceSearch::EngineSearch(int depth, std::int32_t bound, int side,
                                           int& bestIndex) {
    rootValues.clear();
    return level(depth, bound, side, bestIndex, true);
}

std::int32_t ReferenceSearch::level(int depth, std::int32_t bound, int side, int& bestIndex,
                                    bool root) {
    bestIndex = -1;
    if (ended()) return 0;
    if (depth == 0) return s_.EngineEval;
    bool maximise = side == kEnginePlayer;
    std::int32_t best = maximise ? -kFiveScore : kFiveScore;
    const std::int32_t ownFive = -best;
    int next = maximise ? kEngineComputer : kEnginePlayer;
    for (int i = 0; i < 225; ++i) {
        if (s_.EngineCells[i].state != 0) continue;
        int row = s_.EngineCells[i].cell / 15, column = s_.EngineCells[i].cell % 15;
        // A cell holding a trial stone of a shallower level is not free.
        if (s_.EngineBoard[row][column] != kEngineEmpty) continue;
        if (bestIndex < 0) bestIndex = i;
        ++nodes;
        s_.EngineBoard[row][column] = static_cast<std::uint8_t>(side);
        std::int32_t kept = s_.EngineEval;
        EngineEvalUpdate(s_, row, column);
        std::int32_t value;
        if (s_.EngineEval == kFiveScore || s_.EngineEval == -kFiveScore) {
            value = s_.EngineEval;
        } else {
            int ownIndex = -1;
            value = level(depth - 1, best, next, ownIndex, false);
        }
        // A search stopped by the end of the game still takes its trial stone back.
        bool stopped = ended();
        s_.EngineEval = kept;
        s_.EngineBoard[row][column] = kEngineEmpty;
        if (stopped) break;
        if (root) {
            rootValues.push_back({i, value});
            if (value == best) {
                double r = random_.next();
                if (r < 0.3) bestIndex = i;
            }
        }
        if (maximise) {
            if (value > best) {
                best = value;
                bestIndex = i;
            }
            if (value > bound) break;
        } else {
            if (value < best) {
                best = value;
                bestIndex = i;
            }
            if (value < bound) break;
        }
        if (!root && best == ownFive) break;
    }
    return best;
}

} // namespace wuzi::test
