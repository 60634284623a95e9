#pragma once

#include "BoardScan.h"
#include "Events.h"
#include "core/Game.h"

#include <span>
#include <string>
#include <vector>

namespace wuzi::fuzz {

// Every message box the game shows, in order.
struct Box {
    std::string kind; // "information", "critical" or "question"
    std::string title;
    std::string text;
};

class MessageLog : public MessageSink {
  public:
    void information(const std::string& title, const std::string& text) override {
        boxes.push_back({"information", title, text});
    }
    void critical(const std::string& title, const std::string& text) override {
        boxes.push_back({"critical", title, text});
    }
    bool question(const std::string& title, const std::string& text) override {
        boxes.push_back({"question", title, text});
        return false;
    }
    std::vector<Box> boxes;
};

// What the player can see of a game, and what the menus hold, at one moment.
struct Snapshot {
    Board board{};
    std::vector<StonePicture> player, computer;
    Marker imgW, imgB;
    int PlayerMoveNo = 0, CompMoveNo = 0, GameMode = 0, Difficulty = 0, SearchLevel = 0;
    Flag PlayerFirst = 0, PlayerTurn = 0, GameActive = 0, CentreRule = 0, OptionsEnabled = 0;
    MenuChecks menu;

    static Snapshot Take(const Game& g);
};

// The rules that hold after every event, whatever happened before. Returns what is
// broken, or an empty string.
std::string CheckState(const Game& g);

// The rules of one event: what it may change and what it must do. `boxes` are the
// message boxes the event showed. Returns what is broken, or an empty string.
std::string CheckEvent(const Event& e, const Snapshot& before, const Snapshot& after,
                       std::span<const Box> boxes);

} // namespace wuzi::fuzz
