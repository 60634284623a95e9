#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace wuzi::fuzz {

// The choices of a fuzzing session, read from a string of bytes: a libFuzzer input or a
// seeded random string. The same bytes always make the same session, so any failing
// input replays exactly. Once the bytes run out every choice is 0 and `exhausted` is set.
class ByteStream {
  public:
    explicit ByteStream(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    bool exhausted() const { return pos_ >= bytes_.size(); }

    std::uint8_t byte() { return exhausted() ? 0 : bytes_[pos_++]; }

    // A choice in [0, n), n >= 1.
    int pick(int n) {
        unsigned value = byte();
        if (n > 256) value = value << 8 | byte();
        return static_cast<int>(value % static_cast<unsigned>(n));
    }

    // True with probability about percent / 100.
    bool chance(int percent) { return pick(100) < percent; }

  private:
    std::span<const std::uint8_t> bytes_;
    std::size_t pos_ = 0;
};

} // namespace wuzi::fuzz
