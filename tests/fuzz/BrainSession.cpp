#include "BrainSession.h"

#include "brain/BrainProtocol.h"

#include <atomic>
#include <cstdio>
#include <sstream>
#include <vector>

namespace wuzi::fuzz {

namespace {

// An hour passes at every reading.
class RacingClock : public MonotonicClock {
  public:
    std::int64_t milliseconds() override { return 3600000 * readings_++; }

  private:
    std::atomic<std::int64_t> readings_{0};
};

bool isMove(const std::string& line) {
    int x = -1, y = -1;
    char rest = 0;
    return std::sscanf(line.c_str(), "%d,%d%c", &x, &y, &rest) == 2 && x >= 0 && x < 15 && y >= 0 &&
           y < 15 && line == std::to_string(x) + "," + std::to_string(y);
}

bool isAnswer(const std::string& line) {
    return line == "OK" || line == "UNKNOWN" || line.rfind("ERROR ", 0) == 0 ||
           line.rfind("name=\"pbrain-wuzi\"", 0) == 0 || isMove(line);
}

bool hasControlCharacter(const std::string& line) {
    for (unsigned char c : line)
        if (c < 0x20 || c == 0x7f) return true;
    return false;
}

std::string shown(const std::string& line) {
    std::string text;
    for (unsigned char c : line.substr(0, 200)) {
        char code[8];
        std::snprintf(code, sizeof code, "\\x%02x", c);
        text += c >= 0x20 && c < 0x7f ? std::string(1, static_cast<char>(c)) : code;
    }
    return line.size() > 200 ? text + "... (" + std::to_string(line.size()) + " bytes)" : text;
}

// What is wrong with the brain's output for one line, if anything.
std::optional<std::string> wrongOutput(const std::string& output) {
    std::istringstream lines(output);
    std::string line;
    int answers = 0;
    bool messageOwed = false;
    while (std::getline(lines, line)) {
        if (hasControlCharacter(line)) return "a control character in \"" + shown(line) + "\"";
        if (line.rfind("MESSAGE ", 0) == 0) {
            messageOwed = true;
            continue;
        }
        if (!isAnswer(line)) return "not an answer: \"" + shown(line) + "\"";
        if (++answers > 1) return "a second answer: \"" + shown(line) + "\"";
        messageOwed = false;
    }
    if (messageOwed) return std::string("a message without an answer");
    if (!output.empty() && output.back() != '\n') return std::string("an unfinished line");
    return std::nullopt;
}

} // namespace

std::optional<std::string> CheckBrainSession(std::span<const std::uint8_t> bytes) {
    BrainOptions options;
    if (bytes.size() >= 3) {
        options = {bytes[0] % 5, bytes[1] % 3, bytes[2] % 10};
        bytes = bytes.subspan(3);
    }
    RacingClock clock;
    std::ostringstream out;
    BrainProtocol brain(options, out, clock);
    brain.handleLine("INFO timeout_turn 1000");
    std::istringstream in(std::string(bytes.begin(), bytes.end()));
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        out.str("");
        bool goesOn = brain.handleLine(line);
        if (auto wrong = wrongOutput(out.str()))
            return "line " + std::to_string(number) + " \"" + shown(line) + "\": " + *wrong;
        if (!goesOn) break;
    }
    return std::nullopt;
}

} // namespace wuzi::fuzz
