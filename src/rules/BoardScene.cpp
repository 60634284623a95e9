#include "rules/BoardScene.h"

#include "rules/Game.h"
#include "rules/WinningLine.h"

#include <algorithm>

namespace wuzi {

namespace {

BoardScene stonesOf(const GameRecord& record, std::size_t count) {
    BoardScene scene;
    count = std::min(count, record.moves.size());
    for (std::size_t i = 0; i < count; ++i)
        scene.stones.push_back({record.moves[i], isBlackMove(i), static_cast<int>(i) + 1});
    return scene;
}

} // namespace

BoardScene SceneOf(const GameState& g) {
    GameRecord record = RecordOf(g);
    BoardScene scene = stonesOf(record, record.moves.size());
    for (const Marker* m : {&g.imgW, &g.imgB}) {
        if (!m->visible) continue;
        scene.marker = m->cell;
        scene.markerOnBlack = m == &g.imgW;
    }
    if (scene.marker) scene.winningLine = WinningLine(g.BoardCells, *scene.marker);
    return scene;
}

BoardScene SceneOf(const GameRecord& record, std::size_t count) {
    count = std::min(count, record.moves.size());
    BoardScene scene = stonesOf(record, count);
    if (count > 0) {
        scene.marker = record.moves[count - 1];
        scene.markerOnBlack = isBlackMove(count - 1);
        scene.winningLine = WinningLine(BoardAfter(record, count), *scene.marker);
    }
    return scene;
}

BoardScene SceneOf(const ReviewCursor& review) {
    if (!review.source().laidOut) return SceneOf(review.record(), review.position());
    BoardScene scene;
    for (std::size_t i = 0; i < review.size(); ++i)
        scene.stones.push_back({review.record().moves[i], isBlackMove(i)});
    return scene;
}

} // namespace wuzi
