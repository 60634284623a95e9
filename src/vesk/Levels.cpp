#include "vesk/Levels.h"

namespace vesk {

ThinkLimits limitsForDifficulty(int difficulty) {
    ThinkLimits limits;
    switch (difficulty) {
    case 0:
        limits.depth = 2;
        limits.randomness = 150;
        limits.vcfNodes = 200;
        limits.vctNodes = 0;
        limits.leafVcfNodes = 0;
        limits.turnMs = 500;
        break;
    case 1:
        limits.turnMs = 500;
        break;
    default:
        limits.turnMs = 2000;
        break;
    }
    return limits;
}

} // namespace vesk
