#include "ui/X11WindowState.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <poll.h>

#include <algorithm>
#include <chrono>

namespace ui {

X11WindowState::X11WindowState(_XDisplay* display)
    : display_(display), wmState_(XInternAtom(display, "WM_STATE", False)) {}

bool X11WindowState::Mapped(unsigned long window) const {
  XWindowAttributes attributes;
  return XGetWindowAttributes(display_, window, &attributes) != 0 && attributes.map_state != IsUnmapped;
}

bool X11WindowState::Viewable(unsigned long window) const {
  XWindowAttributes attributes;
  return XGetWindowAttributes(display_, window, &attributes) != 0 && attributes.map_state == IsViewable;
}

bool X11WindowState::Managed(unsigned long window) const { return ManagerState(window) != WithdrawnState; }

bool X11WindowState::Iconic(unsigned long window) const { return ManagerState(window) == IconicState; }

bool X11WindowState::LetGo(unsigned long window) const {
  ::Window root = 0;
  ::Window parent = 0;
  ::Window* children = nullptr;
  unsigned count = 0;
  if (XQueryTree(display_, window, &root, &parent, &children, &count) == 0) return true;
  if (children != nullptr) XFree(children);
  return parent == root && ManagerState(window) == WithdrawnState;
}

bool X11WindowState::AwaitLetGo(unsigned long window, uint64_t milliseconds) const {
  using Clock = std::chrono::steady_clock;
  const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(milliseconds);
  while (!LetGo(window)) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    if (left <= 0) return false;
    // An event read with the last answer wakes no one: a look every few
    // milliseconds all the same.
    pollfd socket{ConnectionNumber(display_), POLLIN, 0};
    ::poll(&socket, 1, static_cast<int>(std::min<long long>(left, 10)));
  }
  return true;
}

// The state in the window's WM_STATE; withdrawn when it has none.
long X11WindowState::ManagerState(unsigned long window) const {
  Atom type = None;
  int format = 0;
  unsigned long items = 0;
  unsigned long after = 0;
  unsigned char* data = nullptr;
  long state = WithdrawnState;
  if (XGetWindowProperty(display_, window, wmState_, 0, 1, False, AnyPropertyType, &type, &format, &items, &after,
                         &data) == Success &&
      data != nullptr) {
    if (format == 32 && items >= 1) state = reinterpret_cast<long*>(data)[0];
    XFree(data);
  }
  return state;
}

}  // namespace ui
