#pragma once

#include "Puzzle.h"

#include <iosfwd>
#include <string>
#include <vector>

// Grows the puzzle files from Vesk's self-play. Every position of a game is looked at,
// and so is every position one stone away from it (each of the likeliest other stones of
// the side to move); judgePuzzle judges each, and a puzzle is kept only when the
// exhaustive check finds no fault in it (puzzleFault). Positions already looked at,
// turned or mirrored, are skipped, and so are those of the suite files given. A level
// takes at most two puzzles from one game, and not two with the same first stone; each
// colour to move, and each length of a level's win where it has several, may fill at
// most three fifths of it, and positions of the opening (fewer than 12 stones) a quarter.
// After each game that gave some, the files are written afresh, their header naming the
// games played so far: the same command with that many games writes them again.
struct PuzzleOptions {
    unsigned seed = 1;
    int count = 90;          // puzzles a level
    long budget = 2'000'000; // search nodes for one position
    int otherMoves = 12;
    int games = 1000;
};

// Hunts and writes the files into `folder`; returns the puzzles of each level.
std::vector<std::vector<Puzzle>> huntPuzzles(const PuzzleOptions& options,
                                             const std::string& folder,
                                             const std::vector<std::string>& suites,
                                             std::ostream& log);

// Mends the files of `folder`: keeps every puzzle that passes the check (puzzleFault) and
// hunts as above for new ones to take the places of the others, each of the same level
// and length (any length the level holds where it no longer holds the old one's), and
// named after the old one with a letter added (f5-062b), so that the trainer's record
// of the old puzzle, kept by name, does not pass to the new. The header says so under the
// command that grew the file. Returns the puzzles of each level.
std::vector<std::vector<Puzzle>> mendPuzzles(const PuzzleOptions& options,
                                             const std::string& folder,
                                             const std::vector<std::string>& suites,
                                             std::ostream& log);

// The header of a level's file, which says what its puzzles are, how the file was made
// (`made`: the commands, each after a line that leads to it) and how it is checked.
std::string puzzleHeader(const PuzzleLevel& level, const std::string& made);
