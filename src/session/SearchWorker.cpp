#include "session/SearchWorker.h"

#include "engines/SearchEngine.h"

#include <utility>

namespace wuzi {

double SearchDraws::next() {
    if (cursor_ == drawn_.size()) drawn_.push_back(source_.next());
    return drawn_[cursor_++];
}

void SearchDraws::spend() {
    drawn_.erase(drawn_.begin(), drawn_.begin() + static_cast<long>(cursor_));
    cursor_ = 0;
}

SearchWorker::SearchWorker(RandomSource& random, std::function<void()> wake)
    : draws_(random), task_(std::move(wake)) {}

SearchWorker::~SearchWorker() {
    stop();
}

void SearchWorker::start(const SearchState& board, int depth, std::optional<Deadline> deadline) {
    stop();
    cancelled_ = false;
    task_.start([this, board, depth, deadline] {
        if (deadline && depth > 2) return searchInTime(board, depth, *deadline);
        return FindEngineReply(board, depth, draws_, &cancelled_);
    });
}

int SearchWorker::searchInTime(const SearchState& board, int depth, const Deadline& deadline) {
    int early = FindEngineReply(board, 2, draws_, &cancelled_);
    std::size_t earlyDraws = draws_.drawn();
    // The full search draws the same numbers again, as it would have without the first.
    draws_.giveBack();
    SearchContext context(draws_, &cancelled_, &deadline);
    int best = FindEngineReply(board, depth, context);
    if (!context.interrupted() || cancelled_) return best;
    draws_.keepFirst(earlyDraws);
    return early;
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
