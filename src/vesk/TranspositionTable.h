#pragma once

#include "vesk/Types.h"

#include <atomic>
#include <cstdint>
#include <memory>

// Search results by Zobrist key, shared by the search threads without locks: an entry
// keeps its key XORed with its data, so a torn write reads as a miss.
namespace vesk {

enum Bound : std::uint8_t { kNoBound = 0, kUpper = 1, kLower = 2, kExact = 3 };

struct TTHit {
    Score value = 0;
    Pos move = kNoPos;
    int depth = 0;
    Bound bound = kNoBound;
};

class TranspositionTable {
  public:
    explicit TranspositionTable(int megabytes = 16);

    void clear();
    bool probe(std::uint64_t key, TTHit& hit) const;
    void store(std::uint64_t key, Score value, Pos move, int depth, Bound bound);

  private:
    struct Entry {
        std::atomic<std::uint64_t> check{0};
        std::atomic<std::uint64_t> data{0};
    };
    std::unique_ptr<Entry[]> entries_;
    std::uint64_t mask_;
};

// Mate scores are stored relative to the node, read back relative to the root.
constexpr Score toTT(Score s, int ply) {
    return s >= kMateBound ? s + ply : s <= -kMateBound ? s - ply : s;
}
constexpr Score fromTT(Score s, int ply) {
    return s >= kMateBound ? s - ply : s <= -kMateBound ? s + ply : s;
}

} // namespace vesk
