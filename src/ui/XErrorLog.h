#pragma once
// What the X server refused, noted instead of ending the program. Some
// refusals come from races the program cannot rule out: a window manager
// that has not yet put a window on the screen when the keyboard is given to
// it (BadMatch), a window it let go of a moment before (BadWindow). Xlib's
// own handler ends the program on any of them; this one notes each kind
// once and lets the program go on. Losing the display still ends it, with a
// message and exit status 1.
#include <string>
#include <vector>

struct _XDisplay;
union _XEvent;

namespace ui {

class XErrorLog {
 public:
  // Puts the handlers in place of Xlib's, for the whole process; once is
  // enough, and later calls put them back in case a library took them.
  static void Install();
  // The errors noted since the last call, one line each, every kind (the
  // error, the request that met it) told only once in a run.
  static std::vector<std::string> Take();
  // The line an error is told in.
  static std::string Describe(int error, int request, int minor);
  // Notes an error as the handler does (for the handler and the tests).
  static void Note(int error, int request, int minor);
};

}  // namespace ui
