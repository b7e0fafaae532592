#pragma once
// The dice of the game's chance rules. Each roll seeds the generator afresh
// from its seed source and draws one number, so two rolls in the same second
// agree. The game's source is the clock in seconds; a test puts in its own.
#include <cstdint>
#include <functional>
#include <random>

class RandomSource {
 public:
  RandomSource();

  // Where each roll takes its seed.
  std::function<uint32_t()> SeedSource;

  // Seeds from the source and draws one number, 1 to 2^31 - 2.
  uint32_t Roll();

 private:
  std::minstd_rand generator_;
};
