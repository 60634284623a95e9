#pragma once

#include "rules/Types.h"

#include <optional>
#include <string>
#include <string_view>

namespace wuzi {

// A cell as the board's edge names it: its column, A to O from the left, and its row, 1
// to 15 from the bottom. The centre is "H8".
std::string CoordinateText(Cell c);
// The cell a name gives ("h8" as well as "H8"); nothing for a name off the board.
std::optional<Cell> ParseCoordinate(std::string_view text);

} // namespace wuzi
