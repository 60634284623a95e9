#include "vesk/TranspositionTable.h"

namespace vesk {

namespace {

constexpr int kGenerations = 64;

// data: value (16 bits) | eval (16) | move (16) | depth (8) | bound (2) | generation (6)
struct Fields {
    Score value;
    Score eval;
    Pos move;
    int depth;
    Bound bound;
    int generation;
};

std::uint64_t pack(const Fields& f) {
    return static_cast<std::uint16_t>(f.value) |
           static_cast<std::uint64_t>(static_cast<std::uint16_t>(f.eval)) << 16 |
           static_cast<std::uint64_t>(static_cast<std::uint16_t>(f.move)) << 32 |
           static_cast<std::uint64_t>(static_cast<std::uint8_t>(f.depth)) << 48 |
           static_cast<std::uint64_t>(f.bound) << 56 |
           static_cast<std::uint64_t>(f.generation) << 58;
}

Fields unpack(std::uint64_t data) {
    return {
        static_cast<std::int16_t>(data & 0xFFFF), static_cast<std::int16_t>((data >> 16) & 0xFFFF),
        static_cast<Pos>((data >> 32) & 0xFFFF),  static_cast<std::int8_t>((data >> 48) & 0xFF),
        static_cast<Bound>((data >> 56) & 3),     static_cast<int>(data >> 58)};
}

} // namespace

TranspositionTable::TranspositionTable(int megabytes) {
    std::uint64_t count = 1;
    while (count * 2 * sizeof(Bucket) <= static_cast<std::uint64_t>(megabytes) << 20)
        count *= 2;
    buckets_ = std::make_unique<Bucket[]>(count);
    mask_ = count - 1;
}

void TranspositionTable::clear() {
    for (std::uint64_t i = 0; i <= mask_; ++i)
        for (Entry& e : buckets_[i].entries) {
            e.check.store(0, std::memory_order_relaxed);
            e.data.store(0, std::memory_order_relaxed);
        }
    generation_ = 0;
}

void TranspositionTable::age() {
    generation_ = static_cast<std::uint8_t>((generation_ + 1) % kGenerations);
}

bool TranspositionTable::probe(std::uint64_t key, TTHit& hit) const {
    for (const Entry& e : buckets_[key & mask_].entries) {
        std::uint64_t data = e.data.load(std::memory_order_relaxed);
        if ((e.check.load(std::memory_order_relaxed) ^ data) != key || data == 0) continue;
        Fields f = unpack(data);
        hit = {f.value, f.eval, f.move, f.depth, f.bound};
        return true;
    }
    return false;
}

void TranspositionTable::store(std::uint64_t key, Score value, Score eval, Pos move, int depth,
                               Bound bound) {
    Bucket& bucket = buckets_[key & mask_];
    Entry* victim = nullptr;
    int victimWorth = 1 << 30;
    for (Entry& e : bucket.entries) {
        std::uint64_t data = e.data.load(std::memory_order_relaxed);
        Fields old = unpack(data);
        if ((e.check.load(std::memory_order_relaxed) ^ data) == key && data != 0) {
            // The same position: keep a deeper result of this search, and its move when
            // the new one has none.
            if (bound != kExact && old.generation == generation_ && old.depth > depth + 2) return;
            if (move == kNoPos) move = old.move;
            victim = &e;
            break;
        }
        // Otherwise replace the shallowest entry, counting older searches' as shallower.
        int age = (generation_ - old.generation + kGenerations) % kGenerations;
        int worth = data == 0 ? -(1 << 20) : old.depth - 8 * age;
        if (worth < victimWorth) victim = &e, victimWorth = worth;
    }
    std::uint64_t data = pack({value, eval, move, depth, bound, generation_});
    victim->data.store(data, std::memory_order_relaxed);
    victim->check.store(key ^ data, std::memory_order_relaxed);
}

} // namespace vesk
