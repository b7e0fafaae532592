#include "city/Play.h"

// The release calendars of the stores.
void Tmenu::devt1Timer() {}
void Tmenu::devt2Timer() {}
void Tmenu::devt3Timer() {}
void Tmenu::soft1Timer() {}
void Tmenu::soft2Timer() {}
