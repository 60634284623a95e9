#include "rules/GameRecord.h"

#include "rules/Game.h"
#include <algorithm>

namespace wuzi {

GameRecord RecordOf(const GameState& g) {
    const auto& first = g.PlayerFirst ? g.playerStones : g.compStones;
    const auto& second = g.PlayerFirst ? g.compStones : g.playerStones;
    GameRecord record;
    for (std::size_t k = 0; k < std::max(first.size(), second.size()); ++k) {
        if (k < first.size()) record.moves.push_back(first[k]);
        if (k < second.size()) record.moves.push_back(second[k]);
    }
    return record;
}

ColourBoard BoardAfter(const GameRecord& record, std::size_t count) {
    ColourBoard board{};
    count = std::min(count, record.moves.size());
    for (std::size_t i = 0; i < count; ++i)
        at(board, record.moves[i]) = isBlackMove(i) ? kBlackStone : kWhiteStone;
    return board;
}

} // namespace wuzi
