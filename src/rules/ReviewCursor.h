#pragma once

#include "rules/GameRecord.h"

#include <algorithm>
#include <cstddef>

namespace wuzi {

// Steps through a finished game or an opened record without touching any game: the
// board shows the first position() moves of the record.
class ReviewCursor {
  public:
    // A review opens on the final position.
    explicit ReviewCursor(GameRecord record)
        : record_(std::move(record)), position_(record_.moves.size()) {}

    const GameRecord& record() const { return record_; }
    std::size_t position() const { return position_; }
    std::size_t size() const { return record_.moves.size(); }
    bool atStart() const { return position_ == 0; }
    bool atEnd() const { return position_ == size(); }

    void First() { position_ = 0; }
    void Previous() {
        if (!atStart()) --position_;
    }
    void Next() {
        if (!atEnd()) ++position_;
    }
    void Last() { position_ = size(); }
    // The position after the first `moves` moves (all of them when there are fewer).
    void GoTo(std::size_t moves) { position_ = std::min(moves, size()); }

  private:
    GameRecord record_;
    std::size_t position_;
};

} // namespace wuzi
