// The bare work under the game's start-up, as a process of its own: every
// picture the start-up loads decoded by libjpeg-turbo's (and for BMP, SDL's)
// own calls, and the configuration parsed.
//   zx_bench_bare_start PICTURE_LIST CONFIG PLAIN_COPY
#include <cstdio>
#include <fstream>
#include <string>

#include "BareConfig.h"
#include "BareJpeg.h"

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: zx_bench_bare_start PICTURE_LIST CONFIG PLAIN_COPY\n");
    return 2;
  }
  std::ifstream list(argv[1]);
  std::string file;
  unsigned sink = 0;
  while (std::getline(list, file)) {
    if (file.empty()) continue;
    const bench::BarePicture picture = bench::BareDecode(file);
    sink += picture.pixels[0];
  }
  bench::ParseConfiguration(argv[2], argv[3]);
  return sink == 0xFFFFFFFFu ? 1 : 0;
}
