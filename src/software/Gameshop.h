#pragma once
// The games department of the software store, declared with the others.
#include "software/SoftShop.h"
