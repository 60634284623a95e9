#pragma once

#include "vesk/Types.h"

#include <algorithm>
#include <array>

namespace vesk {

// Up to one move for every cell of the board, without allocation.
class MoveList {
  public:
    void push_back(Pos p) { moves_[size_++] = p; }
    void clear() { size_ = 0; }
    int size() const { return size_; }
    bool empty() const { return size_ == 0; }
    bool contains(Pos p) const { return std::find(begin(), end(), p) != end(); }
    Pos operator[](int i) const { return moves_[i]; }
    Pos* begin() { return moves_.data(); }
    Pos* end() { return moves_.data() + size_; }
    const Pos* begin() const { return moves_.data(); }
    const Pos* end() const { return moves_.data() + size_; }

  private:
    std::array<Pos, kSize * kSize> moves_;
    int size_ = 0;
};

} // namespace vesk
