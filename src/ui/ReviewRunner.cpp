#include "ui/ReviewRunner.h"

namespace wuzi {

ReviewRunner::ReviewRunner(QString directory, QObject* parent)
    : QObject(parent), store_(directory.toStdString()), reviewer_([this] {
          QMetaObject::invokeMethod(this, &ReviewRunner::reviewReady, Qt::QueuedConnection);
      }) {
    connect(this, &ReviewRunner::reviewReady, this, &ReviewRunner::collect);
    progressTicks_.setInterval(250);
    connect(&progressTicks_, &QTimer::timeout, this, &ReviewRunner::changed);
}

void ReviewRunner::start(const GameRecord& record) {
    reviewer_.cancel();
    record_ = record;
    review_ = store_.load(record);
    if (!review_) {
        reviewer_.start(record, limits_);
        progressTicks_.start();
    }
    emit changed();
}

void ReviewRunner::cancel() {
    if (!reviewer_.running()) return;
    reviewer_.cancel();
    progressTicks_.stop();
    emit changed();
}

void ReviewRunner::collect() {
    if (!reviewer_.finished()) return; // cancelled meanwhile
    progressTicks_.stop();
    review_ = reviewer_.collect();
    if (review_) store_.save(*review_);
    emit changed();
}

} // namespace wuzi
