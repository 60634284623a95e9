#include "Episodes.h"

#include "opponents/Roster.h"
#include "rules/Placement.h"
#include "rules/WinningLine.h"
#include "session/HandPosition.h"
#include "session/PuzzleGame.h"
#include "session/TwoPlayerGame.h"

#include <algorithm>
#include <fstream>
#include <sstream>

namespace wuzi::fuzz {

namespace {

// The puzzles' referee in the harness, in trial stones for one question: a twentieth of
// the game's, enough to answer most stones off the stored line.
constexpr long kRefereeNodes = 3000;

bool holds(const std::vector<Cell>& stones, Cell c) {
    return std::find(stones.begin(), stones.end(), c) != stones.end();
}

bool fiveThrough(const std::vector<Cell>& stones, Cell c) {
    GameRecord record{stones};
    return !WinningLine(BoardAfter(record, stones.size()), c).empty();
}

// A cell to try: beside a stone on the board, a taken one, or any cell at all (off the
// board now and then).
Cell aim(const std::vector<Cell>& stones, ByteStream& in) {
    int roll = in.pick(100);
    if (!stones.empty() && roll < 60) {
        Cell near = stones[static_cast<std::size_t>(in.pick(static_cast<int>(stones.size())))];
        if (roll < 10) return near;
        return {near.x + in.pick(5) - 2, near.y + in.pick(5) - 2};
    }
    if (roll < 63) return {in.pick(kBoardSize + 2), in.pick(kBoardSize + 2)};
    return {1 + in.pick(kBoardSize), 1 + in.pick(kBoardSize)};
}

// One stone of a game of two players, checked against the rules.
std::string twoPlayerStone(Session& session, Cell c, test::RecordingMessages& boxes) {
    const GameView& view = session.view();
    std::vector<Cell> before = view.moves();
    bool running = view.gameRunning();
    PlayResult result = session.play(c);
    std::vector<Cell> after = view.moves();
    PlayResult expected = !running                         ? PlayResult::NoGame
                          : before.empty() && c != kCentre ? PlayResult::CentreFirst
                          : !onBoard(c)                    ? PlayResult::OffBoard
                          : holds(before, c)               ? PlayResult::Taken
                                                           : PlayResult::Placed;
    if (result != expected) return "two players: a stone answered otherwise than the rules";
    if (result != PlayResult::Placed) {
        if (after != before) return "two players: a refused stone changed the board";
        bool centreBox = result == PlayResult::CentreFirst;
        if (boxes.boxes.size() != (centreBox ? 1u : 0u)) return "two players: a refusal's box";
        return "";
    }
    before.push_back(c);
    if (after != before) return "two players: the stone is not alone on its cell";
    bool five = fiveThrough(after, c);
    bool full = after.size() == static_cast<std::size_t>(kCellCount);
    if (view.gameRunning() == (five || full)) return "two players: the game ends wrongly";
    const char* box = five   ? (after.size() % 2 == 1 ? kBlackWins : kWhiteWins)
                      : full ? kDrawText
                             : nullptr;
    if (box ? !(boxes.boxes.size() == 1 && boxes.boxes[0].text == box) : !boxes.boxes.empty())
        return "two players: the result's box";
    return "";
}

std::string twoPlayerUndo(Session& session) {
    const GameView& view = session.view();
    std::vector<Cell> before = view.moves();
    bool could = session.canUndo();
    bool undone = session.undo();
    std::vector<Cell> after = view.moves();
    if (undone != could) return "two players: 悔棋 did other than it could";
    if (!undone) return after == before ? "" : "two players: a refused 悔棋 changed the board";
    before.pop_back();
    if (after != before || !view.gameRunning()) return "two players: 悔棋 took back other stones";
    return "";
}

// A position of a few stones of each colour near the centre, its side to move drawn too.
HandPosition positionOf(ByteStream& in) {
    HandPosition position;
    int stones = in.pick(14);
    std::vector<Cell> taken;
    for (int i = 0; i < stones; ++i) {
        Cell c{4 + in.pick(8), 4 + in.pick(8)};
        if (holds(taken, c)) continue;
        taken.push_back(c);
        // Mostly alternating, now and then one colour twice: counts no game reaches.
        bool black = in.chance(8) ? in.chance(50) : i % 2 == 0;
        (black ? position.black : position.white).push_back(c);
    }
    position.blackToMove = in.chance(50);
    return position;
}

std::string puzzleStone(PuzzleGame& game, Cell c) {
    std::vector<Cell> before = game.stones();
    bool open = !game.over() && !game.refuted();
    PuzzleGame::Answer answer = game.play(c);
    std::vector<Cell> after = game.stones();
    using V = PuzzleGame::Verdict;
    if (answer.verdict == V::Refused) {
        bool refusable = !open || !onBoard(c) || holds(before, c);
        return refusable && after == before ? "" : "puzzle: a stone refused wrongly";
    }
    if (!open || !onBoard(c) || holds(before, c)) return "puzzle: a stone taken where none may go";
    before.push_back(c);
    if (answer.verdict == V::Solved)
        return after == before && fiveThrough(after, c) && game.over()
                   ? ""
                   : "puzzle: solved without a five";
    if (holds(before, answer.defence) || !onBoard(answer.defence))
        return "puzzle: the defender played on a taken cell";
    before.push_back(answer.defence);
    if (after != before) return "puzzle: the board holds other stones than the two played";
    if (answer.verdict == V::GoesOn) return "";
    before.resize(before.size() - 2);
    if (!game.retry() || game.stones() != before) return "puzzle: the retry does not go back";
    return "";
}

std::vector<Puzzle> readPuzzles() {
    const char* files[kPuzzleLevels] = {"fours-3.txt", "fours-5.txt", "threats-3.txt",
                                        "threats-4.txt"};
    std::vector<Puzzle> all;
    for (int level = 0; level < kPuzzleLevels; ++level) {
        std::ifstream file(std::string(WUZI_PUZZLE_DIR) + "/" + files[level]);
        std::stringstream text;
        text << file.rdbuf();
        for (Puzzle& p : ReadPuzzles(text.str(), static_cast<PuzzleLevel>(level)))
            all.push_back(std::move(p));
    }
    return all;
}

} // namespace

std::string PlayTwoPlayers(Session& session, ByteStream& in, test::RecordingMessages& boxes) {
    session.newTwoPlayerGame();
    const GameView& view = session.view();
    if (view.mode() != Mode::TwoPlayers || view.moveCount() != 0 ||
        view.phase() != Phase::PlayerToMove)
        return "two players: the game does not start on an empty board";
    int steps = 10 + in.pick(200);
    for (int i = 0; i < steps && !in.exhausted(); ++i) {
        boxes.boxes.clear();
        int roll = in.pick(100);
        std::string problem;
        if (roll < 88) {
            problem = twoPlayerStone(session, aim(view.moves(), in), boxes);
        } else if (roll < 97) {
            problem = twoPlayerUndo(session);
        } else {
            std::vector<Cell> before = view.moves();
            session.endGame();
            if (view.gameRunning() || view.moves() != before) problem = "two players: 结束游戏";
        }
        if (!problem.empty()) return problem;
    }
    session.endGame();
    boxes.boxes.clear();
    return "";
}

std::string PlayFromASetUpPosition(Session& session, ByteStream& in) {
    HandPosition position = positionOf(in);
    Match match{in.pick(kOpponentCount), position.blackToMove, in.pick(3)};
    // The reasons to refuse it, found afresh: a five, or counts no game reaches.
    ColourBoard board{};
    for (Cell c : position.black)
        at(board, c) = kBlackStone;
    for (Cell c : position.white)
        at(board, c) = kWhiteStone;
    bool five = false;
    for (const std::vector<Cell>* stones : {&position.black, &position.white})
        for (Cell c : *stones)
            five = five || !WinningLine(board, c).empty();
    bool counts = position.black.size() != position.white.size() + (position.blackToMove ? 0 : 1);
    PositionProblem expected = five     ? PositionProblem::Five
                               : counts ? PositionProblem::Counts
                                        : PositionProblem::None;
    if (CheckPosition(position) != expected) return "set-up: refused for the wrong reason";
    if (expected != PositionProblem::None) return ""; // refused: the session is not asked
    const GameView& view = session.view();
    if (view.gameRunning()) session.endGame();
    GameRecord record = RecordOfPosition(position);
    if (!session.resume(record.moves, match)) return "set-up: a sound position was refused";
    if (view.moves() != record.moves) return "set-up: the game holds other stones";
    if (view.phase() != Phase::PlayerToMove || view.match() != match)
        return "set-up: not the player's turn in the match chosen";
    return "";
}

std::string TryAPuzzle(const std::vector<Puzzle>& puzzles, ByteStream& in) {
    if (puzzles.empty()) return "";
    const Puzzle& puzzle =
        puzzles[static_cast<std::size_t>(in.pick(static_cast<int>(puzzles.size())))];
    // A referee of fewer nodes: off the stored line only the verdicts' form is checked.
    PuzzleGame game(puzzle, kRefereeNodes);
    // Following the hints alone wins: the referee and its hints agree.
    bool byHints = in.chance(30);
    int steps = byHints ? 2 * puzzle.moves + 2 : 1 + in.pick(6);
    for (int i = 0; i < steps && !game.over(); ++i) {
        std::optional<Cell> hint = game.hint();
        Cell c =
            byHints || (hint && in.chance(50)) ? hint.value_or(Cell{}) : aim(game.stones(), in);
        if (std::string problem = puzzleStone(game, c); !problem.empty())
            return problem + " (" + puzzle.id + ")";
        if (byHints && game.refuted())
            return "puzzle: the hint's stone was refuted (" + puzzle.id + ")";
    }
    if (byHints && !game.solved())
        return "puzzle: the hints do not lead to the win (" + puzzle.id + ")";
    return "";
}

const std::vector<Puzzle>& ProgramPuzzles() {
    static const std::vector<Puzzle> puzzles = readPuzzles();
    return puzzles;
}

} // namespace wuzi::fuzz
