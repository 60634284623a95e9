#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace wuzi::fuzz {

// Feeds any bytes to the brain's protocol reader and checks how it answers. The first
// three bytes choose the opponent, the difficulty and the seconds digit; the rest is
// the text, read line by line as pbrain-wuzi reads its input, up to END. A time limit
// comes first and the brain's clock races past every deadline, so no search runs long.
// Every line must be answered or ignored: at most one answer (a move on the board, OK,
// UNKNOWN, ERROR, the ABOUT line), after any MESSAGE lines, with no control characters.
// Returns what went wrong, with the line that did it.
std::optional<std::string> CheckBrainSession(std::span<const std::uint8_t> bytes);

} // namespace wuzi::fuzz
