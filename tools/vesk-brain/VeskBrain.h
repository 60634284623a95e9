#pragma once

#include "engines/vesk/Engine.h"

#include <iosfwd>
#include <string>
#include <vector>

// Vesk over the Gomocup brain protocol (0-based "x,y" coordinates): START, RESTART,
// BEGIN, TURN, BOARD ... DONE, TAKEBACK, INFO timeout_turn / timeout_match / time_left,
// ABOUT, END.
class VeskBrain {
  public:
    VeskBrain(vesk::ThinkLimits limits, std::ostream& out);

    // Handles one line; false after END.
    bool handle(const std::string& line);

  private:
    void answer();
    void boardLine(const std::string& line);
    void boardDone();
    void info(const std::string& key, const std::string& value);

    vesk::Engine engine_;
    vesk::ThinkLimits limits_;
    std::int64_t ownTurnMs_; // the pace asked for on the command line
    std::ostream& out_;
    std::vector<wuzi::Cell> stones_;
    bool readingBoard_ = false;
    std::vector<wuzi::Cell> own_;
    std::vector<wuzi::Cell> theirs_;
};
