#include "ui/SearchRunner.h"

#include "engines/SearchEngine.h"

namespace wuzi {

double ReplayedDraws::next() {
    double value = used_ < again_.size() ? again_[used_++] : source_.next();
    drawn_.push_back(value);
    return value;
}

SearchRunner::SearchRunner(Game& game, QObject* parent) : QObject(parent), game_(game) {}

SearchRunner::~SearchRunner() {
    stop();
    joinWorker();
}

void SearchRunner::joinWorker() {
    if (worker_.joinable()) worker_.join();
}

void SearchRunner::startIfOwed() {
    if (pending_ || !EngineReplyOwed(game_)) return;
    joinWorker(); // a stopped search plays out its last few trial stones
    int depth = game_.SearchLevel;
    auto cancelled = std::make_shared<std::atomic<bool>>(false);
    cancelled_ = cancelled;
    unsigned generation = ++generation_;
    pending_ = true;
    auto draws = std::make_shared<ReplayedDraws>(game_.random, std::move(drawsOfSuspended_));
    drawsOfSuspended_.clear();
    draws_ = draws;
    worker_ = std::thread([this, board = game_.engine, depth, cancelled, generation, draws] {
        int best = FindEngineReply(board, depth, *draws, cancelled.get());
        QMetaObject::invokeMethod(
            this, [this, generation, best] { finished(generation, best); }, Qt::QueuedConnection);
    });
}

void SearchRunner::stop() {
    if (!pending_) return;
    cancelled_->store(true);
    ++generation_;
    pending_ = false;
    drawsOfSuspended_.clear();
}

bool SearchRunner::suspend() {
    if (!pending_) return false;
    stop(); // MoveSignal stays True: the reply is still owed
    joinWorker();
    drawsOfSuspended_ = draws_->drawn();
    return true;
}

void SearchRunner::finished(unsigned generation, int bestIndex) {
    if (generation != generation_) return;
    pending_ = false;
    PlaceEngineReply(game_, bestIndex);
    emit replyPlaced();
}

} // namespace wuzi
