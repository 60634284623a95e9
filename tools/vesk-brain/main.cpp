// vesk-brain: Vesk over the Gomocup brain protocol on stdin and stdout.
//   vesk-brain [--difficulty 0..2] [--turn-ms N]
// --turn-ms sets the time for a move (2 s at 高级, the default); INFO timeout_turn from the
// manager lowers it, never raises it.
#include "VeskBrain.h"

#include "engines/vesk/Levels.h"

#include <cstdlib>
#include <iostream>
#include <string>

int main(int argc, char** argv) {
    vesk::ThinkLimits limits = vesk::limitsForDifficulty(2);
    for (int i = 1; i + 1 < argc; i += 2) {
        std::string flag = argv[i];
        long value = std::atol(argv[i + 1]);
        if (flag == "--difficulty") {
            limits = vesk::limitsForDifficulty(static_cast<int>(value));
        } else if (flag == "--turn-ms") {
            limits.turnMs = value;
        } else {
            std::cerr << "usage: vesk-brain [--difficulty 0..2] [--turn-ms N]\n";
            return 2;
        }
    }
    VeskBrain brain(limits, std::cout);
    std::string line;
    while (std::getline(std::cin, line))
        if (!brain.handle(line)) break;
    return 0;
}
