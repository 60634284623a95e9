#include "opponents/Chains.h"

#include "engines/AIEasy.h"
#include "engines/AIEasy2.h"
#include "engines/AIHard.h"
#include "engines/ForcedMoves.h"
#include "engines/LastResort.h"
#include "engines/Lattice.h"
#include "engines/PointQuestions.h"

namespace wuzi {

bool OpenFourProbe(Game& g, int x, int y) {
    return MakesPlayerOpenFour(g, {x, y}, 0);
}

// Corbie, the player first.
const Chain& CorbiePlayerFirst() {
    static const Chain chain = {
        Run(CompFive),
        Run(BlockFive),
        Run(CompFour),
        Run(CompDoubleFour),
        Run(EngineLineMove, 1),
        Run(EngineLineMove, 3),
        Run(EngineLineMove, 4),
        Run(EngineLineMove, 5),
        Run(EngineLineMove, 2).If(DifficultyIs(2) && CompMoveNoAbove(15)),
        Run(EngineLineMove, 2).If(DifficultyIs(1)),
        Run(EngineSpanMove, 1),
        Run(BlockDoubleFour, kAtLastStone),
        Run(GuardPlayerLine, 1),
        Run(GuardPlayerLine, 2),
        Run(GuardPlayerLine, 3),
        Run(GuardPlayerLine, 4),
        Run(EnginePatternMove, 1),
        Run(EnginePatternMove, 3),
        Run(EnginePatternMove, 2),
        Run(EngineLineMove, 6),
        Run(GuardBrokenLine, 1),
        Run(GuardPlayerLine, 5),
        Run(GuardBrokenLine, 2),
        Run(ExtendOwnLine, 1),
        Run(GuardBrokenLine, 3),
        Run(CapPlayerLine, 1),
        Run(EngineLineMove, 7),
        Run(EngineProbePatterns),
        Run(EngineLineMove, 2).If(DifficultyIsNot(1)),
        Run(ExtendOwnLine, 2),
        Run(PlaceNear, kAtLastStone),
    };
    return chain;
}

// Corbie, the computer first.
const Chain& CorbieComputerFirst() {
    static const Chain chain = {
        Run(CompFive),
        OnOpenFour(Run(EngineLineMove, 2)),
        Run(BlockFive),
        Run(CompFour),
        Run(CompDoubleFour),
        Run(EngineLineMove, 1),
        Run(EngineLineMove, 3),
        Run(EngineLineMove, 4),
        Run(EngineLineMove, 5),
        Run(EngineLineMove, 2),
        Run(EngineSpanMove, 1),
        Run(BlockDoubleFour, kAtLastStone),
        Run(GuardPlayerLine, 1),
        Run(GuardPlayerLine, 2),
        Run(GuardPlayerLine, 3),
        Run(GuardPlayerLine, 4),
        Run(EnginePatternMove, 1),
        Run(EngineProbePatterns),
        Run(EngineLineMove, 6),
        Run(GuardBrokenLine, 1),
        Run(EnginePatternMove, 3),
        Run(EnginePatternMove, 2),
        Run(GuardPlayerLine, 5),
        Run(GuardBrokenLine, 3),
        Run(CapPlayerLine, 1),
        Run(ExtendOwnLine, 2),
        Run(BlockDoubleFour, kAtLastStone),
        Run(GuardPlayerLine, 1),
        Run(GuardPlayerLine, 2),
        Run(PlaceNear, kAtLastStone),
    };
    return chain;
}

// Quillon, the player first, once its playbooks have handed over.
const Chain& QuillonPlayerFirst() {
    static const Chain chain = {
        Run(CompFive),
        OnOpenFour(Run(PlaceNear, AtCell(15, 14))),
        Run(BlockFive),
        Run(CompFour),
        Run(CompDoubleFour),
        Run(EngineLineMove, 1),
        Run(EngineLineMove, 3),
        Run(EngineLineMove, 4),
        Run(EngineLineMove, 5),
        Run(EngineLineMove, 7).If(CompMoveNoAbove(15)),
        Run(EngineLineMove, 6).If(CompMoveNoAbove(15)),
        Run(EngineLineMove, 2).If(CompMoveNoAbove(15)),
        Run(GuardPlayerLine, 3),
        Run(GuardPlayerLine, 4),
        Run(EngineSpanMove, 1),
        Run(EnginePatternMove, 1),
        Run(EnginePatternMove, 3),
        Run(EnginePatternMove, 2),
        Run(EngineLineMove, 6).If(CompMoveNoAtMost(15)),
        Run(GuardBrokenLine, 1),
        Run(GuardPlayerLine, 5),
        Run(GuardBrokenLine, 2),
        Run(ExtendOwnLine, 1),
        Run(GuardBrokenLine, 3),
        Run(CapPlayerLine, 1),
        Run(EngineProbePatterns),
        Run(EngineLineMove, 7).If(CompMoveNoAtMost(15)),
        Run(EngineLineMove, 2).If(CompMoveNoAtMost(15)),
        Run(ExtendOwnLine, 2),
        Run(PlaceNearAlt, kAtLastStone),
    };
    return chain;
}

// Quillon, the computer first, after its playbook.
const Chain& QuillonComputerFirst() {
    static const Chain chain = {
        Run(CompFive),
        Run(BlockFive),
        Run(CompFour),
        Run(CompDoubleFour),
        Run(EngineLineMove, 1),
        Run(EngineLineMove, 3),
        Run(EngineLineMove, 8),
        Run(EngineLineMove, 5),
        Run(EngineSpanMove, 1),
        Run(BlockDoubleFour, kAtLastStone),
        Run(GuardPlayerLine, 1),
        Run(GuardPlayerLine, 2),
        Run(GuardPlayerLine, 3),
        Run(GuardPlayerLine, 4),
        Run(EnginePatternMove, 1),
        Run(EngineLineMove, 6),
        Run(EngineLineMove, 7).If(CompMoveNoAbove(10)),
        Run(EngineLineMove, 2).If(CompMoveNoAbove(15)),
        Run(EnginePatternMove, 3),
        Run(EnginePatternMove, 2),
        Run(ExtendOwnLine, 1).If(CompMoveNoAtMost(10)),
        Run(GuardPlayerLine, 5),
        Run(GuardBrokenLine, 2),
        Run(GuardBrokenLine, 3).If(CompMoveNoAtMost(9)),
        Run(EngineLineMove, 7).If(CompMoveNoAtMost(10)),
        Run(EngineLineMove, 2).If(CompMoveNoAtMost(15)),
        Run(CapPlayerLine, 1),
        Run(ExtendOwnLine, 1).If(CompMoveNoAtLeast(11)),
        Run(GuardBrokenLine, 3).If(CompMoveNoAtLeast(10)),
        Run(ExtendOwnLine, 2),
        Run(PlayNextToLastMove, kAtLastStone),
    };
    return chain;
}

// Marrowick, the player first, after its playbook.
const Chain& MarrowickPlayerFirst() {
    static const Chain chain = {
        Run(CompFive),
        OnOpenFour(Run(EngineLineMove, 2)).If(DifficultyIs(2)),
        Run(BlockFive),
        Run(CompFour),
        Run(CompDoubleFour),
        Run(HardOwnLine, 1),
        Run(HardOwnLine, 2),
        Run(OwnSplitThree),
        Run(EngineLineMove, 4),
        Run(EngineLineMove, 5),
        Run(EngineLineMove, 7).If(CompMoveNoAbove(19)),
        Run(EngineLineMove, 2).If(CompMoveNoAbove(19)),
        Run(EngineSpanMove, 1),
        Run(HardOwnLine, 3),
        Run(HardOwnLine, 4),
        Run(BlockDoubleFour, kAtLastStone),
        Run(HardPlayerLine, 1),
        Run(HardPlayerLine, 2),
        Run(PlayerSplitThree),
        Run(HardPlayerLine, 3),
        Run(HardPlayerLine, 4),
        Run(EnginePatternMove, 1),
        Run(EngineLineMove, 7).If(CompMoveNoBelow(20)),
        Run(EngineLineMove, 2).If(CompMoveNoBelow(20)),
        Run(GuardPlayerLine, 5),
        Run(EngineProbePatterns),
        Run(CapPlayerLine, 1),
        Run(GuardBrokenLine, 3),
        Run(ExtendOwnLine, 1),
        Run(ExtendOwnLine, 2),
        Run(PlaceNear, kAtLastStone),
    };
    return chain;
}

// Marrowick, the computer first, after its playbook.
const Chain& MarrowickComputerFirst() {
    static const Chain chain = {
        Run(CompFive),
        OnOpenFour(Run(EngineLineMove, 2)).If(DifficultyIs(2)),
        Run(BlockFive),
        Run(CompFour),
        Run(CompDoubleFour),
        Run(HardOwnLine, 1),
        Run(HardOwnLine, 2),
        Run(OwnSplitThree),
        Run(HardOwnLine, 3),
        Run(HardOwnLine, 4),
        Run(EngineSpanMove, 1),
        Run(BlockDoubleFour, kAtLastStone),
        Run(HardPlayerLine, 1),
        Run(HardPlayerLine, 2),
        Run(PlayerSplitThree),
        Run(HardPlayerLine, 3),
        Run(HardPlayerLine, 4),
        Run(EnginePatternMove, 1),
        Run(EnginePatternMove, 3),
        Run(EngineLineMove, 6),
        Run(EnginePatternMove, 2),
        Run(GuardBrokenLine, 1),
        Run(EngineLineMove, 7),
        Run(EngineLineMove, 2),
        Run(GuardPlayerLine, 5),
        Run(EngineProbePatterns),
        Run(CapPlayerLine, 1),
        Run(GuardBrokenLine, 3),
        Run(ExtendOwnLine, 1),
        Run(ExtendOwnLine, 2),
        Run(PlaceNear, kAtLastStone),
    };
    return chain;
}

// Corvane, either side: the Marrowick routines steered onto the lattice.
const Chain& CorvaneEitherSide() {
    static const Chain chain = {
        Run(CompFive),
        OnOpenFour(Run(EngineLineMove, 2)).If(DifficultyIs(2)),
        Run(BlockFive),
        Run(CompFour),
        Run(CompDoubleFour),
        Run(HardOwnLine, 1),
        Run(HardOwnLine, 2),
        Run(OwnSplitThree),
        Run(HardOwnLine, 3),
        Run(HardOwnLine, 4),
        Run(EngineSpanMove, 2),
        Run(BlockDoubleFour, kAtLastStone),
        Run(HardPlayerLine, 1),
        Run(HardPlayerLine, 2),
        Run(PlayerSplitThree),
        Run(HardPlayerLine, 3),
        Run(HardPlayerLine, 4),
        Run(EnginePatternMove, 1),
        Run(GuardBrokenLine, 1),
        Run(GuardBrokenLine, 4),
        Run(LatticeReply, kAtLastStone),
        Run(CapPlayerLine, 2),
        Run(EngineLineMove, 7).If(CompMoveNoBelow(20)),
        Run(EngineLineMove, 2).If(CompMoveNoBelow(20)),
        Run(GuardPlayerLine, 5),
        Run(EngineProbePatterns),
        Run(CapPlayerLine, 1),
        Run(GuardBrokenLine, 3),
        Run(ExtendOwnLine, 1),
        Run(ExtendOwnLine, 2),
        Run(PlaceNear, kAtLastStone),
    };
    return chain;
}

} // namespace wuzi
