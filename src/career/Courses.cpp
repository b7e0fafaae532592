#include "city/Play.h"

// The university's year-of-study and course timers.
void Tmenu::cppTimer() {}
void Tmenu::pasTimer() {}
void Tmenu::phpTimer() {}
void Tmenu::cpp1levelTimer() {}
void Tmenu::pas1levelTimer() {}
void Tmenu::php1levelTimer() {}
void Tmenu::cpp2levelTimer() {}
void Tmenu::pas2levelTimer() {}
void Tmenu::php2levelTimer() {}
void Tmenu::UpdateCourseYear() {}
void Tmenu::SelectCourseTimer() {}
