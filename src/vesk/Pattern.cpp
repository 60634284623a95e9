#include "vesk/Pattern.h"

#include <algorithm>
#include <vector>

namespace vesk {

namespace {

// A line seen by one side: 0 empty, 1 own, 2 blocked; the cell itself is index 4.
constexpr int kOpen = 0;
constexpr int kOwn = 1;
constexpr int kBlocked = 2;
using Line = std::array<int, 9>;

bool fiveThroughCentre(const Line& line) {
    int run = 1;
    for (int i = 3; i >= 0 && line[i] == kOwn; --i)
        ++run;
    for (int i = 5; i < 9 && line[i] == kOwn; ++i)
        ++run;
    return run >= 5;
}

bool fiveFits(const Line& line) {
    for (int start = 0; start <= 4; ++start) {
        bool clear = true;
        for (int i = start; i < start + 5; ++i)
            clear = clear && line[i] != kBlocked;
        if (clear) return true;
    }
    return false;
}

// Memoised over the 3^8 ways to fill the eight neighbours, per side.
class Classifier {
  public:
    Classifier() : memo_(6561, kPatternCount) {}

    Pattern classify(Line line) {
        int index = 0;
        for (int i = 8; i >= 0; --i)
            if (i != 4) index = index * 3 + line[i];
        if (memo_[index] != kPatternCount) return memo_[index];
        return memo_[index] = compute(line);
    }

  private:
    Pattern compute(Line line) {
        line[4] = kOwn;
        if (fiveThroughCentre(line)) return kFive;
        if (!fiveFits(line)) return kDead;
        int fivePoints = 0;
        Pattern best = kDead;
        for (int i = 0; i < 9; ++i) {
            if (i == 4 || line[i] != kOpen) continue;
            Line next = line;
            next[i] = kOwn;
            if (fiveThroughCentre(next)) ++fivePoints;
            best = std::max(best, classify(next));
        }
        if (fivePoints >= 2) return kFlex4;
        if (fivePoints == 1) return kBlock4;
        return promote(best);
    }

    static Pattern promote(Pattern child) {
        switch (child) {
        case kFlex4:
            return kFlex3;
        case kBlock4:
            return kBlock3;
        case kFlex3:
            return kFlex2;
        case kBlock3:
            return kBlock2;
        case kFlex2:
            return kFlex1;
        default:
            return kBlock1;
        }
    }

    std::vector<Pattern> memo_;
};

struct Tables {
    std::array<std::uint8_t, 1 << 16> byKey{};
    Tables() {
        Classifier classifiers[2];
        for (int key = 0; key < (1 << 16); ++key) {
            for (int c = 0; c < 2; ++c) {
                Line line{};
                for (int offset = -4; offset <= 4; ++offset) {
                    if (offset == 0) continue;
                    int stone = (key >> (2 * keySlot(offset))) & 3;
                    line[4 + offset] = stone == kEmpty              ? kOpen
                                       : stone == stoneOf(Color(c)) ? kOwn
                                                                    : kBlocked;
                }
                byKey[key] |= static_cast<std::uint8_t>(classifiers[c].classify(line) << (4 * c));
            }
        }
    }
};

const Tables& tables() {
    static const Tables t;
    return t;
}

} // namespace

std::uint8_t linePatterns(LineKey key) {
    return tables().byKey[key];
}

Pattern linePattern(LineKey key, Color c) {
    return static_cast<Pattern>((linePatterns(key) >> (4 * c)) & 0xF);
}

namespace {

Pattern4 combineByCount(Combo combo) {
    int n[kPatternCount] = {};
    for (int d = 0; d < kDirections; ++d)
        ++n[patternOf(combo, d)];
    if (n[kFive]) return kFiveAny;
    if (n[kFlex4] || n[kBlock4] >= 2) return kFlex4Any;
    int supports = n[kBlock3] + n[kFlex2];
    if (n[kBlock4]) return n[kFlex3] ? kBlock4Flex3 : supports ? kBlock4Plus : kBlock4One;
    if (n[kFlex3] >= 2) return kFlex3Double;
    if (n[kFlex3]) return supports ? kFlex3Plus : kFlex3One;
    return kNone4;
}

struct Shapes {
    std::array<std::uint16_t, kComboCount> ofCombo{};
    Shapes() {
        std::array<int, kComboCount> bySorted{};
        int next = 0;
        for (int a = 0; a < kPatternCount; ++a)
            for (int b = a; b < kPatternCount; ++b)
                for (int c = b; c < kPatternCount; ++c)
                    for (int d = c; d < kPatternCount; ++d)
                        bySorted[a + 10 * b + 100 * c + 1000 * d] = next++;
        for (int combo = 0; combo < kComboCount; ++combo) {
            std::array<int, kDirections> p{};
            for (int dir = 0; dir < kDirections; ++dir)
                p[dir] = patternOf(static_cast<Combo>(combo), dir);
            std::sort(p.begin(), p.end());
            ofCombo[combo] =
                static_cast<std::uint16_t>(bySorted[p[0] + 10 * p[1] + 100 * p[2] + 1000 * p[3]]);
        }
    }
};

} // namespace

Pattern4 combine(Combo combo) {
    return combineByCount(combo);
}

int shapeOf(Combo combo) {
    static const Shapes shapes;
    return shapes.ofCombo[combo];
}

const std::uint8_t* linePatternTable() {
    return tables().byKey.data();
}

} // namespace vesk
