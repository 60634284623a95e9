#pragma once

#include "rules/GameRecord.h"
#include "session/Review.h"

#include <filesystem>
#include <optional>

namespace wuzi {

// Finished reviews kept in one directory (the window's data directory), a small text
// file a game, named by a hash of the game's moves: reopening a game finds its review
// without analysing it again.
class ReviewStore {
  public:
    explicit ReviewStore(std::filesystem::path directory) : directory_(std::move(directory)) {}

    // Writes the review beside the others: to a temporary file first, then renamed over
    // the old one, so that a reader never sees half a file. False when it could not be
    // written (the directory is made if need be).
    bool save(const Review& review) const;
    // The review kept for exactly these moves; nothing when there is none, or when the
    // file is damaged or belongs to other moves.
    std::optional<Review> load(const GameRecord& record) const;
    // Where the review of these moves is kept.
    std::filesystem::path pathFor(const GameRecord& record) const;

  private:
    std::filesystem::path directory_;
};

} // namespace wuzi
