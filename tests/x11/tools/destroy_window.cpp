// Destroys an X window of another program, as a window manager or a
// program that goes wrong may: destroy_window ID. The window tests use it to
// see what the game does when its windows go from under it.
#include <X11/Xlib.h>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: destroy_window WINDOW_ID\n");
    return 2;
  }
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) {
    std::fprintf(stderr, "destroy_window: no display\n");
    return 1;
  }
  XDestroyWindow(display, static_cast<Window>(std::strtoul(argv[1], nullptr, 0)));
  XSync(display, False);
  XCloseDisplay(display);
  return 0;
}
