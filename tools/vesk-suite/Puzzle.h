#pragma once

#include <array>
#include <string>
#include <vector>

// The puzzle trainer's puzzles (习题): positions from which the side to move forces five,
// black to move (黑先胜) or white (白先胜). Each level keeps its puzzles in a file of its
// own under assets/puzzles/.
//
// A win's moves are the winner's stones up to and including the five: a win in 3 moves
// is 5 plies, the defender's two answers between.
struct PuzzleLevel {
    const char* file;   // the file's name in the puzzle folder
    const char* prefix; // of its puzzles' names: "f3" names f3-001, f3-002, ...
    bool byFours;       // by continuous fours; otherwise by fours and threes, none by fours
    int leastMoves;     // the shortest win's moves, at least ...
    int mostMoves;      // ... and at most
};

// Wins by fours in 3 moves, and in 5 or 6; wins by fours and threes in 3, and in 4 to 6.
// The longest are as long as the exhaustive check still settles in seconds: that no win
// with quiet stones is a move shorter (AnyStoneCheck) takes a tenth of a second at 6
// moves, and half a minute or more at 7.
const std::array<PuzzleLevel, 4>& puzzleLevels();

struct Puzzle {
    std::string name;
    int moves = 0;           // the shortest win's
    std::vector<int> stones; // LineGrid cells in an order a game could have played them
    // A winning line from the position: the attacker's stones with the defender's
    // longest-lasting answers, to the five.
    std::vector<int> line;
};

// The level whose prefix begins `name` ("f3" or "f3-017"), or null.
const PuzzleLevel* levelOfName(const std::string& name);

// The name of the `index`th (0-based) puzzle of a level: "f3-001".
std::string puzzleName(const PuzzleLevel& level, int index);
