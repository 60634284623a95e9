#pragma once

#include "vesk/Types.h"

#include <atomic>
#include <cstdint>
#include <memory>

// Search results by Zobrist key, shared by the search threads without locks. A key
// picks a bucket of four entries; an entry keeps its key XORed with its data, so a torn
// write reads as a miss. Each search ages the entries of those before it, which are
// then the first replaced.
namespace vesk {

enum Bound : std::uint8_t { kNoBound = 0, kUpper = 1, kLower = 2, kExact = 3 };

// The static evaluation's slot when the node had none (the side to move faced a four).
inline constexpr Score kNoEval = -kInfinity;

struct TTHit {
    Score value = 0;
    Score eval = kNoEval;
    Pos move = kNoPos;
    int depth = 0; // 0: a result of the threat search at the leaves
    Bound bound = kNoBound;
};

class TranspositionTable {
  public:
    explicit TranspositionTable(int megabytes = 16);

    void clear();
    // A new search begins: what earlier ones stored grows older.
    void age();
    bool probe(std::uint64_t key, TTHit& hit) const;
    // Starts bringing the key's bucket into the cache, for a probe soon after.
    void prefetch(std::uint64_t key) const { __builtin_prefetch(&buckets_[key & mask_]); }
    void store(std::uint64_t key, Score value, Score eval, Pos move, int depth, Bound bound);

  private:
    struct Entry {
        std::atomic<std::uint64_t> check{0};
        std::atomic<std::uint64_t> data{0};
    };
    static constexpr int kBucketSize = 4;
    struct alignas(64) Bucket {
        Entry entries[kBucketSize];
    };

    std::unique_ptr<Bucket[]> buckets_;
    std::uint64_t mask_;
    std::uint8_t generation_ = 0;
};

// Mate scores are stored relative to the node, read back relative to the root.
constexpr Score toTT(Score s, int ply) {
    return s >= kMateBound ? s + ply : s <= -kMateBound ? s - ply : s;
}
constexpr Score fromTT(Score s, int ply) {
    return s >= kMateBound ? s - ply : s <= -kMateBound ? s + ply : s;
}

} // namespace vesk
