#pragma once
// What a window manager is doing with one of our X windows, as far as X's
// rules for clients and managers let a program see it: whether the window is
// mapped, whether the manager holds it (minimised, or on another desktop)
// while it is off the screen, and whether it has let go of a window we hid.
#include <cstdint>

struct _XDisplay;

namespace ui {

class X11WindowState {
 public:
  explicit X11WindowState(_XDisplay* display);

  // Mapped by the server (in a manager's frame, maybe not yet on the screen).
  bool Mapped(unsigned long window) const;
  // On the screen: mapped, and so is every window it sits in.
  bool Viewable(unsigned long window) const;
  // Still the manager's: with a WM_STATE (normal, or iconic) it has not
  // taken away. Not mapped as well, it is off the screen in the manager's
  // hands: minimised, or on another desktop.
  bool Managed(unsigned long window) const;
  // Minimised as the manager says it: WM_STATE iconic.
  bool Iconic(unsigned long window) const;
  // A window hidden a moment ago is the manager's no more: back on the root
  // window, its WM_STATE gone or withdrawn. Without a manager, at once.
  bool LetGo(unsigned long window) const;
  // Waits at most `milliseconds` for LetGo; whether it came. The manager's
  // reparenting and its removal of WM_STATE each send the window an event,
  // which ends each look.
  bool AwaitLetGo(unsigned long window, uint64_t milliseconds) const;

 private:
  long ManagerState(unsigned long window) const;

  _XDisplay* display_;
  unsigned long wmState_;  // the atom WM_STATE
};

}  // namespace ui
