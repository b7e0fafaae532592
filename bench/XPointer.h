#pragma once
// A hand on the X display named by DISPLAY: a connection of its own that
// moves the real pointer (XWarpPointer), so that a window under it gets the
// server's MotionNotify as from a mouse. Kept apart from the game's headers:
// Xlib's macros clash with their names.
#include <sys/types.h>

#include <cstdint>

namespace bench {

class XPointer {
 public:
  XPointer();
  ~XPointer();
  XPointer(const XPointer&) = delete;
  XPointer& operator=(const XPointer&) = delete;

  bool Connected() const { return display_ != nullptr; }
  // The X server's process (the peer of the connection's socket); 0 when unknown.
  pid_t ServerPid() const { return serverPid_; }
  // Moves the pointer to (x, y) of an X window and sends the request at once.
  void Warp(unsigned long window, int x, int y);

 private:
  void* display_ = nullptr;
  pid_t serverPid_ = 0;
};

// The X window of a shown SDL window (by its SDL id); 0 when it has none.
unsigned long X11WindowOf(uint32_t sdlWindowId);

// CPU seconds of a process, all its threads (the scheduler's own sums);
// 0 when they cannot be read.
double CpuSecondsOf(pid_t pid);

}  // namespace bench
