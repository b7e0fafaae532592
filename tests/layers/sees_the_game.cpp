// Compiled as the form library: the game's headers are out of its reach.
#include "engine/Class.h"
