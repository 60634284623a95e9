#include "session/ReviewText.h"

#include "session/Coordinates.h"

#include <array>
#include <charconv>
#include <sstream>
#include <vector>

namespace wuzi {

namespace {

// Version 1 held certain chances and marks that no proof stood behind: such a review is
// left on disk but not read, and the game is reviewed afresh.
constexpr std::string_view kHeader = "wuzi-review 2";

constexpr std::array<std::string_view, 3> kProvenWords{"open", "won", "lost"};
constexpr std::array<std::string_view, 3> kThreatWords{"none", "fours", "threes"};

std::string number(double value) {
    std::array<char, 32> text{};
    auto end = std::to_chars(text.data(), text.data() + text.size(), value).ptr;
    return std::string(text.data(), end);
}

std::string cellList(const std::vector<Cell>& cells, char separator) {
    if (cells.empty()) return "-";
    std::string text;
    for (Cell c : cells)
        text += (text.empty() ? "" : std::string(1, separator)) + CoordinateText(c);
    return text;
}

std::string moveLine(const ReviewedMove& m) {
    std::ostringstream line;
    line << "move " << m.number << ' ' << CoordinateText(m.cell) << ' ' << number(m.blackBefore)
         << ' ' << number(m.blackAfter) << ' '
         << kProvenWords[static_cast<std::size_t>(m.provenBefore)] << ' '
         << (isNoCell(m.best) ? "-" : CoordinateText(m.best)) << ' ' << cellList(m.bestLine, ',')
         << ' ' << kThreatWords[static_cast<std::size_t>(m.threatWin.kind)] << ' '
         << cellList(m.threatWin.line, ',') << ' ' << MarkKey(m.mark);
    return line.str();
}

// Reading: every field must be there and make sense, or the whole review is refused.
struct Fields {
    std::vector<std::string> words;
    std::size_t next = 0;
    bool ok = true;

    std::string word() {
        if (next < words.size()) return words[next++];
        ok = false;
        return {};
    }
    void expect(std::string_view w) { ok = ok && word() == w; }
    bool done() const { return ok && next == words.size(); }

    double chance() {
        std::string w = word();
        double value = -1;
        auto [end, error] = std::from_chars(w.data(), w.data() + w.size(), value);
        ok = ok && error == std::errc() && end == w.data() + w.size() && value >= 0 && value <= 100;
        return value;
    }
    int integer() {
        std::string w = word();
        int value = 0;
        auto [end, error] = std::from_chars(w.data(), w.data() + w.size(), value);
        ok = ok && error == std::errc() && end == w.data() + w.size();
        return value;
    }
    Cell cell() {
        std::optional<Cell> c = ParseCoordinate(word());
        ok = ok && c.has_value();
        return c.value_or(Cell{});
    }
    Cell cellOrNone() {
        if (next < words.size() && words[next] == "-") return ++next, Cell{};
        return cell();
    }
    std::vector<Cell> cells() {
        std::string w = word();
        std::vector<Cell> list;
        if (w == "-") return list;
        std::istringstream parts(w);
        for (std::string part; std::getline(parts, part, ',');) {
            std::optional<Cell> c = ParseCoordinate(part);
            ok = ok && c.has_value();
            list.push_back(c.value_or(Cell{}));
        }
        return list;
    }
    template <std::size_t N> std::size_t oneOf(const std::array<std::string_view, N>& choices) {
        std::string w = word();
        for (std::size_t i = 0; i < N; ++i)
            if (choices[i] == w) return i;
        ok = false;
        return 0;
    }
};

Fields fieldsOf(const std::string& line) {
    Fields f;
    std::istringstream words(line);
    for (std::string w; words >> w;)
        f.words.push_back(w);
    return f;
}

std::optional<ReviewedMove> readMove(const std::string& line, int number, Cell cell) {
    Fields f = fieldsOf(line);
    ReviewedMove m;
    f.expect("move");
    m.number = f.integer();
    m.cell = f.cell();
    m.blackBefore = f.chance();
    m.blackAfter = f.chance();
    m.provenBefore = static_cast<Proven>(f.oneOf(kProvenWords));
    m.best = f.cellOrNone();
    m.bestLine = f.cells();
    m.threatWin.kind = static_cast<ThreatKind>(f.oneOf(kThreatWords));
    m.threatWin.line = f.cells();
    std::optional<MoveMark> mark = MarkFromKey(f.word());
    m.mark = mark.value_or(MoveMark::None);
    bool threatConsistent = (m.threatWin.kind == ThreatKind::None) == m.threatWin.line.empty();
    if (!f.done() || !mark || m.number != number || m.cell != cell || !threatConsistent)
        return std::nullopt;
    return m;
}

} // namespace

std::string WriteReview(const Review& review) {
    std::string text = std::string(kHeader) + "\n";
    text += "moves";
    for (Cell c : review.record.moves)
        text += ' ' + CoordinateText(c);
    text +=
        "\naccuracy " + number(review.blackAccuracy) + ' ' + number(review.whiteAccuracy) + '\n';
    for (const ReviewedMove& m : review.moves)
        text += moveLine(m) + '\n';
    return text;
}

std::optional<Review> ParseReview(std::string_view text) {
    std::istringstream in{std::string(text)};
    std::string line;
    if (!std::getline(in, line) || line != kHeader) return std::nullopt;
    Review review;
    std::getline(in, line);
    Fields moves = fieldsOf(line);
    moves.expect("moves");
    while (moves.ok && moves.next < moves.words.size())
        review.record.moves.push_back(moves.cell());
    std::getline(in, line);
    Fields accuracy = fieldsOf(line);
    accuracy.expect("accuracy");
    review.blackAccuracy = accuracy.chance();
    review.whiteAccuracy = accuracy.chance();
    if (!moves.done() || !accuracy.done()) return std::nullopt;
    for (std::size_t i = 0; i < review.record.moves.size(); ++i) {
        if (!std::getline(in, line)) return std::nullopt;
        auto m = readMove(line, static_cast<int>(i) + 1, review.record.moves[i]);
        if (!m) return std::nullopt;
        review.moves.push_back(std::move(*m));
    }
    if (std::getline(in, line) && !line.empty()) return std::nullopt;
    return review;
}

} // namespace wuzi
