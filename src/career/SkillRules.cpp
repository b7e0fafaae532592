#include "city/Play.h"
#include "engine/Class.h"

// The four basic skills: steps of a bar and points toward the next cell.
void Tzenx::AdvanceCppSkill() {}
void Tzenx::AdvancePascalSkill() {}
void Tzenx::AdvancePhpSkill() {}
void Tzenx::AdvanceEducationSkill() {}
void Tzenx::AddCppPoints(uint32_t) {}
void Tzenx::AddPascalPoints(uint32_t) {}
void Tzenx::AddPhpPoints(uint32_t) {}
void Tzenx::AddEducationPoints(uint32_t) {}

// Education grows by itself while the game runs.
void Tmenu::umTimerTimer() {}
