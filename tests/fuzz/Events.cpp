#include "Events.h"

#include "PlayerPolicy.h"
#include "engines/SearchEngine.h"
#include "opponents/Opponent.h"
#include "opponents/VeskPlay.h"

#include <array>
#include <cstdio>

namespace wuzi::fuzz {

namespace {

// The events to choose from, with their weights out of 1000: during a game mostly
// clicks, the careful player's seldom broken by anything else; between games mostly the
// choices of the next game and the new game itself.
struct Weighted {
    EventKind kind;
    int weight;
};
using Weights = std::array<Weighted, 13>;
constexpr Weights kCarefulGame{{{EventKind::Click, 975},
                                {EventKind::TakeBack, 4},
                                {EventKind::Hint, 4},
                                {EventKind::NewGame, 1},
                                {EventKind::EndGame, 1},
                                {EventKind::PlayerFirst, 2},
                                {EventKind::ComputerFirst, 2},
                                {EventKind::Difficulty, 3},
                                {EventKind::Opponent, 3},
                                {EventKind::SecondsDigit, 5},
                                {EventKind::TwoPlayers, 0},
                                {EventKind::SetUp, 0},
                                {EventKind::Puzzle, 0}}};
constexpr Weights kLivelyGame{{{EventKind::Click, 925},
                               {EventKind::TakeBack, 10},
                               {EventKind::Hint, 10},
                               {EventKind::NewGame, 5},
                               {EventKind::EndGame, 10},
                               {EventKind::PlayerFirst, 5},
                               {EventKind::ComputerFirst, 5},
                               {EventKind::Difficulty, 10},
                               {EventKind::Opponent, 10},
                               {EventKind::SecondsDigit, 10},
                               {EventKind::TwoPlayers, 0},
                               {EventKind::SetUp, 0},
                               {EventKind::Puzzle, 0}}};
constexpr Weights kBetweenGames{{{EventKind::Click, 60},
                                 {EventKind::TakeBack, 10},
                                 {EventKind::Hint, 10},
                                 {EventKind::NewGame, 240},
                                 {EventKind::EndGame, 20},
                                 {EventKind::PlayerFirst, 80},
                                 {EventKind::ComputerFirst, 80},
                                 {EventKind::Difficulty, 140},
                                 {EventKind::Opponent, 180},
                                 {EventKind::SecondsDigit, 120},
                                 {EventKind::TwoPlayers, 25},
                                 {EventKind::SetUp, 25},
                                 {EventKind::Puzzle, 10}}};

EventKind pickKind(ByteStream& in, const Weights& table) {
    int roll = in.pick(1000);
    for (const Weighted& w : table) {
        if (roll < w.weight) return w.kind;
        roll -= w.weight;
    }
    return table.front().kind;
}

// How each style aims its clicks, in percent, and how often it takes a five it can make.
struct Aim {
    int hint, defend, empty, taken; // the rest go to any pixel
    int takesItsWin;
};
constexpr Aim aimOf(Style s) {
    switch (s) {
    case Style::Careful:
        return {50, 46, 0, 3, 0};
    case Style::Mixed:
        return {30, 30, 20, 10, 40};
    default:
        return {5, 15, 40, 10, 60};
    }
}

// A fraction of a pixel: mostly whole pixels, sometimes exactly a half (the rounding's
// tie), sometimes something else.
float fraction(ByteStream& in) {
    static constexpr float kFractions[8] = {0, 0, 0, 0, 0.5f, 0.25f, 0.75f, 0.999f};
    return kFractions[in.pick(8)];
}

// A point of a cell's snapping range: columns take 21x - 18 .. 21x + 2, rows 20y - 18 ..
// 20y + 1.
void aimAt(Event& e, Cell c, ByteStream& in) {
    e.x = static_cast<float>(21 * c.x - 18 + in.pick(21)) + fraction(in);
    e.y = static_cast<float>(20 * c.y - 18 + in.pick(20)) + fraction(in);
}

void aimAnywhere(Event& e, ByteStream& in) {
    if (in.chance(3)) { // far off the picture, as in a margin of a large window
        e.x = static_cast<float>(in.pick(40001) - 20000);
        e.y = static_cast<float>(in.pick(40001) - 20000);
        return;
    }
    e.x = static_cast<float>(in.pick(381) - 30) + fraction(in);
    e.y = static_cast<float>(in.pick(361) - 30) + fraction(in);
}

} // namespace

Event EventSource::click(const GameView& view, const BookGame& g) {
    Event e{EventKind::Click};
    Aim aim = aimOf(style_);
    bool thinksApart = OpponentAt(view.match().opponent).chooser != Chooser::Routines;
    // Against a thinking opponent a hint costs a search as long as the reply's: the defending
    // player stands in for it, to keep the run within its time.
    if (thinksApart) {
        aim.defend += aim.hint;
        aim.hint = 0;
    }
    int roll = in_.pick(100);
    Cell target;
    if ((roll -= aim.hint) < 0) {
        e.how = "hint";
        target = DefendingCell(g, in_, aim.takesItsWin, true);
    } else if ((roll -= aim.defend) < 0) {
        e.how = "defend";
        target = DefendingCell(g, in_, aim.takesItsWin);
    } else if ((roll -= aim.empty) < 0) {
        e.how = "empty";
        target = AnyEmptyCell(g, in_);
    } else if ((roll -= aim.taken) < 0) {
        e.how = "taken";
        target = AnyTakenCell(g, in_);
    }
    if (isNoCell(target)) {
        e.how = "pixel";
        aimAnywhere(e, in_);
    } else {
        aimAt(e, target, in_);
    }
    e.replyLater = thinksApart && in_.chance(20);
    return e;
}

Event EventSource::Next(const Session& session) {
    const GameView& view = session.view();
    const Weights& weights = !view.gameRunning()        ? kBetweenGames
                             : style_ == Style::Careful ? kCarefulGame
                                                        : kLivelyGame;
    // The window stays responsive while an opponent thinks: its reply comes in among the
    // other events.
    if (view.phase() == Phase::ComputerThinking && in_.chance(50)) return {EventKind::EngineReply};
    EventKind kind = pickKind(in_, weights);
    switch (kind) {
    case EventKind::Click:
        return click(view, session.state());
    case EventKind::NewGame: {
        int roll = in_.pick(10);
        style_ = roll < 4 ? Style::Careful : roll < 8 ? Style::Mixed : Style::Careless;
        return {kind};
    }
    case EventKind::Difficulty:
        return {kind, in_.pick(5) - 1}; // one value on each side of the menu's range
    case EventKind::Opponent:
        return {kind, in_.pick(kOpponentCount + 2) - 1};
    case EventKind::SecondsDigit:
        return {kind, in_.pick(10)};
    case EventKind::TwoPlayers:
    case EventKind::SetUp:
    case EventKind::Puzzle: {
        Event e{kind};
        int length = 8 + in_.pick(400);
        for (int i = 0; i < length; ++i)
            e.script.push_back(in_.byte());
        return e;
    }
    default:
        return {kind};
    }
}

std::string Describe(const Event& e) {
    static constexpr const char* kNames[] = {"new game",
                                             "end game",
                                             "player first",
                                             "computer first",
                                             "difficulty",
                                             "opponent",
                                             "seconds digit",
                                             "click",
                                             "take back",
                                             "hint",
                                             "the thinking opponent replies",
                                             "two players",
                                             "a position set up",
                                             "a puzzle"};
    static_assert(std::size(kNames) == static_cast<std::size_t>(EventKind::Puzzle) + 1);
    std::string text = kNames[static_cast<int>(e.kind)];
    char detail[96] = "";
    if (e.kind == EventKind::Click)
        std::snprintf(detail, sizeof detail, " at (%g, %g) [%s%s]", e.x, e.y, e.how,
                      e.replyLater ? ", reply later" : "");
    else if (e.kind == EventKind::Difficulty || e.kind == EventKind::Opponent ||
             e.kind == EventKind::SecondsDigit)
        std::snprintf(detail, sizeof detail, " %d", e.arg);
    return text + detail;
}

} // namespace wuzi::fuzz
