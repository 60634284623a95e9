#include "session/WatchMatch.h"

#include "rules/WinningLine.h"
#include "session/Session.h"

#include <optional>

namespace wuzi {

namespace {

// What one side's session tells: the computer's stones, its own game's end; its boxes
// are not shown.
class SideEvents : public SessionEvents {
  public:
    void information(const std::string&, const std::string&) override {}
    void critical(const std::string&, const std::string&) override {}
    void stonePlaced(Cell c, int side) override {
        if (side == kComputer) reply = c;
    }
    std::optional<Cell> reply;
};

} // namespace

struct WatchMatch::Side {
    Side(const Match& match, bool black, Clock& clock, std::function<void()> wake)
        : session(events, clock, random, std::move(wake)) {
        session.chooseOpponent(match.opponent);
        session.chooseDifficulty(match.difficulty);
        if (black)
            session.chooseComputerFirst();
        else
            session.choosePlayerFirst();
        session.newGame();
    }

    SideEvents events;
    SeededRandom random;
    Session session;
};

WatchMatch::WatchMatch(const Match& black, const Match& white, Clock& clock,
                       std::function<void()> wake)
    : black_(std::make_unique<Side>(black, true, clock, wake)),
      white_(std::make_unique<Side>(white, false, clock, wake)) {
    // The computer moving first opens on the centre at once.
    collect(*black_);
}

WatchMatch::~WatchMatch() = default;

WatchMatch::Side& WatchMatch::toMove() {
    return blackToMove() ? *black_ : *white_;
}

bool WatchMatch::thinking() const {
    return black_->session.thinking() || white_->session.thinking();
}

void WatchMatch::step() {
    if (over() || thinking()) return;
    Side& side = toMove();
    // The other side's last stone is this side's player's.
    side.session.play(record_.moves.back());
    collect(side);
}

void WatchMatch::deliver() {
    for (Side* side : {black_.get(), white_.get()}) {
        side->session.deliver();
        collect(*side);
    }
}

void WatchMatch::waitForReply() {
    for (Side* side : {black_.get(), white_.get()}) {
        side->session.waitForReply();
        collect(*side);
    }
}

void WatchMatch::collect(Side& side) {
    if (side.events.reply) {
        record_.moves.push_back(*side.events.reply);
        side.events.reply.reset();
    }
    judge(side);
}

void WatchMatch::judge(Side& side) {
    if (over() || side.session.thinking()) return;
    if (!record_.moves.empty()) {
        ColourBoard board = BoardAfter(record_, record_.moves.size());
        if (!WinningLine(board, record_.moves.back()).empty()) {
            outcome_ =
                isBlackMove(record_.moves.size() - 1) ? Outcome::BlackWon : Outcome::WhiteWon;
            return;
        }
    }
    // A full board, or a side that found no move, ends its own game without a five.
    if (!side.session.view().gameRunning()) outcome_ = Outcome::Draw;
}

} // namespace wuzi
