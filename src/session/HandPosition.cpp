#include "session/HandPosition.h"

#include "rules/WinningLine.h"

#include <algorithm>

namespace wuzi {

PositionProblem CheckPosition(const HandPosition& position) {
    std::array<std::int16_t, kCellCount> board{};
    for (auto [stones, colour] :
         {std::pair{&position.black, kBlackStone}, std::pair{&position.white, kWhiteStone}})
        for (Cell c : *stones) {
            if (!onBoard(c)) return PositionProblem::Stones;
            std::int16_t& cell = board[(c.y - 1) * kBoardSize + (c.x - 1)];
            if (cell != 0) return PositionProblem::Stones;
            cell = colour;
        }
    for (const std::vector<Cell>* stones : {&position.black, &position.white})
        if (std::any_of(stones->begin(), stones->end(),
                        [&](Cell c) { return !WinningLine(board, c).empty(); }))
            return PositionProblem::Five;
    std::size_t lead = position.blackToMove ? 0 : 1;
    if (position.black.size() != position.white.size() + lead) return PositionProblem::Counts;
    return PositionProblem::None;
}

GameRecord RecordOfPosition(const HandPosition& position) {
    GameRecord record;
    for (std::size_t i = 0; i < position.black.size(); ++i) {
        record.moves.push_back(position.black[i]);
        if (i < position.white.size()) record.moves.push_back(position.white[i]);
    }
    return record;
}

HandPosition PositionOfRecord(const GameRecord& record) {
    HandPosition position;
    for (std::size_t i = 0; i < record.moves.size(); ++i)
        (isBlackMove(i) ? position.black : position.white).push_back(record.moves[i]);
    position.blackToMove = isBlackMove(record.moves.size());
    return position;
}

} // namespace wuzi
