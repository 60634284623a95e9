#include "session/MoveMarks.h"

#include <array>

namespace wuzi {

namespace {

struct MarkWords {
    MoveMark mark;
    std::string_view name;
    std::string_view key;
};

constexpr std::array<MarkWords, 6> kMarkWords{{
    {MoveMark::None, "", "none"},
    {MoveMark::Brilliant, "妙手", "brilliant"},
    {MoveMark::Dubious, "疑问手", "dubious"},
    {MoveMark::Mistake, "失误", "mistake"},
    {MoveMark::Losing, "败着", "losing"},
    {MoveMark::MissedWin, "错失胜机", "missed-win"},
}};

const MarkWords& wordsOf(MoveMark mark) {
    return kMarkWords[static_cast<std::size_t>(mark)];
}

} // namespace

MoveMark MarkMove(const MoveFacts& move) {
    if (move.threatWinBefore && move.after != Proven::Won) return MoveMark::MissedWin;
    if (move.before != Proven::Lost && !move.lossForeseen && move.after == Proven::Lost)
        return MoveMark::Losing;
    double loss = move.chanceBefore - move.chanceAfter;
    if (loss > kMistakeLoss) return MoveMark::Mistake;
    if (loss >= kDubiousLoss) return MoveMark::Dubious;
    if (MayBeBrilliant(move) && move.soleWinningMove) return MoveMark::Brilliant;
    return MoveMark::None;
}

// Only the move that starts a win counts: the rest of a forced line merely follows it.
bool MayBeBrilliant(const MoveFacts& move) {
    return move.before == Proven::Won && move.after == Proven::Won && !move.wonLastTurn;
}

std::string_view MarkName(MoveMark mark) {
    return wordsOf(mark).name;
}

std::string_view MarkKey(MoveMark mark) {
    return wordsOf(mark).key;
}

std::optional<MoveMark> MarkFromKey(std::string_view key) {
    for (const MarkWords& words : kMarkWords)
        if (words.key == key) return words.mark;
    return std::nullopt;
}

} // namespace wuzi
