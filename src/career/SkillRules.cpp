#include "city/Play.h"

// Education grows by itself while the game runs.
void Tmenu::umTimerTimer() {}
