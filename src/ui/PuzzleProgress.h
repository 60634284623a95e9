#pragma once

#include "session/Puzzle.h"

#include <QSet>
#include <QString>

#include <array>

class QSettings;

namespace wuzi {

// What the player has done of 习题, kept between runs: the puzzles solved and tried, and
// per level the streak of puzzles solved without a wrong stone or giving up.
class PuzzleProgress {
  public:
    void read(const QSettings& settings);
    void write(QSettings& settings) const;

    bool solved(const QString& id) const { return solved_.contains(id); }
    bool tried(const QString& id) const { return tried_.contains(id); }
    int streak(PuzzleLevel level) const { return streaks_[static_cast<std::size_t>(level)]; }

    void markTried(const QString& id) { tried_.insert(id); }
    // Solved; `clean`: with no wrong stone and no hint, which keeps the streak going.
    void markSolved(const Puzzle& puzzle, bool clean);
    // A wrong stone or giving up ends the level's streak.
    void breakStreak(PuzzleLevel level) { streaks_[static_cast<std::size_t>(level)] = 0; }

  private:
    QSet<QString> solved_, tried_;
    std::array<int, kPuzzleLevels> streaks_{};
};

} // namespace wuzi
