#pragma once
// Real windows through SDL2: borderless windows (shaped by a colour key
// where asked) showing the forms' canvases (on X11 through memory shared
// with the server, elsewhere through SDL's window surface), the
// mouse and keyboard, the clipboard, and sound through SDL2_mixer. Without
// a sound card the game plays silently.
#include <chrono>
#include <functional>
#include <future>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "ui/Backend.h"
#include "ui/ClickCount.h"

struct SDL_Window;
struct SDL_Cursor;
union SDL_Event;
struct Mix_Chunk;
struct _XDisplay;

namespace ui {

class SharedFrame;
class X11WindowState;

// The backend a program runs on: the headless one only when asked for,
// otherwise real windows. Throws std::runtime_error when there is no display.
std::unique_ptr<Backend> MakeBackend(bool headless);

class SdlBackend : public Backend {
 public:
  // The display opens in the background; when it cannot be opened, the first
  // call that needs it throws std::runtime_error.
  SdlBackend();
  ~SdlBackend() override;

  const char* Name() const override { return "sdl"; }
  uint64_t Now() override;
  bool PollEvent(Event& event) override;
  void WaitEvent(uint64_t deadline) override;
  int DesktopWidth() override;
  int DesktopHeight() override;
  WindowId CreateWindow(const WindowParams& params) override;
  void DestroyWindow(WindowId id) override;
  void ShowWindow(WindowId id) override;
  void HideWindow(WindowId id) override;
  void MoveWindow(WindowId id, int left, int top) override;
  void ResizeWindow(WindowId id, int width, int height) override;
  void RaiseWindow(WindowId id) override;
  void MinimizeWindow(WindowId id) override;
  void RestoreWindow(WindowId id) override;
  void SetModalFor(WindowId id, WindowId owner) override;
  void Present(WindowId id, const Bitmap& canvas, const std::vector<Rect>& changed) override;
  bool Draws() const override { return true; }
  Point GlobalMouse() override;
  ShiftState GlobalButtons() override;
  void SetCursor(Cursor cursor) override;
  std::string ClipboardText() override;
  std::vector<std::string> TakeDisplayErrors() override;
  platform::AudioOutput& Audio() override;
  MusicOutput& Music() override;

 private:
  struct Window {
    SDL_Window* sdl = nullptr;
    WindowParams params;
    unsigned long xid = 0;  // the X window, on X11
    bool shapeApplied = false;
    bool visible = false;
    // The window surface is the one copy of what the window shows (exposures
    // are answered from it); false until a whole canvas is in it, and again
    // when SDL made it anew at a change of size.
    bool holdsPicture = false;
    // Hidden at the smallest size, its pixels given back; it gets its size
    // again when it is next drawn or shown.
    bool shrunk = false;
    // Its picture in memory shared with the X server, while it has one.
    std::unique_ptr<SharedFrame> frame;
    bool frameless = false;  // none can be made for it: SDL's surface holds its picture
    // The window it is to be a dialog of when next shown (0: none); whether
    // its X properties make it one now; and the WM_TRANSIENT_FOR SDL gave
    // it, given back when it is an ordinary window again.
    WindowId owner = 0;
    bool dialog = false;
    unsigned long transientFor = 0;
  };
  class Mixer;
  // Waits until SDL has opened the display; throws when it could not.
  void Started();
  Window* Find(WindowId id);
  WindowId IdOf(uint32_t sdlWindowId) const;
  void ApplyShape(Window& window, const Bitmap& canvas);
  SDL_Window* MakeSdlWindow(WindowParams& params, unsigned long& xid);
  void Renew(Window& window);
  void GiveKeyboard(SDL_Window* sdl);
  void GiveBackPixels(Window& window);
  void Regrow(Window& window);
  bool NextSdlEvent(SDL_Event& e);
  SharedFrame* FrameFor(Window& window, const Bitmap& canvas);
  static std::vector<Rect> PartsToPresent(const Window& window, const Bitmap& canvas, const Rect& bounds,
                                          const std::vector<Rect>& changed);
  static void CopyParts(const Bitmap& canvas, const std::vector<Rect>& parts,
                        const std::function<uint32_t*(int)>& rowOf);
  bool UsesFrames(const Window& window) const;
  void ShowPicture(Window& window);
  void MarkDialog(Window& window);

  std::chrono::steady_clock::time_point start_;
  std::future<std::string> opening_;  // the error, if SDL could not open the display
  std::string openError_;
  std::map<WindowId, Window> windows_;
  SDL_Window* keyboardWindow_ = nullptr;  // the last window given the keyboard
  // That window, while it waits to come on the screen to take the keyboard.
  SDL_Window* waitingForKeyboard_ = nullptr;
  _XDisplay* display_ = nullptr;            // SDL's X connection, once a window shows it is X11
  std::unique_ptr<X11WindowState> states_;  // what the manager does with our windows, on X11
  enum class Sharing { Unknown, Yes, No } sharing_ = Sharing::Unknown;  // the display's memory sharing
  WindowId nextId_ = 1;
  bool pumped_ = false;  // SDL has read the connection since its queue was last found empty
  ClickCount clicks_;    // double clicks within one window only
  std::unique_ptr<Mixer> audio_;
  SDL_Cursor* arrow_ = nullptr;
  SDL_Cursor* hand_ = nullptr;
  SDL_Cursor* beam_ = nullptr;
};

}  // namespace ui
