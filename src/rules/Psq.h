#pragma once

#include "rules/GameRecord.h"

#include <string>
#include <string_view>

namespace wuzi {

// Game records in the text format of the Gomocup managers: a header line, then one line
// "x,y,time" per move, 1-based, black first. Lines after the moves (program names, a
// closing "-1") are not moves and are left alone when reading.
inline constexpr const char* kPsqHeader = "Piskvorky 15x15, 0:0, 1";

// The record as PSQ text. No time is kept per move, so every time is 0.
std::string WritePsq(const GameRecord& record);

// A parsed record, or why the text is not one (a sentence for the player).
struct PsqResult {
    GameRecord record;
    std::string error; // empty when the text was a record
    bool ok() const { return error.empty(); }
};

// Reads a whole record before answering: a 15x15 header, at least one move, every move
// on the board on a free cell, and no move after a five.
PsqResult ParsePsq(std::string_view text);

} // namespace wuzi
