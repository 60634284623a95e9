#include "brain/BrainProtocol.h"

#include <iostream>

int main(int argc, char* argv[]) {
    wuzi::BrainOptions options;
    std::string error;
    if (!wuzi::ParseBrainOptions(argc, argv, options, error)) {
        std::cerr << "pbrain-wuzi: " << error << '\n'
                  << "usage: pbrain-wuzi [--opponent 0..5] [--difficulty 0..2] "
                     "[--seconds-digit 0..9]\n";
        return 2;
    }
    std::ios::sync_with_stdio(false);
    wuzi::SteadyClock time;
    wuzi::BrainProtocol brain(options, std::cout, time);
    brain.run(std::cin);
    return 0;
}
