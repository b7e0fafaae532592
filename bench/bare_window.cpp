// The floor of the main menu's first appearance: a bare SDL program that
// opens one borderless window of the given size, fills it through the window
// surface and waits until it is ended; with --rss it prints its resident
// size in kB once the window is up and ends (the floor of the memory figure).
//   zx_bench_bare_window WIDTH HEIGHT [--rss]
#include <SDL.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>

namespace {

long ResidentKb() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind("VmRSS:", 0) == 0) return std::strtol(line.c_str() + 6, nullptr, 10);
  }
  return -1;
}

}  // namespace

int main(int argc, char** argv) {
  const int w = argc > 2 ? std::atoi(argv[1]) : 253, h = argc > 2 ? std::atoi(argv[2]) : 411;
  SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
  if (SDL_Init(SDL_INIT_VIDEO) != 0) return 1;
  SDL_Window* window = SDL_CreateWindow("bare", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, w, h,
                                        SDL_WINDOW_HIDDEN | SDL_WINDOW_BORDERLESS);
  if (window == nullptr) return 1;
  SDL_ShowWindow(window);
  SDL_Surface* surface = SDL_GetWindowSurface(window);
  if (surface != nullptr) {
    SDL_FillRect(surface, nullptr, SDL_MapRGB(surface->format, 0, 0, 128));
    SDL_UpdateWindowSurface(window);
  }
  SDL_Event e;
  if (argc > 3 && std::strcmp(argv[3], "--rss") == 0) {
    while (SDL_PollEvent(&e)) {
    }
    std::printf("%ld\n", ResidentKb());
    return 0;
  }
  while (SDL_WaitEvent(&e)) {
    if (e.type == SDL_QUIT) break;
  }
  SDL_DestroyWindow(window);
  SDL_Quit();
  return 0;
}
