#pragma once

#include "BoardScan.h"
#include "Events.h"
#include "rules/Game.h"
#include "session/GameFlow.h"
#include "support/RecordingMessages.h"

#include <optional>
#include <span>
#include <string>
#include <vector>

namespace wuzi::fuzz {

// Every message box the game shows, in order.
using MessageLog = test::RecordingMessages;
using Box = MessageLog::Box;

// What the player can see of a game, and what the menus hold, at one moment.
struct Snapshot {
    Board board{};
    std::vector<Cell> player, computer;
    Marker imgW, imgB;
    int PlayerMoveNo = 0, CompMoveNo = 0, GameMode = 0, Difficulty = 0, SearchLevel = 0;
    bool PlayerFirst = false, PlayerTurn = false, GameActive = false, CentreRule = false;
    MenuChecks menu;
    bool replyOwed = false; // a thinking opponent has the player's stone

    static Snapshot Take(const EngineGame& g, const MenuChecks& menu);
};

// The rules that hold after every event, whatever happened before. Returns what is
// broken, or an empty string. A game played on from a position set up by hand
// (`setUp`) need not have begun on the centre.
std::string CheckState(const EngineGame& g, bool setUp = false);

// Nothing of the game changed (an episode of another mode that leaves it alone).
std::string CheckUnchanged(const Snapshot& before, const Snapshot& after);

// The rules of one event: what it may change and what it must do. `boxes` are the
// message boxes the event showed. Returns what is broken, or an empty string. Take-backs
// and hints have their own checks below.
std::string CheckEvent(const Event& e, const Snapshot& before, const Snapshot& after,
                       std::span<const Box> boxes);

// 悔棋: with `earlier`, the position before the player's last stone, the game must be
// back there exactly, but for the run's settings while the game was running (a game
// taken back past its five gets its own back too); without it nothing may change.
std::string CheckTakeBack(const Snapshot& before, const Snapshot& after, std::span<const Box> boxes,
                          const Snapshot* earlier);

// 提示: changes nothing and shows nothing; on the player's turn it names a free cell (the
// centre while the first stone must go there), outside it nothing.
std::string CheckHint(const Snapshot& before, const Snapshot& after, std::span<const Box> boxes,
                      std::optional<Cell> hint);

// The game's record (what 保存棋谱 writes) reads back as the same moves and lays out the
// board the game shows.
std::string CheckRecord(const Game& g);

// What the window draws: the winning five ringed, through the marked stone, exactly when
// the board holds a five.
std::string CheckScene(const Game& g);

} // namespace wuzi::fuzz
