#include "ui/PuzzleProgress.h"

#include <QSettings>
#include <QStringList>

namespace wuzi {

namespace {

QString streakKey(std::size_t level) {
    return QString("puzzles/streak%1").arg(level);
}

QSet<QString> setOf(const QVariant& value) {
    QStringList list = value.toStringList();
    return {list.begin(), list.end()};
}

QStringList listOf(const QSet<QString>& set) {
    QStringList list(set.begin(), set.end());
    list.sort();
    return list;
}

} // namespace

void PuzzleProgress::read(const QSettings& settings) {
    solved_ = setOf(settings.value("puzzles/solved"));
    tried_ = setOf(settings.value("puzzles/tried"));
    for (std::size_t level = 0; level < streaks_.size(); ++level)
        streaks_[level] = std::max(0, settings.value(streakKey(level)).toInt());
}

void PuzzleProgress::write(QSettings& settings) const {
    settings.setValue("puzzles/solved", listOf(solved_));
    settings.setValue("puzzles/tried", listOf(tried_));
    for (std::size_t level = 0; level < streaks_.size(); ++level)
        settings.setValue(streakKey(level), streaks_[level]);
}

void PuzzleProgress::markSolved(const Puzzle& puzzle, bool clean) {
    QString id = QString::fromStdString(puzzle.id);
    tried_.insert(id);
    // A puzzle solved again does not lengthen the streak.
    bool first = !solved_.contains(id);
    solved_.insert(id);
    int& streak = streaks_[static_cast<std::size_t>(puzzle.level)];
    if (!clean)
        streak = 0;
    else if (first)
        ++streak;
}

} // namespace wuzi
