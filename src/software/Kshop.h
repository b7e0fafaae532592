#pragma once
// The compiler department of the software store, declared with the others.
#include "software/SoftShop.h"
