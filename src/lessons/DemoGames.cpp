#include "lessons/DemoGames.h"

#include <array>
#include <charconv>
#include <string_view>

namespace wuzi {

namespace {

// The games as they are recorded: "B8,8" is black on column 8, row 8; "W8,9" is white.
constexpr std::array<const char*, kDemoGameCount> kRecords = {
    /*  1 */ "B8,8 W8,9 B9,7 W7,9 B9,9 W7,7 B9,8 W9,6 B7,8 W10,8",
    /*  2 */
    "B8,8 W8,9 B9,7 W7,9 B9,9 W7,7 B10,8 W7,8 B7,10 W9,10 B6,7 W8,10 B6,8 "
    "W11,9",
    /*  3 */ "B8,8 W8,9 B9,6 W7,9",
    /*  4 */ "B8,8 W8,9 B9,9 W9,8 B7,7 W10,10 B6,6 W5,5 B10,7 W11,10 B8,7 W9,7",
    /*  5 */ "B8,8 W8,9 B8,10 W9,8 B7,10 W6,10 B7,9 W7,8",
    /*  6 */ "B8,8 W8,9 B8,10 W9,8 B9,9 W10,10 B7,9 W6,10",
    /*  7 */ "B8,8 W8,9 B8,7 W9,7 B8,6 W7,6 B8,5 W8,4",
    /*  8 */ "B8,8 W8,9 B9,8 W9,7 B10,8 W11,8 B7,8 W6,8",
    /*  9 */ "B8,8 W8,9 B10,8 W7,7",
    /* 10 */ "B8,8 W8,9 B9,10 W9,8 B7,10 W8,10 B8,11 W7,12",
    /* 11 */ "B8,8 W9,9 B9,7 W7,9 B8,6 W10,8 B7,7 W8,9",
    /* 12 */ "B8,8 W9,9 B9,7 W7,9 B10,8 W7,8 B8,6 W11,9",
    /* 13 */ "B8,8 W9,9 B6,8 W7,9",
    /* 14 */ "B8,8 W9,9 B10,10 W10,8 B8,10 W9,10 B9,11 W8,12",
    /* 15 */ "B8,8 W9,9 B9,7 W7,9 B10,7",
    /* 16 */ "B8,8 W9,9 B9,7 W7,9 B8,6 W10,8 B11,7",
    /* 17 */ "B8,8 W9,9 B9,7 W10,6 B6,8",
    /* 18 */ "B8,8 W8,9 B9,6",
    /* 19 */ "B8,8 W8,9 B9,9 W9,8 B10,7 W10,10 B10,6",
    /* 20 */
    "B8,8 W8,9 B9,7 W7,9 B10,6 W7,7 B11,5 W12,4 B9,9 W7,8 B7,6 W9,10 B6,7 "
    "W7,10 B7,11 W8,10 B10,10 W6,9 B5,10 W6,8 B5,7 W5,9 B4,9 W4,10",
    /* 21 */
    "B8,8 W8,9 B9,9 W9,8 B7,7 W10,10 B6,6 W5,5 B8,6 W7,10 B10,7 W9,10 B8,10 "
    "W10,11 B7,8 W10,13 B10,12 W8,11 B9,12 W11,12 B12,13 W6,11 B5,12 W9,11 "
    "B7,11 W12,11 B11,11 W13,10",
    /* 22 */
    "B8,8 W7,9 B10,8 W9,9 B8,6 W7,8 B10,6 W7,10 B7,7 W8,9 B10,9 W10,7 B9,8 "
    "W10,11 B9,10 W8,11 B7,11 W6,9 B5,9 W5,8",
    /* 23 */
    "B8,8 W9,9 B9,7 W7,9 B10,7 W8,7 B10,8 W10,9 B11,9 W8,6 B11,8 W9,8 "
    "B11,10 W11,7 B13,10 W12,9 B12,10 W13,11 B10,10",
    /* 24 */
    "B8,8 W9,9 B9,7 W7,9 B8,6 W10,8 B11,7 W8,9 B10,9 W10,7 B10,6 W9,5 B11,6 "
    "W9,6 B11,5 W12,4 B11,4",
    /* 25 */ "B8,8 W9,9 B9,7 W10,6 B6,8 W7,8 B8,6 W10,8 B7,7 W9,5 B8,7 W8,5 B6,7",
    /* 26 */
    "B8,8 W8,9 B9,9 W9,8 B10,7 W10,10 B10,6 W9,7 B9,5 W10,8 B8,5 W10,5 B8,4 "
    "W11,7 B9,6 W11,8 B8,6 W8,7 B7,6",
    /* 27 */
    "B8,8 W10,10 B9,7 W9,11 B10,6 W7,9 B11,9 W8,10 B10,12 W7,10 B9,10 W7,11 "
    "B7,8 W8,11 B10,11 W7,13 B7,12 W8,12 B6,14 W8,13",
    /* 28 */
    "B8,8 W10,10 B7,8 W11,10 B6,8 W9,8 B9,10 W10,9 B8,7 W10,11 B10,8 W10,12 "
    "B10,13 W9,12 B12,9 W11,12 B12,12 W11,11 B11,9 W12,11 B13,12 W13,11",
    /* 29 */
    "B11,5 W8,8 B13,9 W7,8 B13,7 W6,8 B9,8 W5,8 B4,8 W7,7 B13,6 W13,8 B12,6 "
    "W14,8 B11,6 W10,6 B11,4 W11,7 B12,5 W10,7 B10,3",
    /* 30 */
    "B12,4 W11,5 B10,4 W9,4 B12,5 W11,4 B11,3 W13,5 B4,12 W9,5 B9,6 W12,6 "
    "B11,7 W8,5 B10,5 W10,3 B7,6 W8,6 B8,7 W7,8 B5,11 W6,5 B9,7 W10,7 B6,12 "
    "W7,5 B5,5 W6,10 B5,12 W7,12 B5,13 W5,10 B4,10 W3,9 B3,11 W2,10 B2,12 "
    "W3,12 B5,9",
    /* 31 */ "B8,8 W9,9 B14,2 W10,8 B12,4 W10,9 B10,6 W10,10 B11,5 W9,7 B13,3",
    /* 32 */
    "B8,8 W8,9 B9,8 W9,7 B10,8 W11,8 B7,8 W6,8 B8,7 W7,6 B9,6 W10,5 B6,9 "
    "W5,10 B10,9 W10,10 B11,10 W12,11 B7,10 W7,11 B8,11 W9,12 B5,8 W4,7 "
    "B8,5 W8,4 B4,9 W3,9",
    /* 33 */
    "B8,8 W8,9 B9,8 W9,7 B8,7 W7,6 B7,8 W6,8 B9,6 W10,5 B8,5 W8,4 B11,8 "
    "W10,8 B10,7",
    /* 34 */
    "B8,8 W8,9 B9,8 W7,8 B9,10 W9,9 B10,9 W8,7 B11,8 W12,7 B10,8 W12,8 "
    "B10,10 W10,7 B11,10 W12,10 B12,11 W13,12 B10,11 W10,12 B8,11 W7,12 "
    "B11,11 W9,11 B11,9",
    /* 35 */
    "B8,8 W8,9 B8,10 W9,8 B7,10 W6,10 B7,9 W7,8 B9,10 W10,10 B9,11 W10,12 "
    "B9,12 W9,13 B8,11 W10,13 B10,11 W7,11 B8,12 W8,13",
    /* 36 */
    "B8,8 W8,9 B8,10 W9,8 B9,9 W10,10 B7,9 W6,10 B9,11 W10,12 B7,11 W6,12 "
    "B7,10 W7,8 B7,12 W7,13",
    /* 37 */
    "B8,8 W8,9 B9,7 W7,9 B10,6 W7,7 B11,5 W12,4 B9,9 W7,8 B7,10 W9,10 B6,7 "
    "W6,9 B8,7 W9,11 B8,10 W7,11",
    /* 38 */
    "B8,8 W9,9 B9,7 W7,9 B8,6 W8,9 B10,9 W10,8 B11,7 W8,7 B10,6 W9,6 B7,8 "
    "W9,5",
    /* 39 */
    "B8,8 W9,9 B10,10 W10,8 B8,10 W9,10 B9,11 W8,12 B10,12 W11,13 B7,9 W6,8 "
    "B10,11 W10,13 B6,10 W9,7 B5,11 W4,12 B7,11 W8,11 B7,10 W7,12",
    /* 40 */
    "B8,8 W9,9 B9,7 W7,9 B10,7 W8,9 B10,9 W10,8 B11,7 W8,7 B12,7 W13,7 "
    "B11,8 W9,10 B11,5 W11,6 B10,6 W12,4 B9,5 W8,4 B8,5 W10,5 B9,6",
    /* 41 */
    "B8,8 W8,10 B9,7 W7,9 B8,6 W10,8 B8,7 W8,5 B7,7 W6,7 B9,9 W6,6 B9,6 "
    "W9,8 B10,6 W11,6 B9,5 W6,8 B11,7 W10,7 B12,8",
    /* 42 */
    "B8,8 W9,9 B9,7 W8,6 B10,6 W11,5 B7,9 W6,10 B10,8 W10,7 B7,8 W9,8 B8,9 "
    "W8,10",
    /* 43 */
    "B8,8 W8,9 B9,9 W10,10 B7,8 W9,8 B7,10 W7,9 B5,10 W6,9 B5,8 W5,9 B4,9 "
    "W3,10",
    /* 44 */
    "B8,8 W9,9 B9,7 W7,9 B8,6 W10,8 B8,7 W8,9 B10,9 W8,10 B11,7 W10,7 B9,8 "
    "W7,6 B11,10 W12,11 B11,8 W11,9 B8,4 W8,5 B10,6 W9,5 B11,5 W12,4 B11,6 "
    "W11,4 B12,6 W9,6 B13,6 W14,6 B12,7",
    /* 45 */ "B8,8 W8,9 B9,9 W9,8 B7,7 W10,10 B6,6 W5,5 B10,7 W11,10 B8,7 W9,7 B9,6",
    /* 46 */
    "B8,8 W8,9 B9,6 W7,8 B6,7 W7,9 B7,7 W9,9 B6,9 W8,7 B6,6 W6,8 B7,6 W8,6 "
    "B8,5 W9,4 B7,4 W6,3 B5,5 W4,4 B7,5 W7,3 B6,5",
    /* 47 */
    "B8,8 W8,9 B9,6 W7,8 B6,7 W9,8 B10,7 W8,5 B10,6 W9,7 B8,6 W7,6 B10,8 "
    "W10,5 B9,9",
    /* 48 */
    "B8,8 W8,9 B9,6 W7,8 B6,7 W9,8 B10,7 W8,5 B10,6 W9,7 B8,6 W7,6 B10,8 "
    "W10,9 B12,6 W11,6 B9,9 W11,7 B7,7 W6,6 B10,4 W10,5 B9,5",
    /* 49 */
    "B8,8 W8,9 B9,6 W8,7 B10,7 W9,8 B10,6 W10,9 B7,6 W8,6 B8,5 W7,4 B10,3 "
    "W9,4 B11,5 W9,7 B10,5 W10,4 B9,5",
    /* 50 */ "B8,8 W8,9 B9,6 W9,7 B10,7 W11,8 B10,5 W10,6 B8,5 W9,5 B9,4",
    /* 51 */
    "B8,8 W9,9 B9,7 W10,6 B6,8 W7,8 B8,6 W7,7 B6,6 W7,6 B7,5 W7,9 B7,10 "
    "W6,4 B8,4 W5,7 B8,5 W8,7 B10,5 W9,5 B8,3 W8,2 B9,4 W11,6 B11,4 W10,4 "
    "B9,3 W10,2 B10,3 W11,3 B7,2 W6,1 B9,2 W12,5 B7,3 W6,3 B7,4 W7,1 B6,5",
};

int parseNumber(std::string_view digits) {
    int value = 0;
    std::from_chars(digits.data(), digits.data() + digits.size(), value);
    return value;
}

DemoMove parseMove(std::string_view token) {
    auto comma = token.find(',');
    return {token.front() == 'B',
            {parseNumber(token.substr(1, comma - 1)), parseNumber(token.substr(comma + 1))}};
}

std::vector<DemoMove> parseGame(std::string_view record) {
    std::vector<DemoMove> moves;
    while (!record.empty()) {
        auto end = record.find(' ');
        moves.push_back(parseMove(record.substr(0, end)));
        record = end == std::string_view::npos ? std::string_view{} : record.substr(end + 1);
    }
    return moves;
}

} // namespace

const std::vector<DemoMove>& DemoGame(int n) {
    static const std::array<std::vector<DemoMove>, kDemoGameCount + 1> games = [] {
        std::array<std::vector<DemoMove>, kDemoGameCount + 1> parsed; // element 0 stays empty
        for (int i = 1; i <= kDemoGameCount; ++i)
            parsed[i] = parseGame(kRecords[i - 1]);
        return parsed;
    }();
    return n >= 1 && n <= kDemoGameCount ? games[n] : games[0];
}

} // namespace wuzi
