#include "brain/BrainProtocol.h"

#include "opponents/Roster.h"

#include <algorithm>
#include <cctype>
#include <iostream>
#include <sstream>
#include <utility>

namespace wuzi {

namespace {

std::string upper(std::string s) {
    for (char& c : s)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
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

bool onZeroBasedBoard(int x, int y) {
    return x >= 0 && x < kBoardSize && y >= 0 && y < kBoardSize;
}

std::unique_ptr<Clock> makeClock(int digit) {
    if (digit >= 0) return std::make_unique<FixedDigitClock>(digit);
    return std::make_unique<SystemClock>();
}

} // namespace

bool ParseBrainOptions(int argc, const char* const argv[], BrainOptions& options,
                       std::string& error) {
    // Each option is a flag and its number.
    for (int i = 1; i < argc; i += 2) {
        std::string flag = argv[i];
        int* target = nullptr;
        int high = 0;
        if (flag == "--opponent")
            target = &options.opponent, high = kOpponentCount - 1;
        else if (flag == "--difficulty")
            target = &options.difficulty, high = 2;
        else if (flag == "--seconds-digit")
            target = &options.secondsDigit, high = 9;
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
    }
    return true;
}

void BrainEvents::information(const std::string& title, const std::string& text) {
    messages_.emplace_back(title, text);
}
void BrainEvents::critical(const std::string& title, const std::string& text) {
    messages_.emplace_back(title, text);
}
void BrainEvents::stonePlaced(Cell cell, int side) {
    if (side == kComputer) computerStone_ = cell;
}
std::vector<std::pair<std::string, std::string>> BrainEvents::takeMessages() {
    return std::exchange(messages_, {});
}
std::optional<Cell> BrainEvents::takeComputerStone() {
    return std::exchange(computerStone_, std::nullopt);
}

BrainProtocol::BrainProtocol(const BrainOptions& options, std::ostream& out, MonotonicClock& time)
    : options_(options), out_(out), clock_(makeClock(options.secondsDigit)), time_(time),
      session_(events_, *clock_, random_) {
    session_.chooseOpponent(options.opponent);
    session_.chooseDifficulty(options.difficulty);
}

void BrainProtocol::run(std::istream& in) {
    std::string line;
    while (std::getline(in, line))
        if (!handleLine(line)) break;
}

bool BrainProtocol::handleLine(const std::string& raw) {
    std::string line = trim(raw);
    if (readingBoard_) {
        if (upper(line) == "DONE")
            boardDone();
        else
            boardLine(line);
        out_.flush();
        return true;
    }
    if (line.empty()) return true;
    std::string command = line.substr(0, line.find(' '));
    std::string args = command.size() < line.size() ? trim(line.substr(command.size())) : "";
    command = upper(command);
    if (command == "END") return false;
    if (command == "BEGIN" || command == "TURN" || command == "BOARD") startTheClock();
    if (command == "START")
        start(args);
    else if (command == "RESTART")
        start("15");
    else if (command == "BEGIN")
        begin();
    else if (command == "TURN")
        turn(args);
    else if (command == "BOARD") {
        if (!started_)
            error("no START yet");
        else
            readingBoard_ = true, boardStones_.clear();
    } else if (command == "INFO")
        info(args);
    else if (command == "ABOUT")
        about();
    else
        out_ << "UNKNOWN\n";
    out_.flush();
    return true;
}

void BrainProtocol::start(const std::string& args) {
    int size = 0;
    if (!parseInt(args, size) || size != kBoardSize)
        return error("only a 15x15 board is supported");
    started_ = true;
    gameBegun_ = false;
    session_.endGame();
    out_ << "OK\n";
}

void BrainProtocol::startGame(bool playerFirst) {
    session_.endGame();
    if (playerFirst)
        session_.choosePlayerFirst();
    else
        session_.chooseComputerFirst();
    events_.takeComputerStone();
    session_.newGame();
    gameBegun_ = true;
}

void BrainProtocol::begin() {
    if (!started_) return error("no START yet");
    if (gameBegun_) return error("the game has already begun");
    startGame(false);
    answerComputerMove();
}

void BrainProtocol::turn(const std::string& args) {
    if (!started_) return error("no START yet");
    std::vector<int> f;
    if (!parseFields(args, f) || f.size() != 2) return error("TURN needs x,y");
    if (!onZeroBasedBoard(f[0], f[1])) return error("coordinates off the board");
    if (!gameBegun_) startGame(true);
    events_.takeComputerStone();
    PlayResult played = session_.play({f[0] + 1, f[1] + 1});
    session_.waitForReply(); // a thinking opponent answers here, synchronously
    if (played != PlayResult::Placed) return error(refusal(played));
    answerComputerMove();
}

const char* BrainProtocol::refusal(PlayResult result) {
    switch (result) {
    case PlayResult::NoGame:
        return "the game is over";
    case PlayResult::Taken:
        return "the cell is taken";
    case PlayResult::CentreFirst:
        return "the first stone must be on the centre 7,7";
    case PlayResult::OffBoard:
        return "coordinates off the board";
    case PlayResult::Thinking:
    case PlayResult::NotYourTurn:
    case PlayResult::Placed:
        break;
    }
    return "it is not the manager's turn";
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
    events_.takeComputerStone();
    if (!session_.playFromPosition(stones)) return error("BOARD is not a position of a game");
    gameBegun_ = true;
    session_.waitForReply();
    answerComputerMove();
}

void BrainProtocol::answerComputerMove() {
    flushMessages();
    if (std::optional<Cell> c = events_.takeComputerStone())
        out_ << (c->x - 1) << ',' << (c->y - 1) << '\n';
    else
        out_ << "OK\n";
}

void BrainProtocol::flushMessages() {
    for (const auto& [title, text] : events_.takeMessages())
        out_ << "MESSAGE " << title << ": " << text << '\n';
}

void BrainProtocol::error(const std::string& reason) {
    flushMessages();
    out_ << "ERROR " << reason << '\n';
}

void BrainProtocol::about() {
    out_ << "name=\"pbrain-wuzi\", version=\"" WUZI_VERSION "\", country=\"CN\"\n";
}

// "INFO key value"; only the time limits matter here, and a value that is no count of
// milliseconds is ignored, as are the other keys.
void BrainProtocol::info(const std::string& args) {
    std::string key = args.substr(0, args.find(' '));
    std::string value = key.size() < args.size() ? trim(args.substr(key.size())) : "";
    if (value.empty() || value.size() > 10 || !std::all_of(value.begin(), value.end(), [](char c) {
            return std::isdigit(static_cast<unsigned char>(c));
        }))
        return;
    turnTime_.inform(key, std::stoll(value));
}

void BrainProtocol::startTheClock() {
    std::optional<std::int64_t> budget = turnTime_.budget();
    std::optional<Deadline> deadline;
    if (budget) deadline = Deadline{&time_, time_.milliseconds() + *budget};
    session_.setReplyDeadline(deadline);
}

} // namespace wuzi
