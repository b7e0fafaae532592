#include "city/Play.h"

// The vacancy calendar.
void Tmenu::tworkTimer() {}
