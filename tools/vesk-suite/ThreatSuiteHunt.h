#pragma once

#include <iosfwd>

// Grows the threat suite (tests/vesk/data/threat-suite.txt) from self-play.
//
// Vesk plays itself from random two-stone openings, its first moves chosen at random
// among near-equal ones. The positions looked at are those of the games and those one
// stone away from them: the twelve likeliest other moves of the side to move. In each
// where the side to move has no five, no open four and no four to block, the engine's
// threat search looks for a win by continuous fours, and failing that by fours and
// threes. Each win it finds is checked by the exhaustive search of ExhaustiveCheck
// (code of its own); a win by fours and threes is kept only if the exhaustive search
// finds none by fours alone. Up to six wins of each kind a game are written to `out`,
// until there are enough of both.
struct ThreatSuiteOptions {
    unsigned seed = 16;
    long fours = 200;
    long threats = 100;
    long games = 1000;
};

void huntThreatSuite(const ThreatSuiteOptions& options, std::ostream& out);
