#pragma once
// The rules of making a game: how long a development run takes, what the
// finished game sells for, the design document, and the caption of the game
// screen's development button.
#include <string>

namespace devrules {

// Steps of one development run; each step is one point of the language.
inline constexpr int kRunSteps = 50;
// One game day of the game screen's clock, in milliseconds.
inline constexpr int kDayMs = 1500;
// A design document takes this many days and brings this much experience.
inline constexpr int kDesignDays = 10;
inline constexpr int kDesignExperience = 50;

// 40 days, 3 fewer per level of the language and 1 fewer per filled cell of
// its bar, never under 10; a 3D game takes half as long again, and a player
// with a job works only in the evenings: twice as long.
int RunDays(int level, int bar, bool threeD, bool employed);
// 1000 roubles, 250 more per level of the language, half as much again for a
// 3D game, then 50 more per level of the advanced skills.
int GamePrice(int level, bool threeD, int advancedLevels);
// The development timer's interval that makes the run's steps last `days`.
int StepInterval(int days);

}  // namespace devrules

// Sets the caption of the game screen's development button ("Разработка",
// "Разработка игры", "Разработка игры..."), centred on its picture.
void SetDevelopmentCaption(const std::string& caption);
