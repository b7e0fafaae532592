#include "city/Play.h"
#include "engine/Class.h"

// Taking and leaving jobs.
void Tzenx::GetJob(const std::string&, int) {}
void Tzenx::QuitJob() {}

// The vacancy calendar.
void Tmenu::tworkTimer() {}
