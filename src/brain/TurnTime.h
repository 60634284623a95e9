#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace wuzi {

// The time a reply may take, as the managers' INFO lines tell it (milliseconds):
// timeout_turn for each move (0: as fast as possible), timeout_match for the whole match
// (0: no limit) and time_left of it, sent before each move.
class TurnTime {
  public:
    // Takes one INFO value; false when the key is not about time.
    bool inform(const std::string& key, std::int64_t milliseconds);
    // How long the next reply may take, a margin for the answer's way back kept aside;
    // none when no limit is known.
    std::optional<std::int64_t> budget() const;

  private:
    std::optional<std::int64_t> turn_, match_, left_;
};

} // namespace wuzi
