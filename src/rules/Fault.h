#pragma once

#include "rules/Game.h"

#include <stdexcept>
#include <string>

namespace wuzi {

// A run-time fault of a game procedure: its text is what the "错误" box shows.
class Fault : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

inline constexpr const char* kErrorTitle = "错误";

// Runs one procedure of the game with the standard fault handling: a fault shows its
// description in a critical box titled "错误" and ends the procedure; the caller goes on.
template <class Body> void guarded(Game& g, Body&& body) {
    try {
        body();
    } catch (const std::exception& e) {
        g.messages.critical(kErrorTitle, e.what());
    }
}

// The same for a procedure that answers a question: a fault answers false.
template <class Body> bool guardedAnswer(Game& g, Body&& body) {
    bool answer = false;
    guarded(g, [&] { answer = body(); });
    return answer;
}

} // namespace wuzi
