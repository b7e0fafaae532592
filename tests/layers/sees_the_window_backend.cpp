// Compiled as the game: the window backend belongs to the programs alone.
#include "ui/SdlBackend.h"
