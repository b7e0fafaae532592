#pragma once
// The office-suite department of the software store, declared with the others.
#include "software/SoftShop.h"
