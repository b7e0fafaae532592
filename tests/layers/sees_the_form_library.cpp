// Compiled as the platform layer: the form library is out of its reach.
#include "ui/Form.h"
