#pragma once

#include "rules/Platform.h"

#include <string>
#include <utility>
#include <vector>

namespace wuzi {

// The game's message boxes on their way to the front end, held back while a step of the
// game is told: the box that says who won comes after the stone that won and the game's
// end, so that the window has shown and sounded them as the box opens. Outside a step
// every box passes at once; the game asks no questions, so those pass at once too.
class HeldMessages : public MessageSink {
  public:
    explicit HeldMessages(MessageSink& sink) : sink_(sink) {}

    void hold() { holding_ = true; }
    // Passes on the boxes held, in order.
    void release() {
        holding_ = false;
        for (const Box& box : std::exchange(held_, {}))
            show(box);
    }

    void information(const std::string& title, const std::string& text) override {
        pass({false, title, text});
    }
    void critical(const std::string& title, const std::string& text) override {
        pass({true, title, text});
    }
    bool question(const std::string& title, const std::string& text) override {
        return sink_.question(title, text);
    }
    bool confirm(const std::string& title, const std::string& text) override {
        return sink_.confirm(title, text);
    }

  private:
    struct Box {
        bool critical;
        std::string title;
        std::string text;
    };

    void pass(Box box) {
        if (holding_)
            held_.push_back(std::move(box));
        else
            show(box);
    }
    void show(const Box& box) {
        if (box.critical)
            sink_.critical(box.title, box.text);
        else
            sink_.information(box.title, box.text);
    }

    MessageSink& sink_;
    bool holding_ = false;
    std::vector<Box> held_;
};

} // namespace wuzi
