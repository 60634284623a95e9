#pragma once

#include "rules/GameRecord.h"

#include <algorithm>
#include <cstddef>
#include <optional>

namespace wuzi {

// One of the computer's opponents at a difficulty, numbered as the options number them.
struct ComputerSide {
    int opponent = 0;
    int difficulty = 0;
    friend bool operator==(const ComputerSide&, const ComputerSide&) = default;
};

// What a review knows of its record besides the moves.
struct RecordSource {
    // The stones are a position set up by hand (摆棋), laid in no order: the review shows
    // that one position, without move numbers or a last move.
    bool laidOut = false;
    // A game the computer played against itself (观战): who had black, who white.
    std::optional<ComputerSide> black, white;
    friend bool operator==(const RecordSource&, const RecordSource&) = default;
};

// Steps through a finished game or an opened record without touching any game: the
// board shows the first position() moves of the record. A position laid out by hand is
// shown whole, and there is nothing to step through.
class ReviewCursor {
  public:
    // A review opens on the final position.
    explicit ReviewCursor(GameRecord record, RecordSource source = {})
        : record_(std::move(record)), source_(source), position_(record_.moves.size()) {}

    const GameRecord& record() const { return record_; }
    const RecordSource& source() const { return source_; }
    std::size_t position() const { return position_; }
    std::size_t size() const { return record_.moves.size(); }
    bool atStart() const { return position_ == start(); }
    bool atEnd() const { return position_ == size(); }

    void First() { position_ = start(); }
    void Previous() {
        if (!atStart()) --position_;
    }
    void Next() {
        if (!atEnd()) ++position_;
    }
    void Last() { position_ = size(); }
    // The position after the first `moves` moves (all of them when there are fewer).
    void GoTo(std::size_t moves) { position_ = std::clamp(moves, start(), size()); }

  private:
    std::size_t start() const { return source_.laidOut ? size() : 0; }

    GameRecord record_;
    RecordSource source_;
    std::size_t position_;
};

} // namespace wuzi
