#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv) {
  // The tests never open a display or a sound card; the harness drives the
  // headless backend explicitly, and these keep SDL quiet if anything asks.
  setenv("SDL_VIDEODRIVER", "dummy", 0);
  setenv("SDL_AUDIODRIVER", "dummy", 0);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
