#include "city/Play.h"

// The software release calendar.
void Tmenu::soft1Timer() {}
void Tmenu::soft2Timer() {}
