#include "rules/Platform.h"

#include <chrono>
#include <ctime>

namespace wuzi {

std::string SystemClock::now() {
    std::time_t t = std::time(nullptr);
    std::tm local{};
    localtime_r(&t, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &local);
    return text;
}

std::int64_t SteadyClock::milliseconds() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

std::string FixedDigitClock::now() {
    return "2026-01-01 00:00:0" + std::to_string(digit_ % 10);
}

double SeededRandom::next() {
    // splitmix64: small, portable, and the same sequence on every platform.
    state_ += 0x9E3779B97F4A7C15ULL;
    unsigned long long z = state_;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    z ^= z >> 31;
    return static_cast<double>(z >> 11) * (1.0 / 9007199254740992.0);
}

} // namespace wuzi
