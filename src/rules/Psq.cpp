#include "rules/Psq.h"

#include "rules/WinningLine.h"

#include <regex>
#include <vector>

namespace wuzi {

std::string WritePsq(const GameRecord& record) {
    std::string text = std::string(kPsqHeader) + "\n";
    for (Cell c : record.moves)
        text += std::to_string(c.x) + "," + std::to_string(c.y) + ",0\n";
    return text;
}

namespace {

std::vector<std::string> splitLines(std::string_view text) {
    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3); // a byte-order mark
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        std::string line(text.substr(start, end - start));
        while (!line.empty() && (line.back() == '\r' || line.back() == ' ' || line.back() == '\t'))
            line.pop_back();
        lines.push_back(line);
        start = end + 1;
    }
    return lines;
}

std::string lineError(std::size_t index, const std::string& what) {
    return "第 " + std::to_string(index + 1) + " 行" + what;
}

// Checks the header line; returns the error, empty when it is a 15x15 header.
std::string headerError(const std::string& line) {
    static const std::regex header(R"(\s*Piskvorky\s+(\d{1,4})\s*x\s*(\d{1,4})\s*,.*)");
    std::smatch m;
    if (!std::regex_match(line, m, header))
        return std::string("这不是 Piskvorky 棋谱：第一行应当是“") + kPsqHeader + "”这样的文字。";
    if (m[1] != "15" || m[2] != "15")
        return "这份棋谱的棋盘是 " + m[1].str() + "x" + m[2].str() +
               "，本程序只能打开 15x15 的棋谱。";
    return {};
}

// Adds the move of one line to the record and the board; returns the error, if any.
std::string addMove(const std::string& line, std::size_t index, ColourBoard& board,
                    PsqResult& result) {
    static const std::regex move(R"(\s*(-?\d{1,6})\s*,\s*(-?\d{1,6})\s*,\s*(\d{1,12})\s*)");
    std::smatch m;
    if (!std::regex_match(line, m, move)) return lineError(index, "不是“x,y,时间”格式的着法。");
    int x = std::stoi(m[1].str()), y = std::stoi(m[2].str());
    if (!onBoard(x, y)) return lineError(index, "的着法 " + cellText(x, y) + " 不在棋盘上。");
    Cell c{x, y};
    if (at(board, c) != 0)
        return lineError(index, "的着法 " + cellText(x, y) + " 落在已有棋子的位置上。");
    if (!result.record.moves.empty() && !WinningLine(board, result.record.moves.back()).empty())
        return lineError(index, "的着法在棋局已经分出胜负之后。");
    at(board, c) = isBlackMove(result.record.moves.size()) ? kBlackStone : kWhiteStone;
    result.record.moves.push_back(c);
    return {};
}

} // namespace

PsqResult ParsePsq(std::string_view text) {
    std::vector<std::string> lines = splitLines(text);
    std::size_t i = 0;
    while (i < lines.size() && lines[i].empty())
        ++i;
    PsqResult result;
    if (i == lines.size()) {
        result.error = "文件是空的，里面没有棋谱。";
        return result;
    }
    result.error = headerError(lines[i]);
    if (!result.ok()) return result;
    ColourBoard board{};
    // Moves run up to the first line that is not one; what follows is left alone.
    for (++i; i < lines.size(); ++i) {
        if (lines[i].empty()) continue;
        if (lines[i].find(',') == std::string::npos) break;
        result.error = addMove(lines[i], i, board, result);
        if (!result.ok()) {
            result.record = {};
            return result;
        }
    }
    if (result.record.moves.empty()) result.error = "棋谱里没有一步着法。";
    return result;
}

} // namespace wuzi
