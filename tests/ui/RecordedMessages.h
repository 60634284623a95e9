#pragma once

#include "rules/Platform.h"

#include <string>
#include <vector>

namespace wuzi::test {

// Message boxes of a window under test, kept as "title:text" in order; questions are
// answered No.
class RecordedMessages : public MessageSink {
  public:
    void information(const std::string& title, const std::string& text) override {
        shown.push_back(title + ":" + text);
    }
    void critical(const std::string& title, const std::string& text) override {
        shown.push_back(title + ":" + text);
    }
    bool question(const std::string&, const std::string&) override { return false; }
    std::vector<std::string> shown;
};

} // namespace wuzi::test
