// The brain's protocol reader on bytes no manager sends, and on random sessions of its
// commands: it must answer or ignore every line, and never crash or hang.
#include "BrainSession.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <random>
#include <string>
#include <vector>

namespace wuzi::fuzz {
namespace {

// Opponent 3 at difficulty 2 (the only one that searches), then the text.
std::vector<std::uint8_t> session(const std::string& text, std::uint8_t opponent = 3) {
    std::vector<std::uint8_t> bytes(text.size() + 3);
    bytes[0] = opponent, bytes[1] = 2, bytes[2] = 1;
    std::copy(text.begin(), text.end(), bytes.begin() + 3);
    return bytes;
}

struct OddInput {
    const char* name;
    std::string text;
};

TEST(BrainSession, OddBytesAreAnsweredOrIgnored) {
    using namespace std::string_literals;
    const std::string start = "START 15\nTURN 7,7\n";
    std::string endlessBoard = "START 15\nBOARD\n";
    for (int k = 0; k < 400; ++k)
        endlessBoard += std::to_string(k % 17) + "," + std::to_string(k % 13) + ",1\n";
    std::string everyByte;
    for (int c = 0; c < 256; ++c)
        everyByte += static_cast<char>(c);
    const std::vector<OddInput> inputs = {
        {"a long line", start + "TURN " + std::string(200000, '7') + ",3\n" +
                            std::string(300000, 'x') + "\nTURN 6,6\n"},
        {"a line without its end", start + "TURN 6,6"},
        {"NULs", "START 15\0\nTU\0RN 7,7\nTURN 7,7\0\n\0\0\0\nTURN 6,6\n"s},
        {"CR without LF", "START 15\rTURN 7,7\rBEGIN\nTURN 7,7\r\nABOUT\r\r\n"},
        {"a BOARD that never ends", endlessBoard},
        {"a BOARD of nothing but stones", "START 15\nBOARD\n7,7,2\n7,7,2\n1,1,3\n\nDONE\n"},
        {"moves after END", start + "END\nTURN 6,6\nBEGIN\n"},
        {"commands before START", "TURN 7,7\nBEGIN\nBOARD\nDONE\nRESTART\nTURN 7,7\n"},
        {"every byte", start + everyByte + "\n" + everyByte},
    };
    for (const OddInput& input : inputs)
        for (std::uint8_t opponent : {0, 3})
            EXPECT_EQ(CheckBrainSession(session(input.text, opponent)), std::nullopt)
                << input.name << ", opponent " << int{opponent};
}

TEST(BrainSession, TheScriptedSessionsAreAnsweredOrIgnored) {
    int scripts = 0;
    for (const auto& entry : std::filesystem::directory_iterator(WUZI_BRAIN_SCRIPTS)) {
        if (entry.path().extension() != ".in") continue;
        std::ifstream file(entry.path(), std::ios::binary);
        std::string text((std::istreambuf_iterator<char>(file)), {});
        EXPECT_EQ(CheckBrainSession(session(text)), std::nullopt) << entry.path();
        ++scripts;
    }
    EXPECT_GE(scripts, 10);
}

// Sessions of the protocol's own words, in any order after START, with coordinates on and
// off the board, limits of any size and some noise; a move after the END.
std::string randomSession(std::mt19937& random) {
    auto number = [&](int low, int high) {
        return std::to_string(std::uniform_int_distribution(low, high)(random));
    };
    const std::vector<std::function<std::string()>> words = {
        [] { return std::string("START 15"); },
        [] { return std::string("RESTART"); },
        [] { return std::string("BEGIN"); },
        [] { return std::string("BOARD"); },
        [] { return std::string("DONE"); },
        [] { return std::string("ABOUT"); },
        [&] { return "TURN " + number(-1, 15) + "," + number(-1, 15); },
        [&] { return "TURN " + number(5, 9) + "," + number(5, 9); },
        [&] { return number(0, 15) + "," + number(0, 15) + "," + number(0, 3); },
        [&] { return "INFO timeout_turn " + number(0, 100000); },
        [&] { return "INFO time_left " + number(0, 2147483647); },
        [&] { return "START " + number(0, 30); },
        [&] {
            std::string noise;
            for (int k = std::uniform_int_distribution(0, 12)(random); k > 0; --k)
                noise += static_cast<char>(random());
            return noise;
        },
    };
    std::string text = "START 15\n";
    for (int line = 0; line < 80; ++line)
        text += words[random() % words.size()]() + "\n";
    return text + "END\nTURN 7,7\n";
}

TEST(BrainSession, RandomSessionsOfTheProtocolsWordsAreAnsweredOrIgnored) {
    std::mt19937 random(15);
    for (int n = 0; n < 150; ++n) {
        std::string text = randomSession(random);
        auto bytes = session(text, static_cast<std::uint8_t>(n % 5));
        EXPECT_EQ(CheckBrainSession(bytes), std::nullopt) << text;
    }
}

} // namespace
} // namespace wuzi::fuzz
