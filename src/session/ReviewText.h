#pragma once

#include "session/Review.h"

#include <optional>
#include <string>
#include <string_view>

namespace wuzi {

// A review as a small text file: a header, the game's moves, the accuracies, then a line
// for every move:
//
//   wuzi-review 2
//   moves H8 I9 J10
//   accuracy 93.5 71.25
//   move 1 H8 50 52.5 open H8 H8,I9 none - none
//
// A move's fields: number, cell, black's chance before and after, what was proven of the
// position before for the mover (open, won, lost), Vesk's move and line there, the
// mover's forced win (none, fours, threes) and its line, and the mark. "-" is an empty
// line. Numbers are written so that they read back exactly.
std::string WriteReview(const Review& review);

// The review in `text`; nothing when the text is not one whole, consistent review.
std::optional<Review> ParseReview(std::string_view text);

} // namespace wuzi
