#pragma once

#include "session/GameReview.h"
#include "session/ReviewStore.h"

#include <QObject>
#include <QString>
#include <QTimer>

#include <optional>

namespace wuzi {

// 复盘分析 in the window: a game's review found at once in the data directory when it
// was made before, else Vesk's analysis of every position on a thread of its own, its
// progress told while the window goes on; a finished review is kept for the next time.
class ReviewRunner : public QObject {
    Q_OBJECT
  public:
    ReviewRunner(QString directory, QObject* parent = nullptr);

    // Reviews the record: a review under way is cancelled first.
    void start(const GameRecord& record);
    void cancel();
    bool running() const { return reviewer_.running(); }
    GameReview::Progress progress() const { return reviewer_.progress(); }
    // The record last started, and its review once finished.
    const std::optional<GameRecord>& record() const { return record_; }
    const std::optional<Review>& review() const { return review_; }
    // The time each position gets; the tests give less.
    void setLimits(const ReviewLimits& limits) { limits_ = limits; }

  signals:
    // Progress, a finished review, or a cancelled one: show it.
    void changed();
    // A review finished on the reviewer's thread: collected on the window's.
    void reviewReady();

  private:
    void collect();

    ReviewStore store_;
    ReviewLimits limits_;
    GameReview reviewer_;
    std::optional<GameRecord> record_;
    std::optional<Review> review_;
    QTimer progressTicks_;
};

} // namespace wuzi
