#include "lessons/LessonButtons.h"

#include <algorithm>
#include <cstring>

namespace wuzi {

namespace {

constexpr ButtonAction D(int game) {
    return {ButtonKind::Demo, game};
}
constexpr ButtonAction off{};
constexpr ButtonAction routines{ButtonKind::Routines, 0};
constexpr ButtonAction page{ButtonKind::Page, 0};

constexpr auto L = ButtonGroup::Left;
constexpr auto R = ButtonGroup::Right;
constexpr auto E = ButtonGroup::Extra;

// clang-format off
constexpr std::array kButtons = {
    //                                           L1     L2     L3     L4     L5     L6   L7        L8     L9     L10
    LessonButton{"Command1",  "First",   L, {{D(1),  D(20), D(27), off,   D(35), off, off,      D(42), D(46), off}}},
    LessonButton{"Command2",  "Second",  L, {{D(2),  D(21), D(28), off,   D(36), off, off,      D(43), D(47), off}}},
    LessonButton{"Command3",  "Third",   L, {{D(3),  D(22), off,   off,   D(37), off, off,      off,   D(49), off}}},
    LessonButton{"Command4",  "Fourth",  L, {{D(4),  off,   off,   off,   D(38), off, off,      off,   off,   off}}},
    LessonButton{"Command5",  "Fifth",   L, {{D(5),  off,   off,   off,   D(39), off, off,      off,   off,   off}}},
    LessonButton{"Command6",  "Sixth",   L, {{D(6),  off,   off,   off,   off,   off, off,      off,   off,   off}}},
    LessonButton{"Command7",  "Seventh", L, {{D(7),  off,   off,   off,   off,   off, off,      off,   off,   off}}},
    LessonButton{"Command8",  "Eighth",  L, {{D(8),  off,   off,   off,   off,   off, off,      off,   off,   off}}},
    LessonButton{"Command9",  "Ninth",   L, {{D(9),  off,   off,   off,   off,   off, off,      off,   off,   off}}},
    LessonButton{"Command10", "Tenth",   L, {{D(10), off,   off,   off,   off,   off, off,      off,   D(50), off}}},
    LessonButton{"Command11", "11th",    L, {{D(11), off,   off,   off,   off,   off, off,      off,   off,   off}}},
    LessonButton{"Command12", "12th",    L, {{D(12), off,   off,   off,   off,   off, off,      off,   off,   off}}},
    LessonButton{"Command13", "13th",    L, {{D(13), off,   off,   off,   off,   off, off,      off,   off,   off}}},
    LessonButton{"Command14", "14th",    L, {{D(14), off,   off,   off,   off,   off, off,      off,   off,   off}}},
    LessonButton{"Command18", "First",   R, {{D(15), D(23), D(29), off,   off,   off, off,      D(44), D(23), off}}},
    LessonButton{"Command17", "Second",  R, {{D(16), D(24), D(30), off,   off,   off, off,      D(45), D(40), off}}},
    LessonButton{"Command16", "Third",   R, {{D(17), D(25), D(31), off,   off,   off, off,      off,   D(51), off}}},
    LessonButton{"Command15", "Fourth",  R, {{D(18), D(26), off,   off,   off,   off, off,      off,   off,   off}}},
    LessonButton{"Command19", "Fifth",   R, {{D(19), D(34), off,   off,   off,   off, off,      off,   off,   off}}},
    LessonButton{"Command23", "Sixth",   R, {{off,   D(40), off,   off,   off,   off, off,      off,   off,   off}}},
    LessonButton{"Command24", "Seventh", R, {{off,   D(41), off,   off,   off,   off, off,      off,   off,   off}}},
    LessonButton{"Command22", "八卦阵",   E, {{off,   off,   off,   D(32), off,   off, off,      off,   off,   off}}},
    LessonButton{"Command21", "破八卦阵", E, {{off,   off,   off,   D(33), off,   off, off,      off,   off,   off}}},
    LessonButton{"Command20", "小鬼索命部分套路",       E, {{off, routines, off, off, off, off, off,      off, off, off}}},
    LessonButton{"Command25", "“魔高一丈”的走棋方法", E, {{off, off,      off, off, off, off, routines, off, off, off}}},
    LessonButton{"Command26", "花月定式", E, {{off,   off,   off,   off,   off,   off, off,      off,   page,  off}}},
    LessonButton{"Command27", "浦月定式", E, {{off,   off,   off,   off,   off,   off, off,      off,   page,  off}}},
    LessonButton{"Command28", "先手一",   E, {{off,   off,   off,   off,   off,   off, off,      off,   off,   page}}},
    LessonButton{"Command29", "先手二",   E, {{off,   off,   off,   off,   off,   off, off,      off,   off,   page}}},
    LessonButton{"Command30", "后手1",    E, {{off,   off,   off,   off,   off,   off, off,      off,   off,   page}}},
    LessonButton{"Command31", "后手2",    E, {{off,   off,   off,   off,   off,   off, off,      off,   off,   page}}},
    LessonButton{"Command32", "后手3",    E, {{page,  off,   off,   page,  off,   off, off,      off,   off,   page}}},
};
// clang-format on

} // namespace

std::span<const LessonButton> LessonButtons() {
    return kButtons;
}

const LessonButton* FindLessonButton(const char* name) {
    auto found = std::find_if(kButtons.begin(), kButtons.end(), [&](const LessonButton& b) {
        return std::strcmp(b.name, name) == 0;
    });
    return found == kButtons.end() ? nullptr : &*found;
}

ButtonAction ActionIn(const LessonButton& button, int lessonNo) {
    if (lessonNo < 1 || lessonNo > kLessonCount) return off;
    return button.lessons[static_cast<std::size_t>(lessonNo - 1)];
}

GroupTitles GroupTitlesOf(int lessonNo) {
    switch (lessonNo) {
    case 1:
        return {"白棋的防守", "黑棋的开局"};
    case 2:
        return {"黑棋必败", "黑棋必胜"};
    case 3:
    case 8:
        return {"后手（执白）", "先手（执黑）"};
    case 9:
        return {"白2直贴", "白2斜贴"};
    default:
        return {"", ""};
    }
}

} // namespace wuzi
