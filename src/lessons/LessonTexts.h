#pragma once

#include <string>

namespace wuzi {

// The series' name: the lesson window's caption and the title of its message boxes.
inline constexpr const char* kSeriesTitle = "Vesk十式";

inline constexpr int kLessonCount = 10;

// The title line of lesson lessonNo (1..10), "Vesk十式第一式：小鬼出山。" ...; empty
// outside that range.
const char* LessonTitle(int lessonNo);

// The whole text of a lesson: its title line, then the lesson itself.
std::string LessonText(int lessonNo);

// The introduction shown each time the lesson window opens.
const char* SeriesIntroduction();

// The routines window's advice on playing a game that is already lost or won.
const char* RoutinesAdvice();

} // namespace wuzi
