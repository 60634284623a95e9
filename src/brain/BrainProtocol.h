#pragma once

#include "core/Game.h"

#include <iosfwd>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace wuzi {

struct BrainOptions {
    int opponent = 2;
    int difficulty = 0;
    int secondsDigit = -1; // -1: the real clock
};

// Parses --opponent, --difficulty and --seconds-digit. Returns false with a reason on
// anything else.
bool ParseBrainOptions(int argc, const char* const argv[], BrainOptions& options,
                       std::string& error);

// Message boxes of a headless game: kept in order until the next answer is written.
class CollectedMessages : public MessageSink {
public:
    void information(const std::string& title, const std::string& text) override;
    void critical(const std::string& title, const std::string& text) override;
    bool question(const std::string& title, const std::string& text) override;
    std::vector<std::pair<std::string, std::string>> take();

private:
    std::vector<std::pair<std::string, std::string>> pending_;
};

// The computer's side of a game spoken over the Gomocup brain protocol, through the
// same core code as the window.
class BrainProtocol {
public:
    BrainProtocol(const BrainOptions& options, std::ostream& out);
    // Handles one input line; returns false after END.
    bool handleLine(const std::string& line);
    void run(std::istream& in);

private:
    void start(const std::string& args);
    void begin();
    void turn(const std::string& args);
    void boardLine(const std::string& line);
    void boardDone();
    void about();
    void startGame(bool playerFirst);
    void answerComputerMove(int compStonesBefore);
    void flushMessages();
    void error(const std::string& reason);

    BrainOptions options_;
    std::ostream& out_;
    CollectedMessages messages_;
    std::unique_ptr<Clock> clock_;
    SeededRandom random_;
    Game game_;
    bool started_ = false;
    bool gameBegun_ = false;
    bool readingBoard_ = false;
    std::vector<std::pair<Cell, int>> boardStones_;
};

} // namespace wuzi
