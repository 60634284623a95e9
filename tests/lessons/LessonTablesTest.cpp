#include "lessons/Commentary.h"
#include "lessons/DemoGames.h"
#include "lessons/Diagrams.h"
#include "lessons/LessonButtons.h"
#include "lessons/LessonTexts.h"
#include "lessons/Pages.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace wuzi {
namespace {

std::vector<std::string> shownIn(int lesson) {
    std::vector<std::string> names;
    for (const LessonButton& b : LessonButtons())
        if (ActionIn(b, lesson).kind != ButtonKind::Hidden) names.push_back(b.name);
    return names;
}

std::vector<std::string> captionsIn(int lesson, ButtonGroup group) {
    std::vector<std::string> captions;
    for (const LessonButton& b : LessonButtons())
        if (b.group == group && ActionIn(b, lesson).kind != ButtonKind::Hidden)
            captions.push_back(b.caption);
    return captions;
}

// Number of characters (not bytes) of a UTF-8 text.
std::size_t characters(const std::string& text) {
    std::size_t n = 0;
    for (unsigned char c : text)
        n += (c & 0xC0) != 0x80;
    return n;
}

TEST(LessonButtons, EachLessonShowsItsOwnButtons) {
    using Names = std::vector<std::string>;
    const std::map<int, Names> expected = {
        {1,
         {"Command1",  "Command2",  "Command3",  "Command4",  "Command5",  "Command6",  "Command7",
          "Command8",  "Command9",  "Command10", "Command11", "Command12", "Command13", "Command14",
          "Command18", "Command17", "Command16", "Command15", "Command19", "Command32"}},
        {2,
         {"Command1", "Command2", "Command3", "Command18", "Command17", "Command16", "Command15",
          "Command19", "Command23", "Command24", "Command20"}},
        {3, {"Command1", "Command2", "Command18", "Command17", "Command16"}},
        {4, {"Command22", "Command21", "Command32"}},
        {5, {"Command1", "Command2", "Command3", "Command4", "Command5"}},
        {6, {}},
        {7, {"Command25"}},
        {8, {"Command1", "Command2", "Command18", "Command17"}},
        {9,
         {"Command1", "Command2", "Command3", "Command10", "Command18", "Command17", "Command16",
          "Command26", "Command27"}},
        {10, {"Command28", "Command29", "Command30", "Command31", "Command32"}},
    };
    for (const auto& [lesson, names] : expected)
        EXPECT_EQ(shownIn(lesson), names) << lesson;
    EXPECT_TRUE(shownIn(0).empty());
    EXPECT_TRUE(shownIn(11).empty());
}

TEST(LessonButtons, BothGroupsAreCaptionedFromFirstUpward) {
    const std::vector<std::string> ordinals = {"First", "Second",  "Third",  "Fourth", "Fifth",
                                               "Sixth", "Seventh", "Eighth", "Ninth",  "Tenth",
                                               "11th",  "12th",    "13th",   "14th"};
    for (int lesson : {1, 2, 3, 8}) {
        for (ButtonGroup group : {ButtonGroup::Left, ButtonGroup::Right}) {
            std::vector<std::string> captions = captionsIn(lesson, group);
            ASSERT_FALSE(captions.empty()) << lesson;
            EXPECT_EQ(captions, std::vector<std::string>(ordinals.begin(),
                                                         ordinals.begin() + captions.size()))
                << "lesson " << lesson;
        }
        EXPECT_STRNE(GroupTitlesOf(lesson).left, "");
        EXPECT_STRNE(GroupTitlesOf(lesson).right, "");
    }
}

TEST(LessonButtons, EveryGameButFortyEightHasAButton) {
    std::map<int, int> reached; // game -> number of (button, lesson) pairs
    for (const LessonButton& b : LessonButtons())
        for (int lesson = 1; lesson <= kLessonCount; ++lesson)
            if (ButtonAction a = ActionIn(b, lesson); a.kind == ButtonKind::Demo) ++reached[a.demo];
    for (int n = 1; n <= kDemoGameCount; ++n) {
        int expected = n == 48 ? 0 : (n == 23 || n == 40) ? 2 : 1;
        EXPECT_EQ(reached[n], expected) << "game " << n;
    }
}

TEST(LessonButtons, ButtonsStartTheirOwnGames) {
    // The right-hand column counts down from Command18, and lesson 9 reuses buttons of
    // other lessons: the places where a game is easily put on the wrong button.
    struct Case {
        int lesson;
        const char* button;
        int game;
    };
    const Case cases[] = {
        {1, "Command14", 14}, {1, "Command18", 15}, {1, "Command17", 16}, {1, "Command16", 17},
        {1, "Command15", 18}, {1, "Command19", 19}, {2, "Command3", 22},  {2, "Command15", 26},
        {2, "Command19", 34}, {2, "Command23", 40}, {2, "Command24", 41}, {3, "Command16", 31},
        {4, "Command22", 32}, {4, "Command21", 33}, {5, "Command5", 39},  {8, "Command17", 45},
        {9, "Command3", 49},  {9, "Command10", 50}, {9, "Command18", 23}, {9, "Command17", 40},
        {9, "Command16", 51},
    };
    for (const Case& c : cases) {
        const LessonButton* b = FindLessonButton(c.button);
        ASSERT_NE(b, nullptr) << c.button;
        EXPECT_EQ(ActionIn(*b, c.lesson), (ButtonAction{ButtonKind::Demo, c.game}))
            << "lesson " << c.lesson << " " << c.button;
    }
}

TEST(LessonButtons, OtherButtonsOpenTheirWindows) {
    EXPECT_EQ(ActionIn(*FindLessonButton("Command20"), 2).kind, ButtonKind::Routines);
    EXPECT_EQ(ActionIn(*FindLessonButton("Command25"), 7).kind, ButtonKind::Routines);
    for (const LessonButton& b : LessonButtons())
        for (int lesson = 1; lesson <= kLessonCount; ++lesson) {
            if (ActionIn(b, lesson).kind == ButtonKind::Page) {
                EXPECT_NE(FindPage(b.name), nullptr) << b.name;
            }
        }
    EXPECT_EQ(FindLessonButton("Command33"), nullptr);
}

TEST(Pages, EachPageButtonHasItsCaptionAndFile) {
    struct Case {
        const char* button;
        const char* caption;
        const char* file;
    };
    const Case cases[] = {
        {"Command26", "花月定式", "huayue.htm"},  {"Command27", "浦月定式", "puyue.htm"},
        {"Command28", "Vesk十式", "10kill4.htm"}, {"Command29", "Vesk十式", "10kill5.htm"},
        {"Command30", "Vesk十式", "10kill1.htm"}, {"Command31", "Vesk十式", "10kill2.htm"},
        {"Command32", "Vesk十式", "10kill3.htm"},
    };
    for (const Case& c : cases) {
        const PageEntry* page = FindPage(c.button);
        ASSERT_NE(page, nullptr) << c.button;
        EXPECT_STREQ(page->caption, c.caption);
        EXPECT_STREQ(page->file, c.file);
    }
    EXPECT_EQ(FindPage("Command1"), nullptr);
}

TEST(Pages, PathHasExactlyOneSeparatorBeforeTheFile) {
    struct Case {
        const char* dir;
        const char* path;
    };
    const Case cases[] = {
        {"/opt/wuzi", "/opt/wuzi/huayue.htm"},
        {"/opt/wuzi/", "/opt/wuzi/huayue.htm"},
        {"/opt/wuzi//", "/opt/wuzi/huayue.htm"},
        {"/", "/huayue.htm"},
        {"C:\\", "C:\\huayue.htm"},
        {"C:\\Games\\wuzi", "C:\\Games\\wuzi/huayue.htm"},
        {"", "huayue.htm"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PagePath(c.dir, "huayue.htm"), c.path) << c.dir;
}

TEST(LessonTexts, EachTextOpensWithItsTitleLineAndTeachesAtLength) {
    const char* titles[kLessonCount] = {"Vesk十式第一式：小鬼出山。", "Vesk十式第二式：小鬼索命。",
                                        "Vesk十式第三式：神出鬼没。", "Vesk十式第四式：八卦迷魂。",
                                        "Vesk十式第五式：天昏地暗。", "Vesk十式第六式：黑白无常。",
                                        "Vesk十式第七式：魔高一丈。", "Vesk十式第八式：孤魂野鬼。",
                                        "Vesk十式第九式：月黑风高。", "Vesk十式第十式：轮回转世。"};
    for (int lesson = 1; lesson <= kLessonCount; ++lesson) {
        std::string text = LessonText(lesson);
        EXPECT_STREQ(LessonTitle(lesson), titles[lesson - 1]);
        EXPECT_EQ(text.rfind(std::string(titles[lesson - 1]) + "\n", 0), 0u) << lesson;
        EXPECT_GE(characters(text), 400u) << lesson;
    }
    EXPECT_EQ(LessonText(11), "");
}

TEST(LessonTexts, EachTextNamesTheButtonsItsLessonShows) {
    for (int lesson = 1; lesson <= kLessonCount; ++lesson) {
        std::string text = LessonText(lesson);
        for (const LessonButton& b : LessonButtons()) {
            if (ActionIn(b, lesson).kind != ButtonKind::Hidden) {
                EXPECT_NE(text.find(b.caption), std::string::npos)
                    << "lesson " << lesson << " never mentions " << b.caption;
            }
        }
    }
}

TEST(LessonTexts, IntroductionAndAdvice) {
    std::string intro = SeriesIntroduction();
    for (const char* part : {"菜鸟必杀", "禁手", "初学者"})
        EXPECT_NE(intro.find(part), std::string::npos) << part;
    std::string advice = RoutinesAdvice();
    EXPECT_EQ(advice.rfind("1．", 0), 0u);
    for (const char* number : {"\n2．", "\n3．", "\n4．"})
        EXPECT_NE(advice.find(number), std::string::npos) << number;
    EXPECT_EQ(advice.find("5．"), std::string::npos);
}

TEST(Diagrams, RoutinesShowFinishedWinsAndTheMomentsOfLoss) {
    for (DemoDiagram d : kRoutinesBlackWins) {
        std::vector<DemoMove> moves = DiagramMoves(d);
        EXPECT_EQ(moves.size(), DemoGame(d.game).size()) << "game " << d.game;
        EXPECT_TRUE(moves.back().black) << "game " << d.game;
    }
    for (DemoDiagram d : kRoutinesBlackLoses) {
        const Commentary* lost = FindCommentary(d.game, d.moves);
        ASSERT_NE(lost, nullptr) << "game " << d.game;
        EXPECT_NE(std::string(lost->text).find("黑棋必败"), std::string::npos);
    }
    EXPECT_EQ(DiagramMoves({18, 99}).size(), 3u);
    EXPECT_TRUE(DiagramMoves({18, -1}).empty());
}

TEST(Diagrams, LessonNinePicturesShowTheirOpenings) {
    // 花月: white 2 beside black 1, black 3 beside white 2 and diagonal to black 1.
    // 浦月: white 2 diagonal to black 1, black 3 on black 1's other diagonal in white 2's column.
    auto moves = [](int i) {
        return DiagramMoves(kLesson9Pictures[static_cast<std::size_t>(i)].diagram);
    };
    auto dx = [](Cell a, Cell b) { return std::abs(a.x - b.x); };
    auto dy = [](Cell a, Cell b) { return std::abs(a.y - b.y); };
    std::vector<DemoMove> hua = moves(0), pu = moves(1);
    ASSERT_EQ(hua.size(), 3u);
    ASSERT_EQ(pu.size(), 3u);
    EXPECT_STREQ(kLesson9Pictures[0].name, "花月");
    EXPECT_EQ(dx(hua[0].at, hua[1].at) + dy(hua[0].at, hua[1].at), 1);
    EXPECT_EQ(dx(hua[1].at, hua[2].at) + dy(hua[1].at, hua[2].at), 1);
    EXPECT_EQ(dx(hua[0].at, hua[2].at), 1);
    EXPECT_EQ(dy(hua[0].at, hua[2].at), 1);
    EXPECT_STREQ(kLesson9Pictures[1].name, "浦月");
    EXPECT_EQ(dx(pu[0].at, pu[1].at) * dy(pu[0].at, pu[1].at), 1);
    EXPECT_EQ(dx(pu[0].at, pu[2].at) * dy(pu[0].at, pu[2].at), 1);
    EXPECT_EQ(pu[1].at.x, pu[2].at.x);
}

} // namespace
} // namespace wuzi
