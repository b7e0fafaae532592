// Compiled as the game: its own headers, the form library and the platform.
#include "engine/Class.h"
#include "platform/Sound.h"
#include "ui/Form.h"
