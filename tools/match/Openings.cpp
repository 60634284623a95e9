#include "Openings.h"

#include <algorithm>
#include <random>
#include <sstream>

std::vector<Opening> readOpenings(std::istream& in) {
    std::vector<Opening> openings;
    std::string line;
    while (std::getline(in, line)) {
        line = line.substr(0, line.find('#'));
        std::istringstream cells(line);
        std::string cell;
        Opening opening;
        while (cells >> cell) {
            wuzi::Cell c{-1, -1};
            char comma = 0;
            std::istringstream(cell) >> c.x >> comma >> c.y;
            if (comma == ',' && c.x >= 0 && c.y >= 0 && c.x < wuzi::kBoardSize &&
                c.y < wuzi::kBoardSize)
                opening.push_back(c);
        }
        if (!opening.empty()) openings.push_back(opening);
    }
    return openings;
}

std::string openingText(const Opening& opening) {
    std::string text;
    for (wuzi::Cell c : opening)
        text += (text.empty() ? "" : " ") + std::to_string(c.x) + "," + std::to_string(c.y);
    return text;
}

std::vector<Opening> randomOpenings(int count, unsigned seed) {
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> step(-2, 2);
    std::vector<Opening> openings;
    const int centre = wuzi::kBoardSize / 2;
    while (static_cast<int>(openings.size()) < count) {
        wuzi::Cell black{centre + step(random), centre + step(random)};
        wuzi::Cell white{black.x + step(random), black.y + step(random)};
        Opening opening{black, white};
        if (white == black ||
            std::find(openings.begin(), openings.end(), opening) != openings.end())
            continue;
        openings.push_back(opening);
    }
    return openings;
}
