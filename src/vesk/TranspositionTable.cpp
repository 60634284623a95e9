#include "vesk/TranspositionTable.h"

namespace vesk {

namespace {

// data: value (16 bits) | move (16) | depth (16) | bound (8)
std::uint64_t pack(Score value, Pos move, int depth, Bound bound) {
    return static_cast<std::uint16_t>(value) |
           static_cast<std::uint64_t>(static_cast<std::uint16_t>(move)) << 16 |
           static_cast<std::uint64_t>(static_cast<std::uint16_t>(depth)) << 32 |
           static_cast<std::uint64_t>(bound) << 48;
}

} // namespace

TranspositionTable::TranspositionTable(int megabytes) {
    std::uint64_t count = 1;
    while (count * 2 * sizeof(Entry) <= static_cast<std::uint64_t>(megabytes) << 20)
        count *= 2;
    entries_ = std::make_unique<Entry[]>(count);
    mask_ = count - 1;
}

void TranspositionTable::clear() {
    for (std::uint64_t i = 0; i <= mask_; ++i) {
        entries_[i].check.store(0, std::memory_order_relaxed);
        entries_[i].data.store(0, std::memory_order_relaxed);
    }
}

bool TranspositionTable::probe(std::uint64_t key, TTHit& hit) const {
    const Entry& e = entries_[key & mask_];
    std::uint64_t data = e.data.load(std::memory_order_relaxed);
    if ((e.check.load(std::memory_order_relaxed) ^ data) != key || data == 0) return false;
    hit.value = static_cast<std::int16_t>(data & 0xFFFF);
    hit.move = static_cast<Pos>((data >> 16) & 0xFFFF);
    hit.depth = static_cast<std::int16_t>((data >> 32) & 0xFFFF);
    hit.bound = static_cast<Bound>((data >> 48) & 0xFF);
    return true;
}

void TranspositionTable::store(std::uint64_t key, Score value, Pos move, int depth, Bound bound) {
    Entry& e = entries_[key & mask_];
    std::uint64_t old = e.data.load(std::memory_order_relaxed);
    bool same = (e.check.load(std::memory_order_relaxed) ^ old) == key;
    // Keep a deeper result of the same position, and its move when this one has none.
    if (same && static_cast<std::int16_t>((old >> 32) & 0xFFFF) > depth && bound != kExact) return;
    if (same && move == kNoPos) move = static_cast<Pos>((old >> 16) & 0xFFFF);
    std::uint64_t data = pack(value, move, depth, bound);
    e.data.store(data, std::memory_order_relaxed);
    e.check.store(key ^ data, std::memory_order_relaxed);
}

} // namespace vesk
