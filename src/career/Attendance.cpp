#include "engine/Class.h"

// The daily trip to the university.
void Tzenx::DailyCommute() {}
