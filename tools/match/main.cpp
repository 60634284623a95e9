// match: plays two brain executables against each other over the Gomocup protocol.
//
//   match --first "CMD" --second "CMD" --openings FILE [--turn-ms 1000]
//         [--tolerance-ms 2000] [--from N] [--count N] [--games FILE]
//   match --make-openings N [--seed S]
//
// Every opening is played twice, each brain taking black once. Results are from the
// first brain's side: one line per game, then W-L-D with an Elo interval. --games
// appends every game (opening, colours, result, moves) to FILE. --make-openings writes N
// random two-stone openings.
#include "Elo.h"
#include "Openings.h"
#include "Referee.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <map>
#include <string>

namespace {

std::map<std::string, std::string> parseArguments(int argc, char** argv) {
    std::map<std::string, std::string> args;
    for (int i = 1; i + 1 < argc; i += 2)
        args[argv[i]] = argv[i + 1];
    return args;
}

long number(const std::map<std::string, std::string>& args, const std::string& key, long fallback) {
    auto it = args.find(key);
    return it == args.end() ? fallback : std::atol(it->second.c_str());
}

std::string movesText(const GameRecord& game) {
    std::string text;
    for (wuzi::Cell c : game.moves)
        text += std::to_string(c.x) + "," + std::to_string(c.y) + " ";
    return text;
}

} // namespace

int main(int argc, char** argv) {
    auto args = parseArguments(argc, argv);
    if (args.count("--make-openings")) {
        auto openings = randomOpenings(static_cast<int>(number(args, "--make-openings", 0)),
                                       static_cast<unsigned>(number(args, "--seed", 1)));
        for (const Opening& o : openings)
            std::cout << openingText(o) << '\n';
        return 0;
    }
    if (!args.count("--first") || !args.count("--second") || !args.count("--openings")) {
        std::cerr << "usage: match --first CMD --second CMD --openings FILE [--turn-ms MS]"
                     " [--first-turn-ms MS] [--second-turn-ms MS] [--tolerance-ms MS] [--from N] "
                     "[--count N] [--games FILE]\n"
                     "       match --make-openings N [--seed S]\n";
        return 2;
    }
    std::ifstream file(args["--openings"]);
    std::vector<Opening> openings = readOpenings(file);
    GameSettings settings;
    long turnMs = number(args, "--turn-ms", 1000);
    long firstTurnMs = number(args, "--first-turn-ms", turnMs);
    long secondTurnMs = number(args, "--second-turn-ms", turnMs);
    settings.toleranceMs = number(args, "--tolerance-ms", settings.toleranceMs);
    long from = number(args, "--from", 0);
    long count = number(args, "--count", static_cast<long>(openings.size()) - from);
    std::ofstream games;
    if (args.count("--games")) games.open(args["--games"], std::ios::app);

    int wins = 0, losses = 0, draws = 0;
    for (long i = from; i < from + count && i < static_cast<long>(openings.size()); ++i) {
        for (int firstIsBlack = 1; firstIsBlack >= 0; --firstIsBlack) {
            const std::string& black = firstIsBlack ? args["--first"] : args["--second"];
            const std::string& white = firstIsBlack ? args["--second"] : args["--first"];
            settings.turnMs[0] = firstIsBlack ? firstTurnMs : secondTurnMs;
            settings.turnMs[1] = firstIsBlack ? secondTurnMs : firstTurnMs;
            GameRecord game = playGame(black, white, openings[i], settings);
            bool firstWon =
                game.outcome == (firstIsBlack ? Outcome::BlackWins : Outcome::WhiteWins);
            const char* result = game.outcome == Outcome::Draw ? "draw" : firstWon ? "win" : "loss";
            (game.outcome == Outcome::Draw ? draws : firstWon ? wins : losses)++;
            std::printf("opening %ld first=%s: %s (%s) in %zu stones; slowest black %ldms "
                        "white %ldms\n",
                        i, firstIsBlack ? "black" : "white", result, game.reason.c_str(),
                        game.moves.size(), game.longestMs[0], game.longestMs[1]);
            std::fflush(stdout);
            if (games.is_open())
                games << i << ' ' << (firstIsBlack ? "first-black " : "first-white ") << result
                      << " [" << game.reason << "] " << movesText(game) << '\n'
                      << std::flush;
        }
    }
    std::printf("%s\n", describe(wins, losses, draws).c_str());
    return 0;
}
