#pragma once

#include "lessons/LessonTexts.h"

#include <array>
#include <span>

namespace wuzi {

// What a lesson button does in one lesson.
enum class ButtonKind {
    Hidden,   // the button is not shown in that lesson
    Demo,     // replays a demonstration game
    Routines, // opens the routines window
    Page,     // opens the button's page in the page viewer
};

struct ButtonAction {
    ButtonKind kind = ButtonKind::Hidden;
    int demo = 0; // the game, for ButtonKind::Demo
    friend constexpr bool operator==(ButtonAction, ButtonAction) = default;
};

// Where a button sits: the two columns of demonstration buttons, or the row of
// buttons that open the other windows.
enum class ButtonGroup { Left, Right, Extra };

struct LessonButton {
    const char* name; // "Command1" .. "Command32"
    const char* caption;
    ButtonGroup group;
    std::array<ButtonAction, kLessonCount> lessons; // element k - 1 for lesson k
};

// Every button of the lesson window, in the order they are laid out.
std::span<const LessonButton> LessonButtons();

const LessonButton* FindLessonButton(const char* name);

// What the button does in lesson lessonNo (1..10); hidden outside that range.
ButtonAction ActionIn(const LessonButton& button, int lessonNo);

// Titles of the two columns of demonstration buttons in a lesson; both empty when the
// lesson does not split its games into two groups.
struct GroupTitles {
    const char* left;
    const char* right;
};
GroupTitles GroupTitlesOf(int lessonNo);

} // namespace wuzi
