#pragma once
// The backend without a display or sound card: a virtual clock that only
// moves when told to, scripted input, windows that exist only as records,
// and a recorder of the sounds played. Chosen only explicitly.
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "ui/Backend.h"

namespace ui {

class HeadlessBackend : public Backend {
 public:
  HeadlessBackend();

  const char* Name() const override { return "headless"; }
  uint64_t Now() override { return clock_; }
  bool PollEvent(Event& event) override;
  void WaitEvent(uint64_t deadline) override;
  int DesktopWidth() override { return desktopWidth_; }
  int DesktopHeight() override { return desktopHeight_; }
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
  void Present(WindowId, const Bitmap&, const std::vector<Rect>&) override {}
  bool Draws() const override { return false; }
  Point GlobalMouse() override { return mouse_; }
  ShiftState GlobalButtons() override { return buttons_; }
  void SetCursor(Cursor cursor) override { cursor_ = cursor; }
  std::string ClipboardText() override { return clipboard_; }
  platform::AudioOutput& Audio() override { return audio_; }
  MusicOutput& Music() override { return music_; }

  // --- scripting ---
  void SetClock(uint64_t now) { clock_ = now; }
  void Advance(uint64_t ms) { clock_ += ms; }
  void Post(const Event& event);
  // A mouse event given in desktop coordinates: turned into the window's own
  // coordinates when it is taken from the queue (the window may have moved).
  void PostAtDesktop(Event event, int desktopX, int desktopY);
  bool Pending() const { return !queue_.empty(); }
  void SetClipboard(std::string text) { clipboard_ = std::move(text); }
  void SetDesktop(int width, int height) { desktopWidth_ = width, desktopHeight_ = height; }

  // Called when a loop has nothing to do; gets the next timer deadline. When
  // unset, the clock jumps to the deadline, and with no deadline the loop is
  // told to quit (nothing could ever happen again).
  std::function<void(uint64_t deadline)> OnIdle;

  struct WindowRecord {
    WindowParams params;
    bool visible = false;
    bool minimized = false;
    WindowId modalFor = 0;  // the window it is a dialog of; 0: none
  };
  const std::map<WindowId, WindowRecord>& Windows() const { return windows_; }
  // The window on top, most recently raised last.
  const std::vector<WindowId>& Stacking() const { return stacking_; }
  WindowId FocusWindow() const { return focus_; }
  Cursor CurrentCursor() const { return cursor_; }
  const std::vector<std::string>& SoundsPlayed() const { return audio_.played; }
  void ClearSounds() { audio_.played.clear(); }
  // Tracks started on the music channel, in order; whether one sounds now.
  // A track is a WAV file, and it sounds for the length its header gives.
  const std::vector<std::string>& MusicPlayed() const { return music_.played; }
  bool MusicPlaying() { return music_.Playing(); }

 private:
  struct Recorder : platform::AudioOutput {
    void PlayWave(const std::string& path) override { played.push_back(path); }
    std::vector<std::string> played;
  };
  class Player : public MusicOutput {
   public:
    explicit Player(const uint64_t& clock) : clock_(clock) {}
    bool Open(const std::string& path) override;
    void Play() override;
    void Stop() override { playing_ = false; }
    bool Playing() override { return playing_ && clock_ - started_ < length_; }
    void Close() override { open_ = playing_ = false; }
    std::vector<std::string> played;

   private:
    const uint64_t& clock_;
    std::string path_;
    uint64_t length_ = 0;  // milliseconds
    uint64_t started_ = 0;
    bool open_ = false;
    bool playing_ = false;
  };
  struct Queued {
    Event event;
    bool desktop = false;
  };

  uint64_t clock_ = 0;
  std::deque<Queued> queue_;
  std::map<WindowId, WindowRecord> windows_;
  std::vector<WindowId> stacking_;
  WindowId nextId_ = 1;
  WindowId focus_ = 0;
  Point mouse_{};
  ShiftState buttons_ = 0;
  Cursor cursor_ = Cursor::Default;
  std::string clipboard_;
  int desktopWidth_ = 1280, desktopHeight_ = 1024;
  Recorder audio_;
  Player music_{clock_};
};

}  // namespace ui
