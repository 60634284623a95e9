#include "session/SearchWorker.h"

#include "engines/SearchEngine.h"

#include <utility>

namespace wuzi {

double SearchDraws::next() {
    if (reused_ < givenBack_.size()) return givenBack_[reused_++];
    fresh_.push_back(source_.next());
    return fresh_.back();
}

void SearchDraws::spend() {
    givenBack_.erase(givenBack_.begin(), givenBack_.begin() + static_cast<long>(reused_));
    reused_ = 0;
    fresh_.clear();
}

void SearchDraws::giveBack() {
    givenBack_.insert(givenBack_.end(), fresh_.begin(), fresh_.end());
    reused_ = 0;
    fresh_.clear();
}

SearchWorker::SearchWorker(RandomSource& random, std::function<void()> wake)
    : draws_(random), task_(std::move(wake)) {}

SearchWorker::~SearchWorker() {
    stop();
}

void SearchWorker::start(const SearchState& board, int depth) {
    stop();
    cancelled_ = false;
    task_.start(
        [this, board, depth] { return FindEngineReply(board, depth, draws_, &cancelled_); });
}

int SearchWorker::collect() {
    int best = task_.collect();
    draws_.spend();
    return best;
}

void SearchWorker::stop() {
    if (!task_.busy()) return;
    cancelled_ = true;
    task_.drop();
    draws_.giveBack();
}

} // namespace wuzi
