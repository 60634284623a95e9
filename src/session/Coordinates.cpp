#include "session/Coordinates.h"

#include <cctype>
#include <charconv>

namespace wuzi {

std::string CoordinateText(Cell c) {
    return static_cast<char>('A' + c.x - 1) + std::to_string(kBoardSize + 1 - c.y);
}

std::optional<Cell> ParseCoordinate(std::string_view text) {
    if (text.size() < 2) return std::nullopt;
    int x = std::toupper(static_cast<unsigned char>(text.front())) - 'A' + 1;
    int row = 0;
    auto [end, error] = std::from_chars(text.data() + 1, text.data() + text.size(), row);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    Cell c{x, kBoardSize + 1 - row};
    if (!onBoard(c)) return std::nullopt;
    return c;
}

} // namespace wuzi
