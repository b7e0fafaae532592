#include "city/Play.h"

// The hardware release calendar.
void Tmenu::devt1Timer() {}
void Tmenu::devt2Timer() {}
void Tmenu::devt3Timer() {}
