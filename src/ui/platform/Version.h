#pragma once

#include <QLatin1String>

// The version line at the foot of the main window and in the about box.
inline constexpr QLatin1String VersionText(
    "Quizwell Maker v1.03.  Made by instructors for instructors; free to use for the tests of your "
    "students.");
