// Vesk's brain over the protocol: sessions whose answers are forced.
#include "VeskBrain.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace {

// The brain's answers to `lines`, its MESSAGE lines left out.
std::vector<std::string> session(const std::vector<std::string>& lines) {
    vesk::ThinkLimits limits;
    limits.depth = 3;
    std::ostringstream out;
    VeskBrain brain(limits, out);
    for (const std::string& line : lines)
        if (!brain.handle(line)) break;
    std::vector<std::string> answers;
    std::istringstream in(out.str());
    for (std::string answer; std::getline(in, answer);)
        if (answer.rfind("MESSAGE", 0) != 0) answers.push_back(answer);
    return answers;
}

TEST(VeskBrain, OpensOnTheCentre) {
    EXPECT_EQ(session({"START 15", "BEGIN"}), (std::vector<std::string>{"OK", "7,7"}));
}

TEST(VeskBrain, BlocksTheFourItIsShownOnTheBoard) {
    // The opponent's (field 2) four across row 3 from 2,3 to 5,3: the brain blocks 6,3,
    // the only cell left, as 1,3 holds its own stone.
    auto answers = session({"START 15", "BOARD", "1,3,1", "2,3,2", "9,9,1", "3,3,2", "9,11,1",
                            "4,3,2", "11,9,1", "5,3,2", "DONE"});
    EXPECT_EQ(answers, (std::vector<std::string>{"OK", "6,3"}));
}

TEST(VeskBrain, PlaysFiveAndTakesItBack) {
    // Its own four from 3,3 to 6,3 is closed at 2,3: five only at 7,3. The take-back
    // removes only the last stone.
    auto answers =
        session({"START 15", "BOARD", "3,3,1", "2,3,2", "4,3,1", "3,10,2", "5,3,1", "5,10,2",
                 "6,3,1", "7,10,2", "DONE", "TAKEBACK 7,3", "TAKEBACK 7,3", "END", "ABOUT"});
    ASSERT_EQ(answers.size(), 4u);
    EXPECT_EQ(answers[1], "7,3");
    EXPECT_EQ(answers[2], "OK");
    EXPECT_EQ(answers[3].rfind("ERROR", 0), 0u);
}

TEST(VeskBrain, RefusesTakenCellsAndOtherBoards) {
    auto answers = session({"START 19", "START 15", "BEGIN", "TURN 7,7", "FOO"});
    ASSERT_EQ(answers.size(), 5u);
    EXPECT_EQ(answers[0].rfind("ERROR", 0), 0u);
    EXPECT_EQ(answers[1], "OK");
    EXPECT_EQ(answers[2], "7,7");
    EXPECT_EQ(answers[3].rfind("ERROR", 0), 0u);
    EXPECT_EQ(answers[4], "UNKNOWN");
}

} // namespace
