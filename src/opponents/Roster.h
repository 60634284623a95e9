#pragma once

namespace wuzi {

// The 棋手 menu's computer opponents, by their menu index: Corbie, Quillon, Marrowick,
// Peddrin, Corvane and Vesk. How each plays is the opponents' table (Opponent.h); a
// front end needs only their names.
inline constexpr int kOpponentCount = 6;

const char* OpponentName(int index);

} // namespace wuzi
