#pragma once
// The operating-system department of the software store, declared with the others.
#include "software/SoftShop.h"
