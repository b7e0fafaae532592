#pragma once
// What the form library needs of the machine: windows to show canvases in,
// input, a clock, sound. Two backends implement it: SDL (real windows) and
// headless (tests and benchmarks; chosen only explicitly).
#include <cstdint>
#include <string>
#include <vector>

#include "platform/Sound.h"
#include "ui/Bitmap.h"
#include "ui/Types.h"

namespace ui {

using WindowId = uint32_t;

struct Event {
  enum class Type {
    MouseDown,
    MouseUp,
    MouseMove,
    MouseWheel,
    MouseLeave,  // the pointer left the window
    KeyDown,
    KeyUp,
    TextInput,
    CloseRequest,
    Minimized,  // the window was minimised, by the game or from outside
    Activated,  // the window got the keyboard from outside (a window manager)
    Repaint,    // the window lost what it showed: all of it is to be drawn again
    Quit
  };
  Type type = Type::MouseMove;
  WindowId window = 0;
  int x = 0, y = 0;  // window coordinates for mouse events
  MouseButton button = MouseButton::Left;
  int clicks = 1;        // 2 for the second press of a double click
  ShiftState shift = 0;  // keyboard modifiers and held buttons
  int key = 0;           // virtual key code
  int wheel = 0;         // wheel steps, positive away from the user
  std::string text;      // UTF-8 text typed
};

struct WindowParams {
  std::string title;
  int left = 0, top = 0, width = 1, height = 1;
  bool shaped = false;  // a colour key makes parts of the window see-through
  Color shapeKey = clRed;
  bool popup = false;  // menus, hints: never take the keyboard
};

// The music channel: one track at a time, apart from the sounds.
class MusicOutput {
 public:
  virtual ~MusicOutput() = default;
  // Loads a track in place of the last one; false when the file will not play.
  virtual bool Open(const std::string& path) = 0;
  // Plays the loaded track once from its start.
  virtual void Play() = 0;
  virtual void Stop() = 0;
  // Whether the track is still sounding.
  virtual bool Playing() = 0;
  virtual void Close() = 0;
};

class Backend {
 public:
  virtual ~Backend() = default;
  virtual const char* Name() const = 0;

  // Milliseconds from an arbitrary start: the only clock timers see.
  virtual uint64_t Now() = 0;
  virtual bool PollEvent(Event& event) = 0;
  // Blocks until an event arrives or the clock reaches deadline
  // (UINT64_MAX: no deadline).
  virtual void WaitEvent(uint64_t deadline) = 0;

  virtual int DesktopWidth() = 0;
  virtual int DesktopHeight() = 0;

  virtual WindowId CreateWindow(const WindowParams& params) = 0;
  virtual void DestroyWindow(WindowId id) = 0;
  virtual void ShowWindow(WindowId id) = 0;
  virtual void HideWindow(WindowId id) = 0;
  virtual void MoveWindow(WindowId id, int left, int top) = 0;
  virtual void ResizeWindow(WindowId id, int width, int height) = 0;
  virtual void RaiseWindow(WindowId id) = 0;
  virtual void MinimizeWindow(WindowId id) = 0;
  // Brings a shown window that was minimised (by the game or from outside)
  // back onto the desktop; a window on the desktop stays as it is.
  virtual void RestoreWindow(WindowId id) = 0;
  // Makes window id, from its next showing on, a dialog of window owner,
  // which a window manager keeps above the owner; owner 0 makes it an
  // ordinary window again.
  virtual void SetModalFor(WindowId id, WindowId owner) = 0;
  // Shows a freshly drawn canvas in the window; only the parts in `changed`
  // differ from the canvas presented before.
  virtual void Present(WindowId id, const Bitmap& canvas, const std::vector<Rect>& changed) = 0;
  // Whether the backend shows pixels at all; the headless one draws only on request.
  virtual bool Draws() const = 0;

  // The mouse position on the desktop, and which buttons are down now.
  virtual Point GlobalMouse() = 0;
  virtual ShiftState GlobalButtons() = 0;
  virtual void SetCursor(Cursor cursor) = 0;
  virtual std::string ClipboardText() = 0;
  // What the window system refused since the last call and the program
  // lived through, one line each.
  virtual std::vector<std::string> TakeDisplayErrors() { return {}; }

  // Where PlaySoundA's sounds go.
  virtual platform::AudioOutput& Audio() = 0;
  virtual MusicOutput& Music() = 0;
};

}  // namespace ui
