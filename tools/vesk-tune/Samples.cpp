#include "Samples.h"

#include <sstream>

namespace tune {

namespace {

std::string stoneText(wuzi::Cell c) {
    return std::string(1, static_cast<char>('A' + c.x - 1)) +
           std::to_string(wuzi::kBoardSize + 1 - c.y);
}

wuzi::Cell cellOf(const std::string& text) {
    return {text[0] - 'A' + 1, wuzi::kBoardSize + 1 - std::stoi(text.substr(1))};
}

} // namespace

void writeSample(std::ostream& out, const Sample& s) {
    out << s.result << ' ' << s.score;
    for (wuzi::Cell c : s.stones)
        out << ' ' << stoneText(c);
    out << '\n';
}

int readSamples(std::istream& in, int firstGame, std::vector<Sample>& out) {
    int game = firstGame;
    std::size_t previousLength = 0;
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') continue;
        std::istringstream fields(line);
        Sample s;
        fields >> s.result >> s.score;
        for (std::string stone; fields >> stone;)
            s.stones.push_back(cellOf(stone));
        // A game's positions come in order, each longer than the last.
        if (s.stones.size() <= previousLength) ++game;
        previousLength = s.stones.size();
        s.game = game;
        out.push_back(s);
    }
    return game + 1;
}

} // namespace tune
