#include "Invariants.h"
#include "engines/SearchEngine.h"
#include "opponents/TakeBack.h"
#include "rules/BoardScene.h"
#include "rules/Placement.h"
#include "session/GameFlow.h"
#include "session/Hint.h"
#include "support/TestSupport.h"
#include "ui/BoardGeometry.h"

#include <gtest/gtest.h>

#include <functional>

namespace wuzi::fuzz {
namespace {

constexpr float clickX(int x) {
    return static_cast<float>(21 * x - 8);
}
constexpr float clickY(int y) {
    return static_cast<float>(20 * y - 8);
}

// A game driven as the harness drives it, with the checks of one event at hand.
struct Harness {
    MessageLog messages;
    FixedDigitClock clock{1};
    SeededRandom random;
    BookGame g{messages, clock, random};
    MenuChecks menu;
    Snapshot before;

    Snapshot snapshot() const { return Snapshot::Take(g, menu); }
    void start(bool playerFirst) {
        if (playerFirst)
            OnPlayerFirst(g, menu);
        else
            OnComputerFirst(g, menu);
        NewGame(g, menu);
    }
    Event click(Cell c) { return click(clickX(c.x), clickY(c.y)); }
    Event click(float X, float Y) {
        Event e{EventKind::Click, 0, X, Y};
        run(e, [&] { OnBoardClick(g, BoardGeometry::cellAt(X, Y)); });
        return e;
    }
    void run(const Event&, const std::function<void()>& apply) {
        messages.boxes.clear();
        before = snapshot();
        apply();
    }
    std::string check(const Event& e, const Snapshot& after) {
        std::string problem = CheckEvent(e, before, after, messages.boxes);
        return problem.empty() ? CheckState(g) : problem;
    }
    std::string check(const Event& e) { return check(e, snapshot()); }
};

// Faults planted into a sound event: the event itself passes, the planted fault must not.
struct PlantedFault {
    const char* name;
    std::function<void(Harness&, Snapshot&)> plant; // into the game or the snapshot after
    const char* reported;
};
void PrintTo(const PlantedFault& c, std::ostream* out) {
    *out << c.name;
}

class PlantedFaultTest : public ::testing::TestWithParam<PlantedFault> {};

TEST_P(PlantedFaultTest, IsReported) {
    Harness h;
    h.start(true);
    ASSERT_EQ(h.check(h.click({8, 8})), "");
    Event e = h.click({4, 12});
    ASSERT_EQ(h.check(e), "") << test::Picture(h.g);
    Snapshot after = h.snapshot();
    GetParam().plant(h, after);
    EXPECT_NE(h.check(e, after).find(GetParam().reported), std::string::npos)
        << "reported: " << h.check(e, after);
}

INSTANTIATE_TEST_SUITE_P(
    Faults, PlantedFaultTest,
    ::testing::Values(
        PlantedFault{"OverwrittenStone",
                     [](Harness&, Snapshot& a) {
                         Put(a.board, {8, 8}, kComputer);
                     },
                     "a taken cell changed: (8, 8)"},
        PlantedFault{"SecondComputerStone",
                     [](Harness& h, Snapshot& a) {
                         CompPlace(h.g, 14, 2);
                         a = h.snapshot();
                     },
                     "the computer placed 2 stones in one turn"},
        PlantedFault{"NoAnswer",
                     [](Harness&, Snapshot& a) {
                         Cell d = a.computer.back();
                         Put(a.board, d, kEmpty);
                         a.computer.pop_back();
                     },
                     "the computer did not answer"},
        PlantedFault{"StoneBesideTheClick",
                     [](Harness&, Snapshot& a) {
                         Put(a.board, {4, 12}, kEmpty);
                         Put(a.board, {5, 12}, kPlayer);
                         a.player.back().x += 1;
                     },
                     "placed its stone on (5, 12)"},
        PlantedFault{"GameEndedWithoutFive",
                     [](Harness& h, Snapshot& a) {
                         EndGame(h.g);
                         a = h.snapshot();
                     },
                     "the game ended without a five or a full board"},
        PlantedFault{"FaultBox",
                     [](Harness& h, Snapshot&) { h.g.messages.critical("错误", "下标越界"); },
                     "fault reported: 错误 \"下标越界\""},
        PlantedFault{"StrayMessage",
                     [](Harness& h, Snapshot&) { h.g.messages.information("提示", "玩家胜!"); },
                     "expected no message, shown 提示 \"玩家胜!\""},
        PlantedFault{"MarkerOffTheNewestStone", [](Harness& h, Snapshot&) { h.g.imgB.cell.x += 1; },
                     "the marker is not on the newest stone"},
        PlantedFault{"TurnKeptByTheComputer",
                     [](Harness& h, Snapshot& a) { a.PlayerTurn = h.g.PlayerTurn = false; },
                     "the turn did not come back to the player"},
        PlantedFault{"HistoryLosesAStone",
                     [](Harness& h, Snapshot&) { h.g.compStones.erase(h.g.compStones.begin()); },
                     "BoardCells differs from the move histories"},
        PlantedFault{"ClickChangesTheOpponent", [](Harness&, Snapshot& a) { a.menu.opponent = 4; },
                     "the turn changed the menu checks"}),
    [](const auto& info) { return info.param.name; });

TEST(CheckEvent, OnlyMarrowicksBooksHandTheGameToCorvane) {
    Harness h; // Marrowick, player first: mode 4
    h.start(true);
    h.click({8, 8});
    Event e = h.click({4, 12});
    Snapshot after = h.snapshot();
    after.GameMode = 8;
    EXPECT_EQ(h.check(e, after), "");
    after.GameMode = 6;
    EXPECT_EQ(h.check(e, after), "the turn changed GameMode");
}

TEST(CheckEvent, ClicksSnapToTheCellsOfTheirPixelRanges) {
    struct Case {
        float X, Y;
        Cell cell;
    };
    // Column x takes the pixels 21x - 18 .. 21x + 2, row y the pixels 20y - 18 .. 20y + 1;
    // the outer ones everything beyond; half pixels round to the even neighbour.
    for (Case c : {Case{23, 21, {1, 1}}, Case{24, 22, {2, 2}}, Case{0, 0, {1, 1}},
                   Case{400, 400, {15, 15}}, Case{-2000, 150, {1, 8}}, Case{23.5f, 41.5f, {2, 2}},
                   Case{22.5f, 40.5f, {1, 2}}, Case{296, 281, {14, 14}}}) {
        Harness h;
        h.start(false); // no centre rule
        Event e = h.click(c.X, c.Y);
        ASSERT_EQ(h.g.playerStones.size(), 1u) << c.X << ", " << c.Y;
        EXPECT_EQ(h.g.playerStone(1), c.cell) << c.X << ", " << c.Y;
        EXPECT_EQ(h.check(e), "") << c.X << ", " << c.Y;
    }
}

TEST(CheckEvent, RefusedClicksChangeNothing) {
    Harness h;
    h.start(true);
    Event offCentre = h.click({7, 8});
    EXPECT_EQ(h.check(offCentre), ""); // "第一步请走在天元!" and nothing else
    Snapshot placed = h.snapshot();
    Put(placed.board, {7, 8}, kPlayer);
    EXPECT_EQ(h.check(offCentre, placed), "a refused click changed BoardCells");

    h.click({8, 8});
    Event taken = h.click({8, 8});
    EXPECT_EQ(h.check(taken), "");
    h.g.messages.information("提示", "第一步请走在天元!");
    EXPECT_NE(h.check(taken).find("placed no stone"), std::string::npos);
}

TEST(CheckEvent, MenuCommandsSetOnlyTheirOwnValues) {
    Harness h;
    Event hard{EventKind::Difficulty, 2};
    h.run(hard, [&] { OnDifficulty(h.g, 2); });
    EXPECT_EQ(h.check(hard), "");
    h.g.SearchLevel = 3;
    EXPECT_EQ(h.check(hard), "difficulty 2 changed SearchLevel wrongly");

    h.g.SearchLevel = 4;
    h.start(true);
    Event during{EventKind::Opponent, 0};
    h.run(during, [&] { OnOpponent(h.g, h.menu, 0); });
    EXPECT_EQ(h.check(during), ""); // ignored while the options are disabled
    h.menu.opponent = 0;
    EXPECT_EQ(h.check(during), "opponent 0 changed the menu checks wrongly");
}

TEST(CheckEvent, NewGameStartsFromAFreshBoard) {
    Harness h;
    h.start(true);
    h.click({8, 8});
    Event fresh{EventKind::NewGame};
    h.run(fresh, [&] {
        EndGame(h.g);
        OnComputerFirst(h.g, h.menu);
        NewGame(h.g, h.menu);
    });
    // The snapshot before the new game already had the computer side checked.
    h.before.menu.playerFirst = false;
    EXPECT_EQ(h.check(fresh), "");
    Snapshot leftover = h.snapshot();
    Put(leftover.board, {8, 9}, kPlayer);
    EXPECT_EQ(h.check(fresh, leftover), "a new game set up BoardCells wrongly");
}

TEST(CheckTakeBack, RestoresThePositionBeforeThePlayersStone) {
    Harness h;
    TakeBack takeBack;
    h.start(true);
    takeBack.playerClick(h.g, [&] { h.click({8, 8}); });
    Snapshot earlier = h.snapshot();
    takeBack.playerClick(h.g, [&] { h.click({4, 12}); });
    Snapshot before = h.snapshot();
    OnDifficulty(h.g, 1); // ignored during the game: the settings stay as they were
    ASSERT_TRUE(takeBack.Undo(h.g));
    Snapshot after = h.snapshot();
    EXPECT_EQ(CheckTakeBack(before, after, {}, &earlier), "");

    Snapshot kept = after;
    Put(kept.board, {4, 12}, kPlayer);
    EXPECT_EQ(CheckTakeBack(before, kept, {}, &earlier), "a take-back did not restore BoardCells");
    EXPECT_EQ(CheckTakeBack(before, after, {}, nullptr),
              "a take-back with nothing to take back changed BoardCells");
    Box box{"information", "提示", "玩家胜!"};
    EXPECT_EQ(CheckTakeBack(before, after, {&box, 1}, &earlier),
              "a take-back showed 提示 \"玩家胜!\"");
}

TEST(CheckHint, NamesAFreeCellAndChangesNothing) {
    Harness h;
    h.start(true);
    Snapshot opening = h.snapshot();
    EXPECT_EQ(CheckHint(opening, opening, {}, Hint(h.g)), "");
    EXPECT_EQ(CheckHint(opening, opening, {}, Cell{7, 7}), "the first hint is not the centre");
    h.click({8, 8});
    Snapshot s = h.snapshot();
    std::optional<Cell> hint = Hint(h.g);
    ASSERT_TRUE(hint.has_value());
    EXPECT_EQ(CheckHint(s, h.snapshot(), {}, hint), "");
    EXPECT_EQ(CheckHint(s, s, {}, Cell{8, 8}), "the hint names taken (8, 8)");
    EXPECT_EQ(CheckHint(s, s, {}, std::nullopt), "no hint on the player's turn");
    Snapshot moved = s;
    moved.imgW.visible = !moved.imgW.visible;
    EXPECT_EQ(CheckHint(s, moved, {}, hint), "a hint changed the markers");
    EndGame(h.g);
    Snapshot over = h.snapshot();
    EXPECT_EQ(CheckHint(over, over, {}, hint), "a hint outside the player's turn");
}

TEST(CheckRecord, TheRecordLaysOutTheBoard) {
    Harness h;
    h.start(false);
    h.click({3, 3});
    h.click({12, 4});
    EXPECT_EQ(CheckRecord(h.g), "");
    h.g.PlayerFirst = true; // the colours of the record no longer match the board
    EXPECT_EQ(CheckRecord(h.g), "the game's record lays out another board");
}

TEST(CheckEvent, OpponentThreeRepliesWhileTheWindowGoesOn) {
    Harness h;
    OnOpponent(h.g, h.menu, 3);
    h.start(false);
    Event asked = h.click({7, 7});
    ASSERT_TRUE(EngineReplyOwed(h.g));
    EXPECT_EQ(h.check(asked), "");
    EXPECT_EQ(CheckState(h.g), ""); // the player's stone is one ahead while it thinks

    Event hint{EventKind::Hint};
    h.run(hint, [] {});
    EXPECT_EQ(CheckHint(h.before, h.snapshot(), {}, Hint(h.g)), "");

    Event reply{EventKind::EngineReply};
    h.run(reply, [&] { EngineTurn(h.g); });
    EXPECT_EQ(h.check(reply), "");
    Snapshot stillOwed = h.snapshot();
    stillOwed.replyOwed = true;
    EXPECT_EQ(h.check(reply, stillOwed), "the thinking opponent still owes the reply it placed");
    Snapshot twice = h.snapshot();
    twice.computer.push_back(twice.computer.back());
    EXPECT_EQ(h.check(reply, twice), "the computer placed 2 stones in one turn");
}

TEST(CheckState, TheGameMayNotGoOnAfterAFive) {
    Harness h;
    h.start(true);
    // The player's five, opened on the centre, stands while the game goes on.
    //   row 7:  . X X . X X .
    //   row 8:  O O O O O . .
    test::SetPosition(h.g, {".XX.XX.", "OOOOO..", "X......"}, {4, 7},
                      {{4, 8}, {5, 8}, {6, 8}, {7, 8}});
    h.g.imgB = {true, h.g.compStones.back()};
    EXPECT_EQ(CheckState(h.g), "the game goes on after a five");
    EndGame(h.g);
    EXPECT_EQ(CheckState(h.g), "");
}

TEST(CheckScene, TheWinningFiveIsRingedThroughTheMarkedStone) {
    Harness h;
    h.start(true);
    //   row 7:  . X X . X X .
    //   row 8:  O O O O . . .   the player closes the five at (8, 8)
    test::SetPosition(h.g, {".XX.XX.", "OOOO...", "X......"}, {4, 7}, {{4, 8}, {5, 8}, {6, 8}});
    h.click({8, 8});
    ASSERT_FALSE(h.g.GameActive) << test::Picture(h.g);
    EXPECT_EQ(SceneOf(h.g).winningLine.size(), 5u);
    EXPECT_EQ(CheckScene(h.g), "");
    Marker& marker = h.g.imgW.visible ? h.g.imgW : h.g.imgB;
    marker.cell.x += 3; // the marker strays onto the empty (11, 8)
    EXPECT_EQ(CheckScene(h.g), "the winning five is not ringed");
}

} // namespace
} // namespace wuzi::fuzz
