#include "engine/RandomSource.h"

#include <ctime>

RandomSource::RandomSource() : SeedSource([] { return static_cast<uint32_t>(std::time(nullptr)); }) {}

uint32_t RandomSource::Roll() {
  generator_.seed(SeedSource());
  return static_cast<uint32_t>(generator_());
}
