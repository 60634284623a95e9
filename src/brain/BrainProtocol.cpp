#include "brain/BrainProtocol.h"

#include "core/GameFlow.h"
#include "core/Placement.h"
#include "engines/SearchEngine.h"

#include <algorithm>
#include <cctype>
#include <iostream>
#include <sstream>

namespace wuzi {

namespace {

std::string upper(std::string s) {
    for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return s;
}

std::string trim(const std::string& s) {
    auto begin = s.find_first_not_of(" \t\r\n");
    if (begin == std::string::npos) return "";
    auto end = s.find_last_not_of(" \t\r\n");
    return s.substr(begin, end - begin + 1);
}

bool parseInt(const std::string& text, int& value) {
    std::string t = trim(text);
    if (t.empty() || t.size() > 4) return false;
    for (char c : t)
        if (!std::isdigit(static_cast<unsigned char>(c))) return false;
    value = std::stoi(t);
    return true;
}

// "x,y" or "x,y,field" with 0-based coordinates on the 15 x 15 board.
bool parseFields(const std::string& text, std::vector<int>& fields) {
    fields.clear();
    std::stringstream in(text);
    std::string part;
    while (std::getline(in, part, ',')) {
        int v = 0;
        if (!parseInt(part, v)) return false;
        fields.push_back(v);
    }
    return true;
}

bool onZeroBasedBoard(int x, int y) { return x >= 0 && x < kBoardSize && y >= 0 && y < kBoardSize; }

// A click at the centre-left pixel that a player's stone on cell (x, y) takes.
float clickX(int x) { return static_cast<float>(21 * (x - 1) + 6); }
float clickY(int y) { return static_cast<float>(20 * (y - 1) + 5); }

std::unique_ptr<Clock> makeClock(int digit) {
    if (digit >= 0) return std::make_unique<FixedDigitClock>(digit);
    return std::make_unique<SystemClock>();
}

} // namespace

bool ParseBrainOptions(int argc, const char* const argv[], BrainOptions& options,
                       std::string& error) {
    for (int i = 1; i < argc; ++i) {
        std::string flag = argv[i];
        int* target = nullptr;
        int high = 0;
        if (flag == "--opponent") target = &options.opponent, high = 4;
        else if (flag == "--difficulty") target = &options.difficulty, high = 2;
        else if (flag == "--seconds-digit") target = &options.secondsDigit, high = 9;
        else {
            error = "unknown option " + flag;
            return false;
        }
        int value = 0;
        if (i + 1 >= argc || !parseInt(argv[i + 1], value) || value > high) {
            error = flag + " needs a number from 0 to " + std::to_string(high);
            return false;
        }
        *target = value;
        ++i;
    }
    return true;
}

void CollectedMessages::information(const std::string& title, const std::string& text) {
    pending_.emplace_back(title, text);
}
void CollectedMessages::critical(const std::string& title, const std::string& text) {
    pending_.emplace_back(title, text);
}
bool CollectedMessages::question(const std::string& title, const std::string& text) {
    pending_.emplace_back(title, text);
    return false;
}
std::vector<std::pair<std::string, std::string>> CollectedMessages::take() {
    auto out = std::move(pending_);
    pending_.clear();
    return out;
}

BrainProtocol::BrainProtocol(const BrainOptions& options, std::ostream& out)
    : options_(options), out_(out), clock_(makeClock(options.secondsDigit)),
      game_(messages_, *clock_, random_) {
    game_.menu.opponent = options.opponent;
    game_.Difficulty = options.difficulty;
    game_.SearchLevel = options.difficulty + 2;
}

void BrainProtocol::run(std::istream& in) {
    std::string line;
    while (std::getline(in, line))
        if (!handleLine(line)) break;
}

bool BrainProtocol::handleLine(const std::string& raw) {
    std::string line = trim(raw);
    if (readingBoard_) {
        if (upper(line) == "DONE") boardDone();
        else boardLine(line);
        out_.flush();
        return true;
    }
    if (line.empty()) return true;
    std::string command = line.substr(0, line.find(' '));
    std::string args = command.size() < line.size() ? trim(line.substr(command.size())) : "";
    command = upper(command);
    if (command == "END") return false;
    if (command == "START") start(args);
    else if (command == "RESTART") start("15");
    else if (command == "BEGIN") begin();
    else if (command == "TURN") turn(args);
    else if (command == "BOARD") {
        if (!started_) error("no START yet");
        else readingBoard_ = true, boardStones_.clear();
    } else if (command == "INFO") {
    } else if (command == "ABOUT") about();
    else out_ << "UNKNOWN\n";
    out_.flush();
    return true;
}

void BrainProtocol::start(const std::string& args) {
    int size = 0;
    if (!parseInt(args, size) || size != kBoardSize) return error("only a 15x15 board is supported");
    started_ = true;
    gameBegun_ = false;
    OnEndGame(game_);
    out_ << "OK\n";
}

void BrainProtocol::startGame(bool playerFirst) {
    OnEndGame(game_);
    if (playerFirst) OnPlayerFirst(game_);
    else OnComputerFirst(game_);
    NewGame(game_);
    gameBegun_ = true;
}

void BrainProtocol::begin() {
    if (!started_) return error("no START yet");
    if (gameBegun_) return error("the game has already begun");
    startGame(false);
    answerComputerMove(0);
}

void BrainProtocol::turn(const std::string& args) {
    if (!started_) return error("no START yet");
    std::vector<int> f;
    if (!parseFields(args, f) || f.size() != 2) return error("TURN needs x,y");
    if (!onZeroBasedBoard(f[0], f[1])) return error("coordinates off the board");
    if (!gameBegun_) startGame(true);
    if (game_.GameActive != kTrue) return error("the game is over");
    int x = f[0] + 1, y = f[1] + 1;
    if (game_.cell(x, y) != kEmpty) return error("the cell is taken");
    int playerBefore = static_cast<int>(game_.imgPlayer.size());
    int compBefore = static_cast<int>(game_.imgComputer.size());
    OnBoardClick(game_, clickX(x), clickY(y));
    EngineTurn(game_); // opponent 3 answers here, synchronously
    if (static_cast<int>(game_.imgPlayer.size()) == playerBefore) {
        flushMessages();
        return error("the first stone must be on the centre 7,7");
    }
    answerComputerMove(compBefore);
}

void BrainProtocol::boardLine(const std::string& line) {
    std::vector<int> f;
    if (!parseFields(line, f) || f.size() != 3 || !onZeroBasedBoard(f[0], f[1]) ||
        (f[2] != 1 && f[2] != 2)) {
        boardStones_.push_back({{0, 0}, -1}); // remembered as malformed, refused at DONE
        return;
    }
    boardStones_.push_back({{f[0] + 1, f[1] + 1}, f[2] == 1 ? kComputer : kPlayer});
}

void BrainProtocol::boardDone() {
    readingBoard_ = false;
    std::vector<SetUpStone> stones;
    Cell lastPlayer;
    for (const auto& [cell, side] : boardStones_) {
        if (side < 0) return error("malformed BOARD line");
        stones.push_back({cell, side});
        if (side == kPlayer) lastPlayer = cell;
    }
    if (stones.empty()) {
        gameBegun_ = false;
        return begin();
    }
    if (isNoCell(lastPlayer)) return error("BOARD has no stone of the opponent");
    if (!SetUpPosition(game_, stones)) return error("BOARD is not a position of a game");
    gameBegun_ = true;
    int compBefore = static_cast<int>(game_.imgComputer.size());
    AnswerSetUpPosition(game_, lastPlayer.x, lastPlayer.y);
    EngineTurn(game_);
    answerComputerMove(compBefore);
}

void BrainProtocol::answerComputerMove(int compStonesBefore) {
    flushMessages();
    if (static_cast<int>(game_.imgComputer.size()) > compStonesBefore) {
        Cell c = game_.imgComputer.back().cell();
        out_ << (c.x - 1) << ',' << (c.y - 1) << '\n';
    } else {
        out_ << "OK\n";
    }
}

void BrainProtocol::flushMessages() {
    for (const auto& [title, text] : messages_.take())
        out_ << "MESSAGE " << title << ": " << text << '\n';
}

void BrainProtocol::error(const std::string& reason) {
    flushMessages();
    out_ << "ERROR " << reason << '\n';
}

void BrainProtocol::about() {
    out_ << "name=\"pbrain-wuzi\", version=\"0.1.0\", country=\"CN\", "
            "www=\"free-style gomoku, 15x15\"\n";
}

} // namespace wuzi
