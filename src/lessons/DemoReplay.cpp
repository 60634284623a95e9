#include "lessons/DemoReplay.h"

#include "lessons/Commentary.h"
#include "lessons/DemoGames.h"
#include "lessons/LessonTexts.h"

namespace wuzi {

namespace {

constexpr int kVariationGame = 47;
constexpr int kVariationStep = 15;
constexpr int kVariationReplay = 48;
constexpr const char* kVariationQuestion = "是否要看另一种变化？ ";

} // namespace

void DemoReplay::Start(int n) {
    ClearDemoBoard();
    DemoId = n;
    running_ = true;
    finished_ = false;
}

void DemoReplay::ClearDemoBoard() {
    laid_.clear();
    blackStones_.clear();
    whiteStones_.clear();
    DemoStep = 1;
}

void DemoReplay::PlaceDemoStone(int x, int y, bool black) {
    Cell stone{x, y};
    laid_.push_back({black, stone});
    (black ? blackStones_ : whiteStones_).push_back(stone);
    if (stonePlaced_) stonePlaced_();
}

void DemoReplay::DemoTick() {
    if (!running_) return;
    const std::vector<DemoMove>& moves = DemoGame(DemoId);
    const int step = DemoStep;
    const bool isMove = step >= 1 && step <= static_cast<int>(moves.size());
    if (isMove) {
        const DemoMove& move = moves[static_cast<std::size_t>(step - 1)];
        PlaceDemoStone(move.at.x, move.at.y, move.black);
        if (const Commentary* c = FindCommentary(DemoId, step))
            messages_.information(c->title, c->text);
        if (DemoId == kVariationGame && step == kVariationStep) OfferVariation();
    } else {
        running_ = false; // the step after the last move: the stones stay
        finished_ = true;
    }
    ++DemoStep;
}

void DemoReplay::OfferVariation() {
    if (!messages_.question(kSeriesTitle, kVariationQuestion)) return;
    ClearDemoBoard();
    DemoId = kVariationReplay;
    DemoStep = 0; // the tick's increment makes it 1: game 48 starts at the next tick
}

} // namespace wuzi
