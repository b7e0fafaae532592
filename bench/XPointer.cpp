#include "XPointer.h"

#include <SDL.h>
#include <SDL_syswm.h>
#include <X11/Xlib.h>
#include <sys/socket.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace bench {

XPointer::XPointer() {
  Display* display = XOpenDisplay(nullptr);
  display_ = display;
  if (display == nullptr) return;
  ucred peer{};
  socklen_t size = sizeof peer;
  if (::getsockopt(ConnectionNumber(display), SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0) serverPid_ = peer.pid;
}

XPointer::~XPointer() {
  if (display_ != nullptr) XCloseDisplay(static_cast<Display*>(display_));
}

void XPointer::Warp(unsigned long window, int x, int y) {
  auto* display = static_cast<Display*>(display_);
  XWarpPointer(display, None, window, 0, 0, 0, 0, x, y);
  XFlush(display);
}

unsigned long X11WindowOf(uint32_t sdlWindowId) {
  SDL_Window* window = SDL_GetWindowFromID(sdlWindowId);
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (window == nullptr || SDL_GetWindowWMInfo(window, &info) != SDL_TRUE || info.subsystem != SDL_SYSWM_X11) return 0;
  return info.info.x11.window;
}

double CpuSecondsOf(pid_t pid) {
  double total = 0;
  std::error_code error;
  for (const auto& task : std::filesystem::directory_iterator("/proc/" + std::to_string(pid) + "/task", error)) {
    std::ifstream schedstat(task.path() / "schedstat");
    unsigned long long ns = 0;
    if (schedstat >> ns) total += static_cast<double>(ns) * 1e-9;
  }
  return total;
}

}  // namespace bench
