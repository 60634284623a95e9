#pragma once

#include "rules/GameRecord.h"
#include "rules/ReviewCursor.h"

#include <optional>
#include <vector>

namespace wuzi {

// What the board shows, whoever draws it: the stones with their move numbers, the
// last-move marker and, when the last stone made five, the winning line.
struct SceneStone {
    Cell cell;
    bool black = true;
    int number = 0; // 1 for the first move of the game; 0 for a stone laid out by hand
};

struct BoardScene {
    std::vector<SceneStone> stones;
    std::optional<Cell> marker; // the stone that carries the last-move marker
    bool markerOnBlack = true;
    std::vector<Cell> winningLine;
};

// The game being played, or just finished. The marker is the game's own (imgW, imgB).
BoardScene SceneOf(const GameState& g);

// The first `count` moves of a record, the last of them marked.
BoardScene SceneOf(const GameRecord& record, std::size_t count);

// The position a review shows; one laid out by hand has no numbers and no last move.
BoardScene SceneOf(const ReviewCursor& review);

} // namespace wuzi
