#include "FuzzSession.h"

#include "BoardScan.h"
#include "Episodes.h"
#include "Events.h"
#include "Invariants.h"
#include "rules/Placement.h"
#include "session/Session.h"
#include "support/ReplayableVesk.h"
#include "ui/BoardGeometry.h"

#include <cstdio>
#include <deque>
#include <exception>
#include <numeric>

namespace wuzi::fuzz {

namespace {

constexpr std::size_t kLoggedEvents = 40;

std::string picture(const Board& b) {
    std::string out;
    for (int y = 1; y <= kBoardSize; ++y) {
        out += "    ";
        for (int x = 1; x <= kBoardSize; ++x) {
            int c = At(b, x, y);
            out += c == kComputer ? 'X' : c == kPlayer ? 'O' : '.';
            out += x < kBoardSize ? ' ' : '\n';
        }
    }
    return out;
}

// One line of the event log: the event and the stones and messages it brought.
std::string logLine(const Event& e, const Snapshot& b, const Snapshot& a,
                    std::span<const Box> boxes) {
    std::string line = Describe(e);
    if (e.kind != EventKind::NewGame) {
        for (std::size_t k = b.player.size(); k < a.player.size(); ++k)
            line += " -> O " + cellText(a.player[k]);
        for (std::size_t k = b.computer.size(); k < a.computer.size(); ++k)
            line += " -> X " + cellText(a.computer[k]);
    } else {
        line += " -> mode " + std::to_string(a.GameMode) + ", difficulty " +
                std::to_string(a.Difficulty);
    }
    for (const Box& box : boxes)
        line += " [" + box.title + ": " + box.text + "]";
    return line;
}

std::uint64_t mixed(std::uint64_t hash, const std::string& line) {
    for (unsigned char c : line)
        hash = (hash ^ c) * 0x100000001B3ULL; // FNV-1a
    return hash;
}

void count(Stats& s, const Event& e, const Snapshot& b, const Snapshot& a,
           std::span<const Box> boxes, int digit, const std::string& line) {
    ++s.events;
    s.fingerprint = mixed(s.fingerprint, line);
    if (e.kind == EventKind::NewGame) {
        if (b.GameActive) ++s.replacedByNewGame;
        ++s.gamesByModeAndLevel[a.GameMode][a.Difficulty];
        ++s.gamesByDigit[digit];
        return;
    }
    switch (e.kind) {
    case EventKind::TwoPlayers:
        ++s.twoPlayerGames;
        return;
    case EventKind::SetUp:
        ++s.setUps;
        return;
    case EventKind::Puzzle:
        ++s.puzzles;
        return;
    default:
        break;
    }
    if (e.kind == EventKind::Click) ++s.clicks;
    if (e.kind == EventKind::Hint) s.hints += b.GameActive;
    if (e.kind == EventKind::EngineReply) ++s.lateReplies;
    if (e.kind == EventKind::TakeBack) {
        s.takeBacks += a.player.size() < b.player.size();
        return;
    }
    s.playerMoves += static_cast<long>(a.player.size() - b.player.size());
    s.computerMoves += static_cast<long>(a.computer.size() - b.computer.size());
    if (!b.GameActive || a.GameActive) return;
    if (e.kind == EventKind::EndGame) ++s.endedFromMenu;
    for (const Box& box : boxes) {
        s.playerFives += box.text == kPlayerWins;
        s.computerFives += box.text == kComputerWins;
        s.draws += box.text == kDrawText;
    }
}

std::string report(const std::deque<std::string>& log, const Game& g, int digit,
                   const Snapshot& before, const Snapshot& after) {
    std::string out = "last events, oldest first:\n";
    for (const std::string& line : log)
        out += "  " + line + "\n";
    out += "GameMode " + std::to_string(g.GameMode) + ", Difficulty " +
           std::to_string(g.Difficulty) + ", seconds digit " + std::to_string(digit) +
           ", GameActive " + std::to_string(g.GameActive) + ", PlayerTurn " +
           std::to_string(g.PlayerTurn) + "\n";
    out += "board before the last event (X computer, O player):\n" + picture(before.board);
    out += "board after it:\n" + picture(after.board);
    return out;
}

// The message boxes of the session, in order, and the hint it found.
struct HarnessEvents : MessageLog {
    void hintFound(std::optional<Cell> cell, bool) override { hint = cell; }
    std::optional<Cell> hint;
};

// The game session a run plays on, driven through the calls the window makes, with the
// positions a take-back must return to.
class Driver {
  public:
    Driver() { session.setVeskSettings(test::ReplayableVesk()); }

