#pragma once

#include "session/SessionEvents.h"

#include <algorithm>
#include <string>
#include <vector>

namespace wuzi::test {

// Records every message box in order; as a session's events, it hears nothing else.
class RecordingMessages : public SessionEvents {
  public:
    struct Box {
        std::string kind; // "information", "critical" or "question"
        std::string title;
        std::string text;
    };
    void information(const std::string& title, const std::string& text) override {
        boxes.push_back({"information", title, text});
    }
    void critical(const std::string& title, const std::string& text) override {
        boxes.push_back({"critical", title, text});
    }
    bool question(const std::string& title, const std::string& text) override {
        boxes.push_back({"question", title, text});
        return answerYes;
    }
    int count(const std::string& kind) const {
        return static_cast<int>(std::count_if(boxes.begin(), boxes.end(),
                                              [&](const Box& b) { return b.kind == kind; }));
    }
    bool shown(const std::string& text) const {
        return std::any_of(boxes.begin(), boxes.end(),
                           [&](const Box& b) { return b.text == text; });
    }

    std::vector<Box> boxes;
    bool answerYes = false;
};

} // namespace wuzi::test
