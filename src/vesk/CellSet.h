#pragma once

#include "vesk/Types.h"

#include <array>
#include <bit>
#include <cstdint>

namespace vesk {

// A set of padded cells, one bit each, walked in board order (row by row).
class CellSet {
  public:
    void insert(Pos p) { words_[p >> 6] |= bit(p); }
    void erase(Pos p) { words_[p >> 6] &= ~bit(p); }
    bool contains(Pos p) const { return (words_[p >> 6] & bit(p)) != 0; }

    bool empty() const {
        std::uint64_t any = 0;
        for (std::uint64_t w : words_)
            any |= w;
        return any == 0;
    }

    int size() const {
        int n = 0;
        for (std::uint64_t w : words_)
            n += std::popcount(w);
        return n;
    }

    // The first cell in board order; kNoPos when the set is empty.
    Pos first() const {
        for (int i = 0; i < kWords; ++i)
            if (words_[i]) return static_cast<Pos>(i * 64 + std::countr_zero(words_[i]));
        return kNoPos;
    }

    template <class Visit> void forEach(Visit visit) const {
        for (int i = 0; i < kWords; ++i)
            for (std::uint64_t w = words_[i]; w; w &= w - 1)
                visit(static_cast<Pos>(i * 64 + std::countr_zero(w)));
    }

    CellSet& operator|=(const CellSet& other) {
        for (int i = 0; i < kWords; ++i)
            words_[i] |= other.words_[i];
        return *this;
    }
    CellSet& operator&=(const CellSet& other) {
        for (int i = 0; i < kWords; ++i)
            words_[i] &= other.words_[i];
        return *this;
    }
    friend CellSet operator|(CellSet a, const CellSet& b) { return a |= b; }
    friend CellSet operator&(CellSet a, const CellSet& b) { return a &= b; }
    friend bool operator==(const CellSet&, const CellSet&) = default;

  private:
    static constexpr int kWords = (kArea + 63) / 64;
    static constexpr std::uint64_t bit(Pos p) { return std::uint64_t{1} << (p & 63); }

    std::array<std::uint64_t, kWords> words_{};
};

} // namespace vesk
