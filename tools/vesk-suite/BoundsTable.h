#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// What an exact search proved of positions: the fewest attacker stones known to win and
// the most known to fail, kept by key in 4-way buckets; a new position takes the place of
// the first of its bucket when the bucket is full. Key 0 marks an empty slot.
class BoundsTable {
  public:
    struct Bounds {
        std::uint64_t key = 0;
        std::uint8_t failsWith = 0;  // no win within this many stones
        std::uint8_t winsWith = 255; // a win within this many stones
    };

    explicit BoundsTable(int bits) : table_(std::size_t{1} << bits) {}

    Bounds known(std::uint64_t key) const {
        for (std::size_t i = bucket(key); i < bucket(key) + 4; ++i)
            if (table_[i].key == key) return table_[i];
        return {};
    }

    // Learns that `stones` stones win, or do not; returns `win`.
    bool remember(std::uint64_t key, int stones, bool win) {
        Bounds* slot = &table_[bucket(key)];
        for (std::size_t i = bucket(key); i < bucket(key) + 4; ++i)
            if (table_[i].key == key || table_[i].key == 0) {
                slot = &table_[i];
                break;
            }
        if (slot->key != key) *slot = {key, 0, 255};
        if (win && stones < slot->winsWith) slot->winsWith = static_cast<std::uint8_t>(stones);
        if (!win && stones > slot->failsWith) slot->failsWith = static_cast<std::uint8_t>(stones);
        return win;
    }

  private:
    std::size_t bucket(std::uint64_t key) const { return (key >> 8) & (table_.size() - 4); }

    std::vector<Bounds> table_;
};
