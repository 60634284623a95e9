#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace wuzi {

// Message boxes reach the core through this interface, so tests and the
// headless brain can answer them without a window.
class MessageSink {
  public:
    virtual ~MessageSink() = default;
    virtual void information(const std::string& title, const std::string& text) = 0;
    virtual void critical(const std::string& title, const std::string& text) = 0;
    // A Yes/No question; true means Yes.
    virtual bool question(const std::string& title, const std::string& text) = 0;
    // A Yes/No question before a step that would lose something: No, which loses
    // nothing, is the answer a mere Enter gives. True means Yes.
    virtual bool confirm(const std::string& title, const std::string& text) {
        return question(title, text);
    }
};

// The clock, formatted "yyyy-mm-dd hh:mm:ss".
class Clock {
  public:
    virtual ~Clock() = default;
    virtual std::string now() = 0;
};

// A clock that only goes forward, in milliseconds from any start: for time limits.
class MonotonicClock {
  public:
    virtual ~MonotonicClock() = default;
    // Safe to call from any thread.
    virtual std::int64_t milliseconds() = 0;
};

// The moment by which a piece of work must end.
struct Deadline {
    MonotonicClock* clock = nullptr;
    std::int64_t at = 0;

    bool passed() const { return clock->milliseconds() >= at; }
};

// Uniform random numbers in [0, 1).
class RandomSource {
  public:
    virtual ~RandomSource() = default;
    virtual double next() = 0;
};

// The local wall clock.
class SystemClock : public Clock {
  public:
    std::string now() override;
};

// The system's steady clock.
class SteadyClock : public MonotonicClock {
  public:
    std::int64_t milliseconds() override;
};

// A clock whose seconds always end in one digit (tests, the brain's --seconds-digit).
class FixedDigitClock : public Clock {
  public:
    explicit FixedDigitClock(int digit) : digit_(digit) {}
    std::string now() override;
    void setDigit(int digit) { digit_ = digit; }

  private:
    int digit_;
};

// The game's random generator: seeded with a constant, never from the clock, so every
// run of the program draws the same sequence from its start.
class SeededRandom : public RandomSource {
  public:
    static constexpr unsigned long long kSeed = 0x5EED5EEDULL;
    explicit SeededRandom(unsigned long long seed = kSeed) : state_(seed) {}
    double next() override;

  private:
    unsigned long long state_;
};

// A sink that drops everything and answers No; for callers that show nothing.
class SilentMessages : public MessageSink {
  public:
    void information(const std::string&, const std::string&) override {}
    void critical(const std::string&, const std::string&) override {}
    bool question(const std::string&, const std::string&) override { return false; }
};

} // namespace wuzi
