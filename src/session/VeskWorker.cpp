#include "session/VeskWorker.h"

#include <chrono>
#include <thread>
#include <utility>

namespace wuzi {

VeskWorker::VeskWorker(int hashMegabytes, std::function<void()> wake)
    : hashMegabytes_(hashMegabytes), task_(std::move(wake)) {}

VeskWorker::~VeskWorker() {
    stop();
}

vesk::Engine& VeskWorker::engine() {
    if (!engine_) {
        vesk::EngineOptions options;
        options.hashMegabytes = hashMegabytes_;
        engine_ = std::make_unique<vesk::Engine>(options);
    }
    return *engine_;
}

void VeskWorker::start(std::vector<Cell> position, const vesk::ThinkLimits& limits) {
    stop();
    vesk::Engine& vesk = engine();
    task_.start([&vesk, position = std::move(position), limits] {
        if (!vesk.setPosition(position)) return vesk::ThinkResult{};
        return vesk.think(limits);
    });
}

vesk::ThinkResult VeskWorker::collect() {
    return task_.collect();
}

void VeskWorker::stop() {
    if (!task_.busy()) return;
    // A search that has only just begun clears the engine's stop flag as it starts: ask
    // again until it has ended.
    while (!task_.done()) {
        engine_->stop();
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    task_.drop();
    // What a stopped search left in the table depends on when it stopped; the next
    // search must not depend on that.
    engine_->newGame();
}

void VeskWorker::newGame() {
    if (engine_) engine_->newGame();
}

void VeskWorker::resize(int hashMegabytes) {
    stop();
    hashMegabytes_ = hashMegabytes;
    engine_.reset();
}

} // namespace wuzi
