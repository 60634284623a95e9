#pragma once

#include "rules/Types.h"

#include <array>
#include <cstdint>
#include <initializer_list>

// The opening books are data: tables of rows, one row per answer of a node. A node is
// found by the book's move number and line; its rows list the player's stones and say
// what the book answers. Opening rows are in real board coordinates, tree rows in the
// book's canonical frame. Tables are written with the small builders below, e.g.
//
//   {6, 1, {{8, 9}}, play(8, 11).ends()}
//
// "at book move 6 on line 1, the player's (8, 9) is answered at (8, 11) and the book ends".
namespace wuzi::book {

// A cell of a table.
struct Point {
    std::int8_t x = 0;
    std::int8_t y = 0;
    friend constexpr bool operator==(Point, Point) = default;
};

constexpr Point toPoint(Cell c) {
    return {static_cast<std::int8_t>(c.x), static_cast<std::int8_t>(c.y)};
}
constexpr Cell toCell(Point p) {
    return {p.x, p.y};
}

inline constexpr int kMaxRowStones = 6;

// The player's stones that a row answers. An empty list answers every stone that no
// other row of the node lists (the node's default).
struct StoneList {
    constexpr StoneList() = default;
    constexpr StoneList(std::initializer_list<Point> points) {
        for (Point p : points)
            at[count++] = p;
    }
    constexpr bool isDefault() const { return count == 0; }
    constexpr bool contains(Point p) const {
        for (int i = 0; i < count; ++i)
            if (at[i] == p) return true;
        return false;
    }

    std::array<Point, kMaxRowStones> at{};
    std::uint8_t count = 0;
};

inline constexpr std::int8_t kAnyLine = 0;   // the node does not test the line
inline constexpr std::int8_t kKeep = 0;      // line, sub-line or orientation unchanged
inline constexpr std::int8_t kKeepFlip = -1; // LatticeFlip unchanged (else 0 or 1)

// The book's state after a reply.
struct Then {
    std::int8_t line = kKeep;
    std::int8_t subLine = kKeep;
    std::int8_t orientation = kKeep;
    bool ends = false;       // the book's flag is cleared after the reply
    bool keepMoveNo = false; // BookMoveNo is not advanced
    std::int8_t mode = 0;    // GameMode after the book ends; 0 keeps it
    std::int8_t flip = kKeepFlip;
};

enum class Reply : std::uint8_t {
    Play,         // play `at`
    PlayIfEmpty,  // play `at` when the cell `test` is empty, else `alt`
    PlayIfPlayer, // play `at` when `test` holds a player's stone, else `alt`
    AskRoutines,  // the routines in `routines` first; when none placed, the fallback
    HandOver,     // no reply: the general selection answers; `then.mode` is set afterwards
    SwitchMode,   // GameMode and LatticeFlip from `then` first, then the general selection
};

// Routines an AskRoutines row tries, always in this order.
enum Routine : std::uint8_t {
    kCompFive = 1,
    kCompFour = 2,
    kPatternMove1 = 4, // EnginePatternMove stage 1
    kLineMove2 = 8,    // EngineLineMove stage 2
};

// What a row does with the player's stone.
struct Action {
    Reply kind = Reply::Play;
    Point at;
    Then then;
    Point test;
    Point alt;
    Then altThen;
    std::uint8_t routines = 0;
    bool fallbackHandsOver = false; // AskRoutines: hand over when no routine placed

  private:
    // Defined before its callers: clang 14 cannot run a member template in a constant
    // expression whose definition comes later in the class.
    static constexpr std::int8_t i8(int v) { return static_cast<std::int8_t>(v); }
    template <class F> constexpr Action edit(F f) const {
        Action a = *this;
        f(a.then);
        return a;
    }

  public:
    constexpr Action toLine(int line) const {
        return edit([&](Then& t) { t.line = i8(line); });
    }
    constexpr Action subLine(int s) const {
        return edit([&](Then& t) { t.subLine = i8(s); });
    }
    constexpr Action orient(int o) const {
        return edit([&](Then& t) { t.orientation = i8(o); });
    }
    constexpr Action ends() const {
        return edit([](Then& t) { t.ends = true; });
    }
    constexpr Action endsKeepingMoveNo() const {
        return edit([](Then& t) { t.ends = t.keepMoveNo = true; });
    }
    // Ends the book and hands the game to another opponent's chain.
    constexpr Action endsIn(int mode, bool flip) const {
        return edit([&](Then& t) {
            t.ends = true;
            t.mode = i8(mode);
            t.flip = i8(flip);
        });
    }
    // After a hand-over: the game goes on in `mode`.
    constexpr Action thenMode(int mode) const {
        return edit([&](Then& t) { t.mode = i8(mode); });
    }
};

struct Row {
    std::int8_t move; // BookMoveNo of the node
    std::int8_t line; // BookLine of the node (opening rows: the book's opening key)
    StoneList stones;
    Action action;
    std::int8_t coin = 0; // 0: any game; 1: BookCoin False only; 2: BookCoin True only
};

inline constexpr std::int8_t kCoinClear = 1;
inline constexpr std::int8_t kCoinSet = 2;

constexpr Action play(int x, int y) {
    Action a;
    a.at = {static_cast<std::int8_t>(x), static_cast<std::int8_t>(y)};
    return a;
}

constexpr Action ifEmpty(Point test, Action yes, Action no) {
    Action a = yes;
    a.kind = Reply::PlayIfEmpty;
    a.test = test;
    a.alt = no.at;
    a.altThen = no.then;
    return a;
}

constexpr Action ifPlayer(Point test, Action yes, Action no) {
    Action a = ifEmpty(test, yes, no);
    a.kind = Reply::PlayIfPlayer;
    return a;
}

constexpr Action handOver() {
    Action a;
    a.kind = Reply::HandOver;
    return a;
}

constexpr Action switchMode(int mode, bool flip) {
    Action a = handOver().endsIn(mode, flip);
    a.kind = Reply::SwitchMode;
    return a;
}

// The routines first; `fallback` is a Play row or handOver().
constexpr Action ask(std::uint8_t routines, Action fallback) {
    Action a = fallback;
    a.fallbackHandsOver = fallback.kind == Reply::HandOver;
    a.kind = Reply::AskRoutines;
    a.routines = routines;
    return a;
}

} // namespace wuzi::book
