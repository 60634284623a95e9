#include "VeskBrain.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <ostream>
#include <sstream>

namespace {

std::string upper(std::string s) {
    for (char& c : s)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return s;
}

// "x,y[,field]" with 0-based coordinates; false if malformed or off the board.
bool parseStone(const std::string& text, wuzi::Cell& cell, int& field) {
    int x = -1, y = -1;
    field = 0;
    int read = std::sscanf(text.c_str(), "%d,%d,%d", &x, &y, &field);
    if (read < 2 || !wuzi::onBoard(x + 1, y + 1)) return false;
    cell = {x + 1, y + 1};
    return true;
}

} // namespace

VeskBrain::VeskBrain(vesk::ThinkLimits limits, std::ostream& out)
    : limits_(limits), ownTurnMs_(limits.turnMs), out_(out) {}

bool VeskBrain::handle(const std::string& raw) {
    std::string line = raw;
    while (!line.empty() && std::isspace(static_cast<unsigned char>(line.back())))
        line.pop_back();
    if (readingBoard_) {
        if (upper(line) == "DONE")
            boardDone();
        else
            boardLine(line);
        out_.flush();
        return true;
    }
    std::istringstream in(line);
    std::string command, args;
    in >> command;
    std::getline(in >> std::ws, args);
    command = upper(command);
    wuzi::Cell cell;
    int field = 0;
    if (command == "END") return false;
    if (command == "START" || command == "RESTART") {
        if (command == "START" && args != "15") {
            out_ << "ERROR only a 15x15 board is supported\n";
        } else {
            stones_.clear();
            engine_.newGame();
            out_ << "OK\n";
        }
    } else if (command == "BEGIN") {
        stones_.clear();
        answer();
    } else if (command == "TURN") {
        if (!parseStone(args, cell, field) ||
            std::find(stones_.begin(), stones_.end(), cell) != stones_.end()) {
            out_ << "ERROR bad move " << args << '\n';
        } else {
            stones_.push_back(cell);
            answer();
        }
    } else if (command == "TAKEBACK") {
        if (parseStone(args, cell, field) && !stones_.empty() && stones_.back() == cell) {
            stones_.pop_back();
            out_ << "OK\n";
        } else {
            out_ << "ERROR cannot take back " << args << '\n';
        }
    } else if (command == "BOARD") {
        readingBoard_ = true;
        own_.clear();
        theirs_.clear();
    } else if (command == "INFO") {
        std::istringstream kv(args);
        std::string key, value;
        kv >> key >> value;
        info(key, value);
    } else if (command == "ABOUT") {
        out_ << "name=\"vesk\", version=\"0.1\", country=\"CN\", "
                "www=\"free-style gomoku, 15x15\"\n";
    } else if (!command.empty()) {
        out_ << "UNKNOWN\n";
    }
    out_.flush();
    return true;
}

void VeskBrain::info(const std::string& key, const std::string& value) {
    long long number = 0;
    if (std::sscanf(value.c_str(), "%lld", &number) != 1) return;
    // The manager's limit caps the brain's own pace; it never slows it down.
    if (key == "timeout_turn" && number > 0)
        limits_.turnMs = ownTurnMs_ > 0 ? std::min<std::int64_t>(ownTurnMs_, number) : number;
    if (key == "time_left") limits_.matchLeftMs = number;
}

void VeskBrain::boardLine(const std::string& line) {
    wuzi::Cell cell;
    int field = 0;
    if (!parseStone(line, cell, field)) return;
    (field == 1 ? own_ : theirs_).push_back(cell);
}

// Rebuilds the game's order: the side to move is ours, so black is whichever side has
// as many stones as the other or more.
void VeskBrain::boardDone() {
    readingBoard_ = false;
    bool weAreBlack = own_.size() == theirs_.size();
    const auto& black = weAreBlack ? own_ : theirs_;
    const auto& white = weAreBlack ? theirs_ : own_;
    stones_.clear();
    for (std::size_t i = 0; i < black.size() || i < white.size(); ++i) {
        if (i < black.size()) stones_.push_back(black[i]);
        if (i < white.size()) stones_.push_back(white[i]);
    }
    answer();
}

void VeskBrain::answer() {
    if (!engine_.setPosition(stones_)) {
        out_ << "ERROR the position is not valid\n";
        return;
    }
    vesk::ThinkResult r = engine_.think(limits_);
    if (wuzi::isNoCell(r.move)) {
        out_ << "ERROR no move\n";
        return;
    }
    stones_.push_back(r.move);
    out_ << "MESSAGE depth " << r.depth << " score " << r.score << " nodes " << r.nodes << " ms "
         << r.ms << '\n';
    out_ << r.move.x - 1 << ',' << r.move.y - 1 << '\n';
}
