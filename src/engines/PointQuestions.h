#pragma once

#include "engines/PointTests.h"

namespace wuzi {

// The questions asked of a candidate cell c through the point tests, each leaving out
// the line under examination (`skip`): the point test in an answering mode, and its answer.

// Would a computer stone on c make a four in another line?
inline bool MakesComputerFour(Game& g, Cell c, int skip) {
    return ComputerFourAt(g, c.x, c.y, skip, 1, FourMode::Answer);
}
// ... a four in a line other than `skip` and `keep`?
inline bool MakesComputerFourBeyond(Game& g, Cell c, int skip, int keep) {
    return ComputerFourAt(g, c.x, c.y, skip, keep, FourMode::AnswerUnlessKept);
}
// ... a live three in another line?
inline bool MakesComputerThree(Game& g, Cell c, int skip) {
    return ComputerThreeAt(g, c.x, c.y, skip, ComputerThreeMode::Answer);
}
// Would a player stone on c make an open four in another line?
inline bool MakesPlayerOpenFour(Game& g, Cell c, int skip) {
    return PlayerOpenFourAt(g, c.x, c.y, skip);
}
// ... a four with an open end in another line?
inline bool MakesPlayerFour(Game& g, Cell c, int skip) {
    return PlayerFourAt(g, c.x, c.y, skip, PlayerFourMode::Answer);
}
// ... a four the Difficulty guards against: none at 0, an open four at 1, any four above?
// Only those fours are asked.
inline bool MakesFearedPlayerFour(Game& g, Cell c, int skip) {
    if (g.Difficulty == 0) return false;
    if (MakesPlayerOpenFour(g, c, skip)) return true;
    return g.Difficulty != 1 && MakesPlayerFour(g, c, skip);
}

// Does the first of the regions cut at a and b across a line in direction `dir` hold
// more player stones than the second (see ComparePlayerRegions)?
inline bool FirstRegionHoldsMorePlayerStones(Game& g, Cell a, Cell b, int dir) {
    return ComparePlayerRegions(g, a.x, a.y, b.x, b.y, dir);
}

} // namespace wuzi
