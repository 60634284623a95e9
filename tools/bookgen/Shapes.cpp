#include "Shapes.h"

#include <array>

namespace bookgen {

namespace {

// A line window: positions 0..8, the stone at 4. Codes 0 empty, 1 own, 2 blocked.
using Window = std::array<std::uint8_t, 9>;

constexpr int kCentre = 4;
constexpr int kConfigs = 1 << 16; // four states for each of the eight neighbours

Window decode(unsigned config) {
    Window w{};
    for (int k = 8; k >= 0; --k) {
        if (k == kCentre) {
            w[k] = 1;
            continue;
        }
        unsigned v = config & 3;
        config >>= 2;
        w[k] = v == 0 ? 0 : v == 1 ? 1 : 2;
    }
    return w;
}

unsigned encode(const Window& w) {
    unsigned config = 0;
    for (int k = 0; k < 9; ++k)
        if (k != kCentre) config = config * 4 + (w[k] == 2 ? 2 : w[k]);
    return config;
}

// A five of own stones through the centre and through cell e (e = centre: any five).
bool fiveThrough(const Window& w, int e) {
    for (int start = 0; start + 4 < 9; ++start) {
        if (start > kCentre || start + 4 < kCentre || start > e || start + 4 < e) continue;
        bool all = true;
        for (int k = start; k < start + 5; ++k)
            all = all && w[k] == 1;
        if (all) return true;
    }
    return false;
}

int fivePoints(Window w) {
    int n = 0;
    for (int e = 0; e < 9; ++e) {
        if (w[e] != 0) continue;
        w[e] = 1;
        n += fiveThrough(w, e);
        w[e] = 0;
    }
    return n;
}

bool fiveFits(const Window& w) {
    for (int start = 0; start <= kCentre; ++start) {
        bool open = true;
        for (int k = start; k < start + 5; ++k)
            open = open && w[k] != 2;
        if (open) return true;
    }
    return false;
}

struct Table {
    std::array<std::uint8_t, kConfigs> shape{};
    std::array<bool, kConfigs> known{};

    Table() {
        for (unsigned config = 0; config < kConfigs; ++config)
            classify(config);
    }

    Shape classify(unsigned config) {
        if (known[config]) return static_cast<Shape>(shape[config]);
        Shape s = compute(decode(config));
        shape[config] = s;
        known[config] = true;
        return s;
    }

    Shape compute(Window w) {
        if (fiveThrough(w, kCentre)) return kFive;
        int points = fivePoints(w);
        if (points >= 2) return kOpenFour;
        if (points == 1) return kFour;
        bool three = false, closedThree = false, openTwo = false, two = false;
        for (int e = 0; e < 9; ++e) {
            if (w[e] != 0) continue;
            w[e] = 1;
            Shape next = classify(encode(w));
            w[e] = 0;
            three = three || next == kOpenFour;
            closedThree = closedThree || next == kFour;
            openTwo = openTwo || next == kThree;
            two = two || next == kClosedThree;
        }
        if (three) return kThree;
        if (closedThree) return kClosedThree;
        if (openTwo) return kOpenTwo;
        if (two) return kTwo;
        return fiveFits(w) ? kOne : kDead;
    }
};

const std::array<std::uint8_t, kConfigs>& shapes() {
    static const Table t;
    return t.shape;
}

} // namespace

Shape shapeAt(const Board& b, int i, Stone s, int d) {
    return static_cast<Shape>(shapes()[b.lineCode(i, s, d)]);
}

MoveShapes shapesAt(const Board& b, int i, Stone s) {
    MoveShapes m{};
    for (int d = 0; d < 4; ++d)
        m.along[d] = shapeAt(b, i, s, d);
    return m;
}

} // namespace bookgen
