#pragma once

#include "rules/Platform.h"

#include <functional>
#include <string>
#include <vector>

namespace wuzi::test {

// Message boxes of a window under test, kept as "title:text" in order; questions are
// answered No. Before a game is left (confirm) the player agrees unless a test says
// otherwise; those questions are kept as "?title:text".
class RecordedMessages : public MessageSink {
  public:
    void information(const std::string& title, const std::string& text) override {
        shown.push_back(title + ":" + text);
        if (whileShown) whileShown();
    }
    void critical(const std::string& title, const std::string& text) override {
        shown.push_back(title + ":" + text);
    }
    bool question(const std::string&, const std::string&) override { return false; }
    bool confirm(const std::string& title, const std::string& text) override {
        asked.push_back("?" + title + ":" + text);
        return agrees;
    }
    std::vector<std::string> asked;
    bool agrees = true;
    std::vector<std::string> shown;
    // What a test looks at while an information box stands.
    std::function<void()> whileShown;
};

} // namespace wuzi::test
