#include "ui/AnalyseCommand.h"

#include "rules/Psq.h"
#include "session/Coordinates.h"
#include "session/GameReview.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace wuzi {

namespace {

constexpr int kDefaultMs = 500;
constexpr int kFewestMs = 10;
constexpr int kMostMs = 60000;
constexpr const char* kUsage = "用法：wuzi --analyse 棋谱.psq [--ms 毫秒] [--json]";

struct Request {
    std::string file;
    int ms = kDefaultMs;
    bool json = false;
};

// The request, or the message that refuses the arguments.
struct Parsed {
    Request request;
    std::string error;
};

bool parseMs(std::string_view text, int& ms) {
    int value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return false;
    if (value < kFewestMs || value > kMostMs) return false;
    ms = value;
    return true;
}

Parsed parseArguments(const std::vector<std::string_view>& args) {
    Parsed p;
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string_view arg = args[i];
        bool takesValue = arg == "--analyse" || arg == "--ms";
        if (takesValue && i + 1 == args.size())
            return {{},
                    std::string(arg) + " 后面缺少" + (arg == "--ms" ? "毫秒数。" : "棋谱文件。")};
        if (arg == "--analyse" && p.request.file.empty()) {
            p.request.file = args[++i];
        } else if (arg == "--ms") {
            if (!parseMs(args[++i], p.request.ms))
                return {{},
                        "--ms 须是 " + std::to_string(kFewestMs) + " 到 " +
                            std::to_string(kMostMs) + " 之间的毫秒数。"};
        } else if (arg == "--json") {
            p.request.json = true;
        } else {
            return {{}, "不明白的参数：" + std::string(arg)};
        }
    }
    if (p.request.file.empty()) p.error = "没有给出棋谱文件。";
    return p;
}

std::string percent(double chance) {
    char text[16];
    std::snprintf(text, sizeof text, "%.1f", chance);
    return text;
}

std::string cellOrDash(Cell c) {
    return isNoCell(c) ? "-" : CoordinateText(c);
}

std::string cellsText(const std::vector<Cell>& cells, std::string_view separator) {
    std::string text;
    for (Cell c : cells)
        text += (text.empty() ? "" : std::string(separator)) + CoordinateText(c);
    return text;
}

std::string moveText(const ReviewedMove& m) {
    char columns[64];
    std::snprintf(columns, sizeof columns, "%4d  %-4s  %5s%% → %5s%%  %-4s", m.number,
                  CoordinateText(m.cell).c_str(), percent(m.blackBefore).c_str(),
                  percent(m.blackAfter).c_str(), cellOrDash(m.best).c_str());
    std::string text = columns;
    if (m.mark != MoveMark::None) text += "  " + std::string(MarkName(m.mark));
    if (m.mark == MoveMark::MissedWin) text += "：" + cellsText(m.threatWin.line, " ");
    return text.substr(0, text.find_last_not_of(' ') + 1);
}

void printText(const Review& review, std::ostream& out) {
    out << "手数  着法  黑方胜率          最佳  标记\n";
    for (const ReviewedMove& m : review.moves)
        out << moveText(m) << '\n';
    out << "准确率：黑 " << percent(review.blackAccuracy) << "，白 "
        << percent(review.whiteAccuracy) << '\n';
}

// Every text here is a cell name or a word of ours: none needs escaping.
std::string jsonText(std::string_view text) {
    return "\"" + std::string(text) + "\"";
}

std::string jsonCells(const std::vector<Cell>& cells) {
    std::string text = "[";
    for (Cell c : cells)
        text += (text.size() > 1 ? ", " : "") + jsonText(CoordinateText(c));
    return text + "]";
}

std::string jsonThreatWin(const ThreatWin& win) {
    if (!win) return "null";
    std::string kind = win.kind == ThreatKind::Fours ? "fours" : "fours-and-threes";
    return "{\"kind\": " + jsonText(kind) + ", \"line\": " + jsonCells(win.line) + "}";
}

std::string jsonMove(const ReviewedMove& m) {
    bool marked = m.mark != MoveMark::None;
    std::ostringstream o;
    o << "{\"number\": " << m.number << ", \"colour\": " << jsonText(m.black() ? "black" : "white")
      << ", \"move\": " << jsonText(CoordinateText(m.cell))
      << ", \"blackBefore\": " << percent(m.blackBefore)
      << ", \"blackAfter\": " << percent(m.blackAfter)
      << ", \"best\": " << (isNoCell(m.best) ? "null" : jsonText(CoordinateText(m.best)))
      << ", \"line\": " << jsonCells(m.bestLine)
      << ", \"forcedWin\": " << jsonThreatWin(m.threatWin)
      << ", \"mark\": " << (marked ? jsonText(MarkKey(m.mark)) : "null")
      << ", \"markName\": " << (marked ? jsonText(MarkName(m.mark)) : "null") << "}";
    return o.str();
}

void printJson(const Review& review, std::ostream& out) {
    out << "{\n  \"moves\": [";
    for (std::size_t i = 0; i < review.moves.size(); ++i)
        out << (i ? ",\n    " : "\n    ") << jsonMove(review.moves[i]);
    out << "\n  ],\n  \"accuracy\": {\"black\": " << percent(review.blackAccuracy)
        << ", \"white\": " << percent(review.whiteAccuracy) << "}\n}\n";
}

// The record in the file, or the message that says why there is none.
PsqResult readRecord(const std::string& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) return {{}, "无法读取文件 " + file + "。"};
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    PsqResult result = ParsePsq(text);
    if (!result.ok()) result.error = file + "：" + result.error;
    return result;
}

} // namespace

std::optional<int> RunAnalyseCommand(int argc, char* argv[], std::ostream& out, std::ostream& err) {
    std::vector<std::string_view> args(argv + 1, argv + argc);
    if (std::find(args.begin(), args.end(), "--analyse") == args.end()) return std::nullopt;
    Parsed parsed = parseArguments(args);
    if (!parsed.error.empty()) {
        err << "wuzi: " << parsed.error << '\n' << kUsage << '\n';
        return 2;
    }
    PsqResult record = readRecord(parsed.request.file);
    if (!record.ok()) {
        err << "wuzi: " << record.error << '\n';
        return 1;
    }
    GameReview review;
    ReviewLimits limits;
    limits.msPerPosition = parsed.request.ms;
    review.start(record.record, limits);
    std::optional<Review> result = review.collect();
    if (!result) {
        err << "wuzi: " << review.fault() << '\n';
        return 1;
    }
    if (parsed.request.json)
        printJson(*result, out);
    else
        printText(*result, out);
    return 0;
}

} // namespace wuzi
