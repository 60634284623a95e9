#pragma once

#include <span>

namespace wuzi {

// A message shown right after a step of a demonstration game has placed its stone.
struct Commentary {
    int game;
    int step;
    const char* title;
    const char* text; // lines separated by "\r\n"
};

std::span<const Commentary> CommentaryTable();

// The commentary at (game, step), or nullptr when that step passes in silence.
const Commentary* FindCommentary(int game, int step);

} // namespace wuzi