    // Plays one event and checks it. Returns what broke, or an empty string.
    std::string play(const Event& e, const Snapshot& before);

    HarnessEvents events;
    FixedDigitClock clock{1};
    SeededRandom random;
    Session session{events, clock, random};
    const BookGame& g = session.state();
    int digit = 1;
    bool setUp = false; // the game was played on from a position set up by hand

    // The game and the menus' checks as they stand.
    Snapshot snapshot() const {
        Match m = session.view().match();
        return Snapshot::Take(g, {m.playerFirst, m.opponent});
    }

  private:
    std::string apply(const Event& e, const Snapshot& before);
    void click(const Event& e, const Snapshot& before);

    std::vector<Snapshot> positions_; // before each of the player's stones of this game
};

// A click as the window takes it: snapped to its cell and played; a thinking opponent answers at
// once unless the event asks it to think on while other events arrive.
void Driver::click(const Event& e, const Snapshot& before) {
    PlayResult played = session.play(BoardGeometry::cellAt(e.x, e.y));
    if (played == PlayResult::Thinking) return;
    if (played == PlayResult::Placed) positions_.push_back(before);
    if (!e.replyLater) session.waitForReply();
}

std::string Driver::apply(const Event& e, const Snapshot& before) {
    switch (e.kind) {
    case EventKind::NewGame:
        positions_.clear();
        setUp = false;
        session.newGame();
        break;
    case EventKind::EndGame:
        session.endGame();
        break;
    case EventKind::PlayerFirst:
        session.choosePlayerFirst();
        break;
    case EventKind::ComputerFirst:
        session.chooseComputerFirst();
        break;
    case EventKind::Difficulty:
        session.chooseDifficulty(e.arg);
        break;
    case EventKind::Opponent:
        session.chooseOpponent(e.arg);
        break;
    case EventKind::SecondsDigit:
        clock.setDigit(digit = e.arg);
        break;
    case EventKind::Click:
        click(e, before);
        break;
    case EventKind::EngineReply:
        session.waitForReply();
        break;
    case EventKind::TakeBack: {
        bool playersTurn = before.GameActive && before.PlayerTurn && !before.replyOwed;
        bool afterFive = !before.GameActive &&
                         (HasFive(before.board, kPlayer) || HasFive(before.board, kComputer));
        bool possible = (playersTurn || afterFive) && !positions_.empty();
        session.undo();
        std::string problem = CheckTakeBack(before, snapshot(), events.boxes,
                                            possible ? &positions_.back() : nullptr);
        if (possible) positions_.pop_back();
        return problem;
    }
    case EventKind::TwoPlayers: {
        positions_.clear();
        ByteStream script(e.script);
        if (std::string problem = PlayTwoPlayers(session, script, events); !problem.empty())
            return problem;
        // The game against the computer is left as 结束游戏 leaves it.
        return CheckEvent({EventKind::EndGame}, before, snapshot(), {});
    }
    case EventKind::SetUp: {
        ByteStream script(e.script);
        bool wasRunning = session.view().gameRunning();
        std::vector<Cell> was = session.view().moves();
        if (std::string problem = PlayFromASetUpPosition(session, script); !problem.empty())
            return problem;
        if (session.view().gameRunning() && (!wasRunning || session.view().moves() != was)) {
            positions_.clear();
            setUp = true;
        }
        return "";
    }
    case EventKind::Puzzle: {
        ByteStream script(e.script);
        if (std::string problem = TryAPuzzle(ProgramPuzzles(), script); !problem.empty())
            return problem;
        return CheckUnchanged(before, snapshot());
    }
    case EventKind::Hint:
        events.hint.reset();
        session.hint();
        session.waitForHint();
        return CheckHint(before, snapshot(), events.boxes, events.hint);
    }
    return CheckEvent(e, before, snapshot(), events.boxes);
}

std::string Driver::play(const Event& e, const Snapshot& before) {
    std::string problem;
    try {
        problem = apply(e, before);
    } catch (const std::exception& ex) {
        return std::string("an exception left the game: ") + ex.what();
    } catch (...) {
        return "an unknown exception left the game";
    }
    if (problem.empty()) problem = CheckState(g, setUp);
    if (problem.empty()) problem = CheckScene(g);
    bool ended = before.GameActive && !g.GameActive;
    if (problem.empty() && (ended || e.kind == EventKind::TakeBack)) problem = CheckRecord(g);
    return problem;
}

} // namespace

long Stats::games() const {
    long n = 0;
    for (const auto& byLevel : gamesByModeAndLevel)
        n += std::accumulate(byLevel.begin(), byLevel.end(), 0L);
    return n;
}

Stats& Stats::operator+=(const Stats& o) {
    events += o.events;
    clicks += o.clicks;
    playerMoves += o.playerMoves;
    computerMoves += o.computerMoves;
    for (int m = 0; m < kModes; ++m)
        for (int d = 0; d < 3; ++d)
            gamesByModeAndLevel[m][d] += o.gamesByModeAndLevel[m][d];
    for (int d = 0; d < 10; ++d)
        gamesByDigit[d] += o.gamesByDigit[d];
    playerFives += o.playerFives;
    computerFives += o.computerFives;
    draws += o.draws;
    endedFromMenu += o.endedFromMenu;
    replacedByNewGame += o.replacedByNewGame;
    takeBacks += o.takeBacks;
    hints += o.hints;
    lateReplies += o.lateReplies;
    twoPlayerGames += o.twoPlayerGames;
    setUps += o.setUps;
    puzzles += o.puzzles;
    fingerprint = mixed(fingerprint, std::to_string(o.fingerprint));
    return *this;
}

std::string Stats::Summary() const {
    char line[512];
    std::snprintf(line, sizeof line,
                  "%ld events, %ld clicks, %ld player moves, %ld computer moves, %ld games\n"
                  "endings: %ld player fives, %ld computer fives, %ld draws, %ld from the menu, "
                  "%ld replaced by a new game\n%ld moves taken back, %ld hints during a game, "
                  "%ld replies of thinking opponents among other events\n"
                  "%ld games of two players, %ld positions set up, %ld puzzles tried\n",
                  events, clicks, playerMoves, computerMoves, games(), playerFives, computerFives,
                  draws, endedFromMenu, replacedByNewGame, takeBacks, hints, lateReplies,
                  twoPlayerGames, setUps, puzzles);
    std::string out = line;
    std::snprintf(line, sizeof line, "fingerprint of all the play: %016llx\n",
                  static_cast<unsigned long long>(fingerprint));
    out += line;
    out += "games by mode (difficulty 0/1/2):";
    for (int m = 0; m < kModes; ++m) {
        std::snprintf(line, sizeof line, " %d:%ld/%ld/%ld", m, gamesByModeAndLevel[m][0],
                      gamesByModeAndLevel[m][1], gamesByModeAndLevel[m][2]);
        out += line;
    }
    return out + "\n";
}

std::optional<Violation> RunSession(std::span<const std::uint8_t> bytes, Stats& stats, bool trace) {
    ByteStream in(bytes);
    EventSource events(in);
    Driver driver;
    const Game& g = driver.g;
    std::deque<std::string> log;
    while (!events.exhausted()) {
        Event e = events.Next(driver.session);
        Snapshot before = driver.snapshot();
        std::string problem = driver.play(e, before);
        Snapshot after = driver.snapshot();
        std::span<const Box> boxes(driver.events.boxes);
        log.push_back(logLine(e, before, after, boxes));
        if (log.size() > kLoggedEvents) log.pop_front();
        if (trace) std::fprintf(stderr, "%s\n", log.back().c_str());
        if (!problem.empty())
            return Violation{problem, report(log, g, driver.digit, before, after)};
        count(stats, e, before, after, boxes, driver.digit, log.back());
        driver.events.boxes.clear();
    }
    return std::nullopt;
}

} // namespace wuzi::fuzz
