#include "Invariants.h"

#include "opponents/Opponent.h"
#include "opponents/VeskPlay.h"
#include "rules/BoardScene.h"
#include "rules/GameRecord.h"
#include "rules/Placement.h"
#include "rules/Psq.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <tuple>
#include <utility>

namespace wuzi::fuzz {

namespace {

// A hidden marker's cell is not shown, so it does not count.
bool sameMarker(const Marker& m, const Marker& n) {
    return m.visible == n.visible && (!m.visible || m.cell == n.cell);
}

// The first part of two snapshots that differs, or an empty string.
std::string firstDifference(const Snapshot& x, const Snapshot& y) {
    if (x.board != y.board) return "BoardCells";
    if (x.player != y.player) return "the player's stones";
    if (x.computer != y.computer) return "the computer's stones";
    if (!sameMarker(x.imgW, y.imgW) || !sameMarker(x.imgB, y.imgB)) return "the markers";
    if (!(x.menu == y.menu)) return "the menu checks";
    if (x.replyOwed != y.replyOwed) return "the reply owed";
    for (auto [name, u, v] : {std::tuple{"PlayerMoveNo", x.PlayerMoveNo, y.PlayerMoveNo},
                              {"CompMoveNo", x.CompMoveNo, y.CompMoveNo},
                              {"GameMode", x.GameMode, y.GameMode},
                              {"Difficulty", x.Difficulty, y.Difficulty},
                              {"SearchLevel", x.SearchLevel, y.SearchLevel},
                              {"PlayerFirst", x.PlayerFirst, y.PlayerFirst},
                              {"PlayerTurn", x.PlayerTurn, y.PlayerTurn},
                              {"GameActive", x.GameActive, y.GameActive},
                              {"CentreRule", x.CentreRule, y.CentreRule}})
        if (u != v) return name;
    return "";
}

std::string boxesText(std::span<const Box> boxes) {
    if (boxes.empty()) return "no message";
    std::string out;
    for (const Box& b : boxes)
        out += (out.empty() ? "" : ", ") + b.title + " \"" + b.text + "\"";
    return out;
}

bool showsOnly(std::span<const Box> boxes, const char* expected) {
    if (!expected) return boxes.empty();
    return boxes.size() == 1 && boxes[0].kind == "information" && boxes[0].title == kHintTitle &&
           boxes[0].text == expected;
}

std::string historiesAgreeWithBoard(const EngineGame& g) {
    Board fromHistories{};
    for (auto [history, side] : {std::pair{&g.playerStones, kPlayer}, {&g.compStones, kComputer}})
        for (Cell c : *history) {
            if (!onBoard(c)) return "a stone of the history lies off the board";
            if (At(fromHistories, c.x, c.y) != kEmpty)
                return "two stones of the histories on " + cellText(c);
            Put(fromHistories, c, side);
        }
    for (int i = 0; i < kCellCount; ++i)
        if (fromHistories[i] != g.BoardCells[i])
            return "BoardCells differs from the move histories on " +
                   cellText({i % kBoardSize + 1, i / kBoardSize + 1});
    if (g.PlayerMoveNo != static_cast<int>(g.playerStones.size()) + 1 ||
        g.CompMoveNo != static_cast<int>(g.compStones.size()) + 1)
        return "the move counters differ from the histories";
    return "";
}

std::string settingsHold(const EngineGame& g) {
    if (g.Difficulty < 0 || g.Difficulty > 2 || g.SearchLevel != g.Difficulty + 2)
        return "Difficulty " + std::to_string(g.Difficulty) + " with SearchLevel " +
               std::to_string(g.SearchLevel);
    if (g.GameMode < 0 || g.GameMode >= 2 * kOpponentCount) return "GameMode out of range";
    return "";
}

// Stones alternate from the first mover, whose first stone is the centre; during a game
// the player is to move, the computer owes nothing, and nobody has five on a board with
// a free cell left.
std::string playHolds(const EngineGame& g, bool setUp) {
    bool playerFirst = g.PlayerFirst;
    int np = static_cast<int>(g.playerStones.size()), nc = static_cast<int>(g.compStones.size());
    int lead = playerFirst ? np - nc : nc - np;
    if (lead != 0 && lead != 1) return "the stones do not alternate";
    if (!setUp && np + nc > 0 && (playerFirst ? g.playerStone(1) : g.compStone(1)) != kCentre)
        return "the first stone is not on the centre";
    if (!g.GameActive) return "";
    if (!g.PlayerTurn) return "the turn did not come back to the player";
    // While an opponent thinks, the player's stone is one ahead.
    int owed = ReplyOwed(g) ? 1 : 0;
    if (lead != (playerFirst ? owed : 1 - owed))
        return owed ? "a thinking opponent owes a reply it cannot give"
                    : "the computer owes a move";
    if (HasFive(g.BoardCells, kPlayer) || HasFive(g.BoardCells, kComputer))
        return "the game goes on after a five";
    if (Full(g.BoardCells)) return "the game goes on with the board full";
    return "";
}

// Opponent 3's own board holds the game's stones, in its cell list too, once the player
// has moved (before that it may hold the book opening it is about to play).
std::string engineHolds(const EngineGame& g) {
    if (!SearchPlays(g) || !g.GameActive || g.playerStones.empty()) return "";
    const SearchState& s = g.engine;
    for (int i = 0; i < kCellCount; ++i) {
        int code = g.BoardCells[i];
        int expected = code == kPlayer     ? kEnginePlayer
                       : code == kComputer ? kEngineComputer
                                           : kEngineEmpty;
        if (s.EngineBoard[i / kBoardSize][i % kBoardSize] != expected)
            return "opponent 3's board differs from the game on " +
                   cellText({i % kBoardSize + 1, i / kBoardSize + 1});
    }
    for (const EngineCell& c : s.EngineCells)
        if (c.state != s.EngineBoard[c.cell / kBoardSize][c.cell % kBoardSize])
            return "opponent 3's cell list differs from its board";
    return "";
}

// Exactly one marker, on the newest stone, of that stone's colour.
std::string markersHold(const EngineGame& g) {
    bool playerFirst = g.PlayerFirst;
    std::size_t np = g.playerStones.size(), nc = g.compStones.size();
    if (np + nc == 0)
        return g.imgW.visible || g.imgB.visible ? "a last-move marker on an empty board" : "";
    bool newestIsPlayer = playerFirst ? np > nc : np >= nc;
    Cell newest = newestIsPlayer ? g.playerStones.back() : g.compStones.back();
    bool black = newestIsPlayer == playerFirst;
    const Marker& shown = black ? g.imgW : g.imgB;
    const Marker& other = black ? g.imgB : g.imgW;
    if (!shown.visible || other.visible) return "the markers do not show the newest stone's colour";
    if (shown.cell != newest) return "the marker is not on the newest stone " + cellText(newest);
    return "";
}

// The cells a click can snap to: column x takes the whole pixels 21x - 18 .. 21x + 2 and
// row y takes 20y - 18 .. 20y + 1, the outer ones everything beyond; a fractional click
// lies between the cells of its two neighbouring whole pixels.
int columnOf(float X) {
    if (X < 5) return 1;
    if (X > 300) return 15;
    return (static_cast<int>(X) - 2 + 20) / 21;
}
int rowOf(float Y) {
    if (Y < 4) return 1;
    if (Y > 285) return 15;
    return (static_cast<int>(Y) - 1 + 19) / 20;
}
std::vector<Cell> cellsOfClick(float X, float Y) {
    std::vector<Cell> cells;
    for (float x : {std::floor(X), std::ceil(X)})
        for (float y : {std::floor(Y), std::ceil(Y)}) {
            Cell c{columnOf(x), rowOf(y)};
            if (std::find(cells.begin(), cells.end(), c) == cells.end()) cells.push_back(c);
        }
    return cells;
}

bool contains(const std::vector<Cell>& cells, Cell c) {
    return std::find(cells.begin(), cells.end(), c) != cells.end();
}

// Taken cells keep their stone and the histories only grow.
std::string stonesKept(const Snapshot& b, const Snapshot& a) {
    for (int i = 0; i < kCellCount; ++i)
        if (b.board[i] != kEmpty && a.board[i] != b.board[i])
            return "a taken cell changed: " + cellText({i % kBoardSize + 1, i / kBoardSize + 1});
    auto isPrefix = [](const std::vector<Cell>& p, const std::vector<Cell>& q) {
        return p.size() <= q.size() && std::equal(p.begin(), p.end(), q.begin());
    };
    if (!isPrefix(b.player, a.player) || !isPrefix(b.computer, a.computer))
        return "a stone of the history changed or vanished";
    return "";
}

std::string refusedClick(const Snapshot& b, const Snapshot& a, std::span<const Box> boxes,
                         const std::vector<Cell>& cells) {
    if (std::string d = firstDifference(b, a); !d.empty()) return "a refused click changed " + d;
    bool offCentre = b.CentreRule &&
                     std::any_of(cells.begin(), cells.end(), [](Cell c) { return c != kCentre; });
    bool taken = std::any_of(cells.begin(), cells.end(),
                             [&](Cell c) { return At(b.board, c.x, c.y) != kEmpty; });
    if (offCentre && showsOnly(boxes, kCentreFirst)) return "";
    if (taken && boxes.empty()) return "";
    return "a click on " + cellText(cells.front()) + " placed no stone and showed " +
           boxesText(boxes);
}

// How a turn ends: the board the turn must leave, exactly its result message, and the
// game over exactly on a five or a full board.
std::string outcome(const Board& expected, const char* result, const Snapshot& a,
                    std::span<const Box> boxes) {
    if (a.board != expected) return "BoardCells changed beyond the turn's stones";
    if (!showsOnly(boxes, result))
        return std::string("expected ") + (result ? result : "no message") + ", shown " +
               boxesText(boxes);
    if (a.GameActive != (!result))
        return result ? std::string("the game goes on after ") + result
                      : "the game ended without a five or a full board";
    return "";
}

const char* resultOf(const Board& b, int side) {
    return HasFive(b, side) ? (side == kPlayer ? kPlayerWins : kComputerWins)
           : Full(b)        ? kDrawText
                            : nullptr;
}

// The computer's answer to the board the player left: one stone, on a free cell.
std::string computerAnswer(Board expected, const Snapshot& b, const Snapshot& a,
                           std::span<const Box> boxes) {
    std::size_t replies = a.computer.size() - b.computer.size();
    if (replies == 0) return "the computer did not answer with free cells left";
    if (replies > 1)
        return "the computer placed " + std::to_string(replies) + " stones in one turn";
    Cell d = a.computer.back();
    if (At(expected, d.x, d.y) != kEmpty) return "the computer's stone went onto a taken cell";
    Put(expected, d, kComputer);
    return outcome(expected, resultOf(expected, kComputer), a, boxes);
}

// Marrowick's books end many lines by handing the game to Corvane's play: from mode 4 to
// mode 8, from mode 5 to mode 9 (or, at one node, 8).
bool marrowickHandsOver(int before, int after) {
    return (before == 4 && after == 8) || (before == 5 && (after == 8 || after == 9));
}

// Nothing but the stones of the turn and the turn's own flags changed.
std::string settingsKept(const Snapshot& b, const Snapshot& a) {
    Snapshot kept = a;
    if (marrowickHandsOver(b.GameMode, a.GameMode)) kept.GameMode = b.GameMode;
    kept.board = b.board;
    kept.player = b.player;
    kept.computer = b.computer;
    kept.imgW = b.imgW;
    kept.imgB = b.imgB;
    kept.PlayerMoveNo = b.PlayerMoveNo;
    kept.CompMoveNo = b.CompMoveNo;
    kept.PlayerTurn = b.PlayerTurn;
    kept.GameActive = b.GameActive;
    kept.CentreRule = b.CentreRule;
    kept.replyOwed = b.replyOwed;
    std::string d = firstDifference(b, kept);
    return d.empty() ? "" : "the turn changed " + d;
}

// The player's stone, then the computer's answer unless the game is over or opponent 3
// still thinks about it.
std::string playedClick(const Snapshot& b, const Snapshot& a, std::span<const Box> boxes,
                        const std::vector<Cell>& cells) {
    if (a.player.size() != b.player.size() + 1) return "one click placed several player stones";
    Cell c = a.player.back();
    if (!contains(cells, c)) return "the click placed its stone on " + cellText(c);
    if (At(b.board, c.x, c.y) != kEmpty) return "the player's stone went onto a taken cell";
    if (b.CentreRule && c != kCentre) return "the first stone is not on the centre";
    if (a.CentreRule) return "the centre rule holds after the first stone";
    Board expected = b.board;
    Put(expected, c, kPlayer);
    bool answered = a.computer.size() > b.computer.size();
    std::string problem;
    if (const char* result = resultOf(expected, kPlayer))
        problem = answered ? "the computer moved after the game ended"
                           : outcome(expected, result, a, boxes);
    else if (a.replyOwed)
        problem = answered ? "the computer answered and still owes its reply"
                           : outcome(expected, nullptr, a, boxes);
    else
        problem = computerAnswer(expected, b, a, boxes);
    return problem.empty() ? settingsKept(b, a) : problem;
}

// Opponent 3's reply, placed after the click that asked for it.
std::string engineReply(const Snapshot& b, const Snapshot& a, std::span<const Box> boxes) {
    if (a.player.size() != b.player.size()) return "opponent 3's reply placed a player stone";
    if (std::string problem = computerAnswer(b.board, b, a, boxes); !problem.empty())
        return problem;
    if (a.replyOwed) return "the thinking opponent still owes the reply it placed";
    return settingsKept(b, a);
}

std::string checkClick(const Event& e, const Snapshot& b, const Snapshot& a,
                       std::span<const Box> boxes) {
    if (!b.GameActive || !b.PlayerTurn || b.replyOwed) {
        if (std::string d = firstDifference(b, a); !d.empty())
            return "a click outside the player's turn changed " + d;
        return boxes.empty() ? "" : "a click outside the player's turn showed " + boxesText(boxes);
    }
    std::vector<Cell> cells = cellsOfClick(e.x, e.y);
    if (a.player.size() == b.player.size()) return refusedClick(b, a, boxes, cells);
    return playedClick(b, a, boxes, cells);
}

Snapshot afterNewGame(const Snapshot& b) {
    Snapshot s = b;
    bool playerFirst = b.menu.playerFirst;
    s.board = {};
    s.player.clear();
    s.computer.clear();
    s.imgW.visible = s.imgB.visible = false;
    if (!playerFirst) {
        Put(s.board, kCentre, kComputer);
        s.computer.push_back(kCentre);
        s.imgW = {true, kCentre};
    }
    s.PlayerMoveNo = 1;
    s.CompMoveNo = static_cast<int>(s.computer.size()) + 1;
    s.GameMode = 2 * b.menu.opponent + (playerFirst ? 0 : 1);
    s.PlayerFirst = playerFirst;
    s.PlayerTurn = true;
    s.GameActive = true;
    s.CentreRule = playerFirst;
    s.replyOwed = false;
    return s;
}

// The menu commands other than a new game: what each may set.
Snapshot afterMenuCommand(const Event& e, const Snapshot& b) {
    Snapshot s = b;
    int side = b.menu.playerFirst ? 0 : 1;
    bool options = !b.GameActive; // the options menu is open between games
    switch (e.kind) {
    case EventKind::EndGame:
        s.GameActive = false;
        s.replyOwed = false; // a game that is over owes no reply
        break;
    case EventKind::PlayerFirst:
    case EventKind::ComputerFirst:
        if (!options) break;
        s.menu.playerFirst = e.kind == EventKind::PlayerFirst;
        s.GameMode = 2 * b.menu.opponent + (s.menu.playerFirst ? 0 : 1);
        s.PlayerTurn = s.menu.playerFirst;
        break;
    case EventKind::Difficulty:
        if (!options || e.arg < 0 || e.arg > 2) break;
        s.Difficulty = e.arg;
        s.SearchLevel = e.arg + 2;
        break;
    case EventKind::Opponent:
        if (!options || e.arg < 0 || e.arg >= kOpponentCount) break;
        s.menu.opponent = e.arg;
        s.GameMode = 2 * e.arg + side;
        s.PlayerTurn = (side == 0);
        break;
    default:
        break;
    }
    return s;
}

} // namespace

Snapshot Snapshot::Take(const EngineGame& g, const MenuChecks& menu) {
    Snapshot s;
    s.board = g.BoardCells;
    s.player = g.playerStones;
    s.computer = g.compStones;
    s.imgW = g.imgW;
    s.imgB = g.imgB;
    s.PlayerMoveNo = g.PlayerMoveNo;
    s.CompMoveNo = g.CompMoveNo;
    s.GameMode = g.GameMode;
    s.Difficulty = g.Difficulty;
    s.SearchLevel = g.SearchLevel;
    s.PlayerFirst = g.PlayerFirst;
    s.PlayerTurn = g.PlayerTurn;
    s.GameActive = g.GameActive;
    s.CentreRule = g.CentreRule;
    s.menu = menu;
    s.replyOwed = ReplyOwed(g);
    return s;
}

std::string CheckState(const EngineGame& g, bool setUp) {
    for (auto check : {historiesAgreeWithBoard, settingsHold, markersHold, engineHolds})
        if (std::string problem = check(g); !problem.empty()) return problem;
    return playHolds(g, setUp);
}

std::string CheckUnchanged(const Snapshot& before, const Snapshot& after) {
    std::string d = firstDifference(before, after);
    return d.empty() ? "" : "another mode's episode changed " + d;
}

std::string CheckTakeBack(const Snapshot& before, const Snapshot& after, std::span<const Box> boxes,
                          const Snapshot* earlier) {
    if (!boxes.empty()) return "a take-back showed " + boxesText(boxes);
    if (!earlier) {
        std::string d = firstDifference(before, after);
        return d.empty() ? "" : "a take-back with nothing to take back changed " + d;
    }
    Snapshot expected = *earlier;
    // A running game keeps the run's settings; a game taken back past its five is played
    // on with its own.
    if (before.GameActive) {
        expected.Difficulty = before.Difficulty;
        expected.SearchLevel = before.SearchLevel;
        expected.menu = before.menu;
    }
    std::string d = firstDifference(expected, after);
    return d.empty() ? "" : "a take-back did not restore " + d;
}

std::string CheckHint(const Snapshot& before, const Snapshot& after, std::span<const Box> boxes,
                      std::optional<Cell> hint) {
    if (std::string d = firstDifference(before, after); !d.empty()) return "a hint changed " + d;
    if (!boxes.empty()) return "a hint showed " + boxesText(boxes);
    bool playersTurn = before.GameActive && before.PlayerTurn && !before.replyOwed;
    if (!playersTurn) return hint ? "a hint outside the player's turn" : "";
    if (before.CentreRule) return hint == kCentre ? "" : "the first hint is not the centre";
    if (!hint) return before.computer.empty() ? "" : "no hint on the player's turn";
    if (At(before.board, hint->x, hint->y) != kEmpty)
        return "the hint names taken " + cellText(*hint);
    return "";
}

std::string CheckRecord(const Game& g) {
    GameRecord record = RecordOf(g);
    if (record.moves.empty()) return "";
    PsqResult read = ParsePsq(WritePsq(record));
    if (!read.ok()) return "the game's record does not read back: " + read.error;
    if (!(read.record == record)) return "the game's record reads back as other moves";
    ColourBoard laidOut = BoardAfter(record, record.moves.size());
    for (int i = 0; i < kCellCount; ++i) {
        int side = g.BoardCells[i];
        int colour = side == kEmpty                         ? 0
                     : (side == kPlayer) == (g.PlayerFirst) ? kBlackStone
                                                            : kWhiteStone;
        if (laidOut[i] != colour) return "the game's record lays out another board";
    }
    return "";
}

std::string CheckScene(const Game& g) {
    BoardScene scene = SceneOf(g);
    bool five = HasFive(g.BoardCells, kPlayer) || HasFive(g.BoardCells, kComputer);
    if (five == scene.winningLine.empty())
        return five ? "the winning five is not ringed" : "a line is ringed without a five";
    int side = scene.marker ? At(g.BoardCells, scene.marker->x, scene.marker->y) : kEmpty;
    for (Cell c : scene.winningLine)
        if (At(g.BoardCells, c.x, c.y) != side) return "the ringed five holds another stone";
    return "";
}

std::string CheckEvent(const Event& e, const Snapshot& before, const Snapshot& after,
                       std::span<const Box> boxes) {
    for (const Box& b : boxes)
        if (b.kind == "critical") return "fault reported: " + b.title + " \"" + b.text + "\"";
    if (e.kind == EventKind::NewGame) {
        if (std::string d = firstDifference(afterNewGame(before), after); !d.empty())
            return "a new game set up " + d + " wrongly";
        return boxes.empty() ? "" : "a new game showed " + boxesText(boxes);
    }
    if (std::string problem = stonesKept(before, after); !problem.empty()) return problem;
    if (e.kind == EventKind::Click) return checkClick(e, before, after, boxes);
    if (e.kind == EventKind::EngineReply) return engineReply(before, after, boxes);
    if (std::string d = firstDifference(afterMenuCommand(e, before), after); !d.empty())
        return Describe(e) + " changed " + d + " wrongly";
    return boxes.empty() ? "" : Describe(e) + " showed " + boxesText(boxes);
}

} // namespace wuzi::fuzz
