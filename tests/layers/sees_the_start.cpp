// Compiled as the game: the start that creates every screen is above it.
#include "Startup.h"
