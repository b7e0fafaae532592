#include "city/Play.h"

// The design document and the development run.
void Tmenu::ddoc_timerTimer() {}
void Tmenu::sgDevTimerTimer() {}
