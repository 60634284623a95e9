#include "PuzzleFile.h"

#include "SuiteFile.h"

#include <fstream>
#include <sstream>

namespace {

std::string cellsText(const std::vector<int>& cells) {
    std::string text;
    for (int c : cells)
        text += ' ' + cellText(c);
    return text;
}

} // namespace

std::string puzzleText(const Puzzle& puzzle) {
    return puzzle.name + ' ' + std::to_string(puzzle.moves) + cellsText(puzzle.stones) + " /" +
           cellsText(puzzle.line);
}

Puzzle puzzleFromText(const std::string& text) {
    std::istringstream in(text);
    Puzzle puzzle;
    std::string moves, word;
    in >> puzzle.name >> moves;
    if (!moves.empty() && moves.find_first_not_of("0123456789") == std::string::npos)
        puzzle.moves = std::stoi(moves);
    bool inLine = false;
    while (in >> word) {
        if (word == "/" && !inLine)
            inLine = true;
        else
            (inLine ? puzzle.line : puzzle.stones).push_back(cellFromText(word));
    }
    return puzzle;
}

void writePuzzles(const std::string& path, const std::string& header,
                  const std::vector<Puzzle>& puzzles) {
    std::ofstream out(path);
    out << header;
    for (const Puzzle& p : puzzles)
        out << puzzleText(p) << '\n';
}

std::vector<Puzzle> readPuzzles(const std::string& path) {
    std::ifstream in(path);
    std::vector<Puzzle> puzzles;
    std::string text;
    while (std::getline(in, text))
        if (!text.empty() && text[0] != '#') puzzles.push_back(puzzleFromText(text));
    return puzzles;
}

std::string puzzlePath(const std::string& folder, const PuzzleLevel& level) {
    return folder + "/" + level.file;
}
