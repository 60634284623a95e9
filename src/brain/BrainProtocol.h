#pragma once

#include "brain/TurnTime.h"
#include "session/Session.h"

#include <iosfwd>
#include <memory>
#include <optional>
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

// What a headless game shows: its message boxes, kept in order until the next answer is
// written, and the cell of the computer's latest stone.
class BrainEvents : public SessionEvents {
  public:
    void information(const std::string& title, const std::string& text) override;
    void critical(const std::string& title, const std::string& text) override;
    void stonePlaced(Cell cell, int side) override;
    std::vector<std::pair<std::string, std::string>> takeMessages();
    // The computer's stone placed since the last call, if any.
    std::optional<Cell> takeComputerStone();

  private:
    std::vector<std::pair<std::string, std::string>> messages_;
    std::optional<Cell> computerStone_;
};

// The computer's side of a game spoken over the Gomocup brain protocol, through the
// same core code as the window. Every line is answered or ignored. `time` measures the
// replies against the limits INFO gives.
class BrainProtocol {
  public:
    BrainProtocol(const BrainOptions& options, std::ostream& out, MonotonicClock& time);
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
    void info(const std::string& args);
    // The reply owed to the line just read must come within the time INFO allows.
    void startTheClock();
    void startGame(bool playerFirst);
    void answerComputerMove();
    void flushMessages();
    void error(const std::string& reason);
    // What the manager is told when its stone is refused.
    static const char* refusal(PlayResult result);

    BrainOptions options_;
    std::ostream& out_;
    BrainEvents events_;
    std::unique_ptr<Clock> clock_;
    MonotonicClock& time_;
    TurnTime turnTime_;
    SeededRandom random_;
    Session session_;
    bool started_ = false;
    bool gameBegun_ = false;
    bool readingBoard_ = false;
    std::vector<std::pair<Cell, int>> boardStones_;
};

} // namespace wuzi
