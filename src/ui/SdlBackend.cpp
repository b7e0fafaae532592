#include "ui/SdlBackend.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <SDL_shape.h>
#include <SDL_syswm.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <climits>
#include <cstring>
#include <functional>
#include <stdexcept>
#include <type_traits>

#include "ui/HeadlessBackend.h"
#include "ui/SharedFrame.h"
#include "ui/X11WindowState.h"
#include "ui/XErrorLog.h"

namespace ui {

namespace {

// SDL_mixer, and the many codecs it brings, is loaded when the sound device
// first opens: the start-up, and a game that never sounds, go without it.
struct MixerLibrary {
  decltype(&::Mix_OpenAudio) OpenAudio = nullptr;
  decltype(&::Mix_AllocateChannels) AllocateChannels = nullptr;
  decltype(&::Mix_CloseAudio) CloseAudio = nullptr;
  decltype(&::Mix_FreeChunk) FreeChunk = nullptr;
  decltype(&::Mix_FreeMusic) FreeMusic = nullptr;
  decltype(&::Mix_HaltChannel) HaltChannel = nullptr;
  decltype(&::Mix_HaltMusic) HaltMusic = nullptr;
  decltype(&::Mix_LoadMUS) LoadMUS = nullptr;
  decltype(&::Mix_LoadWAV) LoadWAV = nullptr;
  decltype(&::Mix_PlayChannel) PlayChannel = nullptr;
  decltype(&::Mix_PlayMusic) PlayMusic = nullptr;
  decltype(&::Mix_Playing) Playing = nullptr;
  decltype(&::Mix_PlayingMusic) PlayingMusic = nullptr;
};

// Null when the library is not there: the game then plays silently.
const MixerLibrary* LoadMixer() {
  static MixerLibrary library;
  static bool tried = false, loaded = false;
  if (tried) return loaded ? &library : nullptr;
  tried = true;
  void* handle = SDL_LoadObject("libSDL2_mixer-2.0.so.0");
  if (handle == nullptr) return nullptr;
  loaded = true;
  auto get = [&](auto& function, const char* name) {
    function = reinterpret_cast<std::remove_reference_t<decltype(function)>>(SDL_LoadFunction(handle, name));
    loaded = loaded && function != nullptr;
  };
  get(library.OpenAudio, "Mix_OpenAudio");
  get(library.AllocateChannels, "Mix_AllocateChannels");
  get(library.CloseAudio, "Mix_CloseAudio");
  get(library.FreeChunk, "Mix_FreeChunk");
  get(library.FreeMusic, "Mix_FreeMusic");
  get(library.HaltChannel, "Mix_HaltChannel");
  get(library.HaltMusic, "Mix_HaltMusic");
  get(library.LoadMUS, "Mix_LoadMUS");
  get(library.LoadWAV, "Mix_LoadWAV");
  get(library.PlayChannel, "Mix_PlayChannel");
  get(library.PlayMusic, "Mix_PlayMusic");
  get(library.Playing, "Mix_Playing");
  get(library.PlayingMusic, "Mix_PlayingMusic");
  return loaded ? &library : nullptr;
}

}  // namespace

// Plays one sound at a time on one channel, a new one cutting off the last,
// and one track at a time on the music channel. The sound device is open
// only while something sounds: it is opened by the first sound or track and
// closed a while after the last one ended, so that an idle game does not
// keep a device mixing silence dozens of times a second.
class SdlBackend::Mixer : public platform::AudioOutput, public MusicOutput {
 public:
  // sdlStarted waits until SDL is up.
  explicit Mixer(std::function<void()> sdlStarted) : sdlStarted_(std::move(sdlStarted)) {}
  ~Mixer() override { CloseDevice(); }

  void PlayWave(const std::string& path) override {
    if (!OpenDevice()) return;
    Mix_Chunk* chunk = mix_->LoadWAV(path.c_str());
    if (chunk == nullptr) return;  // a missing sound is silence
    mix_->HaltChannel(0);
    if (current_ != nullptr) mix_->FreeChunk(current_);
    current_ = chunk;
    mix_->PlayChannel(0, current_, 0);
    quiet_ = false;
  }

  bool Open(const std::string& path) override {
    Close();
    if (!OpenDevice()) return false;
    music_ = mix_->LoadMUS(path.c_str());
    if (music_ != nullptr) track_ = path;
    return music_ != nullptr;
  }
  void Play() override {
    if (track_.empty()) return;
    if (music_ == nullptr) {
      // The device was closed while the track rested: load it again.
      if (!OpenDevice()) return;
      music_ = mix_->LoadMUS(track_.c_str());
      if (music_ == nullptr) return;
    }
    mix_->PlayMusic(music_, 0);
    quiet_ = false;
  }
  void Stop() override {
    if (music_ != nullptr) mix_->HaltMusic();
  }
  bool Playing() override { return music_ != nullptr && mix_->PlayingMusic() != 0; }
  void Close() override {
    track_.clear();
    if (music_ == nullptr) return;
    mix_->HaltMusic();
    mix_->FreeMusic(music_);
    music_ = nullptr;
  }

  // Closes the device once nothing has sounded for a while; returns when to
  // look again (UINT64_MAX: nothing to look after).
  uint64_t CloseWhenQuiet(uint64_t now) {
    if (!open_) return UINT64_MAX;
    if (mix_->Playing(-1) > 0 || mix_->PlayingMusic() != 0) {
      quiet_ = false;
      return now + kLookWhilePlaying;
    }
    if (!quiet_) {
      quiet_ = true;
      quietSince_ = now;
    }
    if (now - quietSince_ < kQuietBeforeClosing) return quietSince_ + kQuietBeforeClosing;
    CloseDevice();
    return UINT64_MAX;
  }

 private:
  // Long enough for a player's next click to find the device still open.
  static constexpr uint64_t kQuietBeforeClosing = 2000;
  static constexpr uint64_t kLookWhilePlaying = 250;

  bool OpenDevice() {
    if (open_) return true;
    if (failed_) return false;
    try {
      sdlStarted_();
    } catch (const std::exception&) {
      failed_ = true;
      return false;
    }
    mix_ = LoadMixer();
    if (mix_ == nullptr) {
      failed_ = true;
      return false;
    }
    // The sound libraries report a missing card loudly on stderr; the game
    // just plays silently then.
    const int saved = ::dup(2);
    const int null = ::open("/dev/null", O_WRONLY);
    if (saved >= 0 && null >= 0) ::dup2(null, 2);
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) == 0) open_ = mix_->OpenAudio(44100, AUDIO_S16SYS, 2, 1024) == 0;
    if (!open_) {
      // No sound card: SDL's silent driver, so that music still takes its
      // time and ends as it would.
      SDL_QuitSubSystem(SDL_INIT_AUDIO);
      SDL_SetHint(SDL_HINT_AUDIODRIVER, "dummy");
      if (SDL_InitSubSystem(SDL_INIT_AUDIO) == 0) open_ = mix_->OpenAudio(44100, AUDIO_S16SYS, 2, 1024) == 0;
      if (!open_) SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
    if (open_) mix_->AllocateChannels(1);
    failed_ = !open_;
    if (saved >= 0) {
      ::dup2(saved, 2);
      ::close(saved);
    }
    if (null >= 0) ::close(null);
    quiet_ = false;
    return open_;
  }

  // The loaded track's name stays, so that Play loads it again.
  void CloseDevice() {
    if (!open_) return;
    mix_->HaltChannel(-1);
    if (current_ != nullptr) mix_->FreeChunk(current_);
    current_ = nullptr;
    if (music_ != nullptr) {
      mix_->HaltMusic();
      mix_->FreeMusic(music_);
      music_ = nullptr;
    }
    mix_->CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    open_ = false;
  }

  std::function<void()> sdlStarted_;
  const MixerLibrary* mix_ = nullptr;
  bool open_ = false;
  bool failed_ = false;  // neither a card nor the silent driver would open
  bool quiet_ = false;   // nothing has sounded since quietSince_
  uint64_t quietSince_ = 0;
  Mix_Chunk* current_ = nullptr;
  Mix_Music* music_ = nullptr;
  std::string track_;
};

namespace {

int VirtualKey(const SDL_Keysym& key) {
  const SDL_Scancode sc = key.scancode;
  if (sc >= SDL_SCANCODE_A && sc <= SDL_SCANCODE_Z) return 'A' + (sc - SDL_SCANCODE_A);
  if (sc >= SDL_SCANCODE_1 && sc <= SDL_SCANCODE_9) return '1' + (sc - SDL_SCANCODE_1);
  if (sc == SDL_SCANCODE_0) return '0';
  if (sc >= SDL_SCANCODE_F1 && sc <= SDL_SCANCODE_F12) return VK_F1 + (sc - SDL_SCANCODE_F1);
  switch (key.sym) {
    case SDLK_RETURN:
    case SDLK_KP_ENTER:
      return VK_RETURN;
    case SDLK_BACKSPACE:
      return VK_BACK;
    case SDLK_TAB:
      return VK_TAB;
    case SDLK_ESCAPE:
      return VK_ESCAPE;
    case SDLK_SPACE:
      return VK_SPACE;
    case SDLK_LEFT:
      return VK_LEFT;
    case SDLK_RIGHT:
      return VK_RIGHT;
    case SDLK_UP:
      return VK_UP;
    case SDLK_DOWN:
      return VK_DOWN;
    case SDLK_HOME:
      return VK_HOME;
    case SDLK_END:
      return VK_END;
    case SDLK_PAGEUP:
      return VK_PRIOR;
    case SDLK_PAGEDOWN:
      return VK_NEXT;
    case SDLK_DELETE:
      return VK_DELETE;
    case SDLK_INSERT:
      return VK_INSERT;
    case SDLK_LSHIFT:
    case SDLK_RSHIFT:
      return VK_SHIFT;
    case SDLK_LCTRL:
    case SDLK_RCTRL:
      return VK_CONTROL;
    case SDLK_LALT:
    case SDLK_RALT:
      return VK_MENU;
    default:
      return 0;
  }
}

ShiftState KeyShift(Uint16 mod) {
  ShiftState s = 0;
  if (mod & KMOD_SHIFT) s |= ssShift;
  if (mod & KMOD_CTRL) s |= ssCtrl;
  if (mod & KMOD_ALT) s |= ssAlt;
  return s;
}

ShiftState ButtonShift(Uint32 state) {
  ShiftState s = 0;
  if (state & SDL_BUTTON_LMASK) s |= ssLeft;
  if (state & SDL_BUTTON_RMASK) s |= ssRight;
  if (state & SDL_BUTTON_MMASK) s |= ssMiddle;
  return s;
}

bool ToButton(Uint8 sdl, MouseButton& out) {
  switch (sdl) {
    case SDL_BUTTON_LEFT:
      out = MouseButton::Left;
      return true;
    case SDL_BUTTON_RIGHT:
      out = MouseButton::Right;
      return true;
    case SDL_BUTTON_MIDDLE:
      out = MouseButton::Middle;
      return true;
    default:
      return false;
  }
}

SDL_Surface* WrapCanvas(const Bitmap& canvas) {
  return SDL_CreateRGBSurfaceWithFormatFrom(const_cast<uint32_t*>(canvas.Pixels()), canvas.Width(), canvas.Height(), 32,
                                            canvas.Width() * 4, SDL_PIXELFORMAT_ARGB8888);
}

}  // namespace

// SDL takes longer to open the display than the program takes to build most
// of its forms, so it opens it on a thread of its own meanwhile; every call
// that needs SDL waits for it first (Started).
SdlBackend::SdlBackend() : start_(std::chrono::steady_clock::now()) {
  SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
  SDL_SetHint(SDL_HINT_RENDER_DRIVER, "software");
  SDL_SetHint(SDL_HINT_MOUSE_DOUBLE_CLICK_RADIUS, "4");
  SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
  SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
  SDL_SetHint(SDL_HINT_VIDEO_X11_NET_WM_BYPASS_COMPOSITOR, "0");
  opening_ = std::async(std::launch::async, []() -> std::string {
    std::string error;
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_TIMER) == 0) {
      SDL_StartTextInput();
      // In place of SDL's own, which hands every error on to Xlib's: that
      // one ends the program.
      if (const char* driver = SDL_GetCurrentVideoDriver(); driver != nullptr && std::strcmp(driver, "x11") == 0) {
        XErrorLog::Install();
      }
    } else {
      error = std::string("cannot open a display: ") + SDL_GetError();
    }
    // SDL's own data for this thread (its error text) goes with it.
    SDL_TLSCleanup();
    return error;
  });
  audio_ = std::make_unique<Mixer>([this] { Started(); });
}

void SdlBackend::Started() {
  if (opening_.valid()) openError_ = opening_.get();
  if (!openError_.empty()) throw std::runtime_error(openError_);
}

SdlBackend::~SdlBackend() {
  if (opening_.valid()) openError_ = opening_.get();
  audio_.reset();
  if (!openError_.empty()) return;
  for (auto& [id, window] : windows_) {
    window.frame.reset();
    if (window.sdl != nullptr) SDL_DestroyWindow(window.sdl);
  }
  windows_.clear();
  for (SDL_Cursor* c : {arrow_, hand_, beam_}) {
    if (c != nullptr) SDL_FreeCursor(c);
  }
  SDL_Quit();
}

uint64_t SdlBackend::Now() {
  return static_cast<uint64_t>(
      std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start_).count());
}

SdlBackend::Window* SdlBackend::Find(WindowId id) {
  auto it = windows_.find(id);
  return it == windows_.end() ? nullptr : &it->second;
}

WindowId SdlBackend::IdOf(uint32_t sdlWindowId) const {
  for (const auto& [id, window] : windows_) {
    if (window.sdl != nullptr && SDL_GetWindowID(window.sdl) == sdlWindowId) return id;
  }
  return 0;
}

// SDL reads the X connection once for each drain of its queue, not once for
// each event taken: every reading costs a few system calls, most of them
// finding nothing. What arrives during the drain is read at the next one.
bool SdlBackend::NextSdlEvent(SDL_Event& e) {
  if (!pumped_) {
    SDL_PumpEvents();
    pumped_ = true;
  }
  if (SDL_PeepEvents(&e, 1, SDL_GETEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT) == 1) return true;
  pumped_ = false;
  return false;
}

bool SdlBackend::PollEvent(Event& out) {
  Started();
  SDL_Event e;
  while (NextSdlEvent(e)) {
    out = Event{};
    switch (e.type) {
      case SDL_QUIT:
        out.type = Event::Type::Quit;
        return true;
      case SDL_MOUSEMOTION:
        out.type = Event::Type::MouseMove;
        out.window = IdOf(e.motion.windowID);
        out.x = e.motion.x;
        out.y = e.motion.y;
        out.shift = ButtonShift(e.motion.state) | KeyShift(SDL_GetModState());
        return true;
      case SDL_MOUSEBUTTONDOWN:
      case SDL_MOUSEBUTTONUP:
        if (!ToButton(e.button.button, out.button)) continue;
        out.type = e.type == SDL_MOUSEBUTTONDOWN ? Event::Type::MouseDown : Event::Type::MouseUp;
        out.window = IdOf(e.button.windowID);
        out.x = e.button.x;
        out.y = e.button.y;
        out.clicks = e.type == SDL_MOUSEBUTTONDOWN ? clicks_.Press(out.window, e.button.clicks)
                                                   : clicks_.Release(e.button.clicks);
        out.shift = ButtonShift(SDL_GetMouseState(nullptr, nullptr)) | KeyShift(SDL_GetModState());
        return true;
      case SDL_MOUSEWHEEL: {
        out.type = Event::Type::MouseWheel;
        out.window = IdOf(e.wheel.windowID);
        SDL_GetMouseState(&out.x, &out.y);
        out.wheel = e.wheel.direction == SDL_MOUSEWHEEL_FLIPPED ? -e.wheel.y : e.wheel.y;
        out.shift = KeyShift(SDL_GetModState());
        return true;
      }
      case SDL_KEYDOWN:
      case SDL_KEYUP:
        out.type = e.type == SDL_KEYDOWN ? Event::Type::KeyDown : Event::Type::KeyUp;
        out.window = IdOf(e.key.windowID);
        out.key = VirtualKey(e.key.keysym);
        out.shift = KeyShift(e.key.keysym.mod);
        if (out.key == 0) continue;
        return true;
      case SDL_TEXTINPUT:
        out.type = Event::Type::TextInput;
        out.window = IdOf(e.text.windowID);
        out.text = e.text.text;
        out.shift = KeyShift(SDL_GetModState());
        return true;
      case SDL_WINDOWEVENT:
        // A window waiting for the keyboard gets it once it is on the
        // screen: its frame mapped, it is exposed.
        if (waitingForKeyboard_ != nullptr && SDL_GetWindowID(waitingForKeyboard_) == e.window.windowID) {
          GiveKeyboard(waitingForKeyboard_);
        }
        if (e.window.event == SDL_WINDOWEVENT_FOCUS_GAINED) {
          out.type = Event::Type::Activated;
          out.window = IdOf(e.window.windowID);
          return true;
        }
        if (e.window.event == SDL_WINDOWEVENT_CLOSE) {
          out.type = Event::Type::CloseRequest;
          out.window = IdOf(e.window.windowID);
          return true;
        }
        if (e.window.event == SDL_WINDOWEVENT_LEAVE || e.window.event == SDL_WINDOWEVENT_MINIMIZED) {
          out.type = e.window.event == SDL_WINDOWEVENT_LEAVE ? Event::Type::MouseLeave : Event::Type::Minimized;
          out.window = IdOf(e.window.windowID);
          return true;
        }
        if (e.window.event == SDL_WINDOWEVENT_SIZE_CHANGED) {
          // SDL makes the window surface anew at the new size, without the
          // picture. When the game set the size itself and drew since, the
          // surface it drew into is the new one, and it still holds the
          // picture: SDL updates a surface it still has (here none of it)
          // and refuses one it has let go of.
          Window* w = Find(IdOf(e.window.windowID));
          if (w == nullptr || !w->holdsPicture || w->frame != nullptr) continue;
          if (SDL_UpdateWindowSurfaceRects(w->sdl, nullptr, 0) == 0) continue;
          w->holdsPicture = false;
          out.type = Event::Type::Repaint;
          out.window = IdOf(e.window.windowID);
          return true;
        }
        if (e.window.event == SDL_WINDOWEVENT_EXPOSED) {
          const WindowId id = IdOf(e.window.windowID);
          Window* w = Find(id);
          if (w == nullptr) continue;
          if (w->holdsPicture) {
            ShowPicture(*w);
            continue;
          }
          out.type = Event::Type::Repaint;
          out.window = id;
          return true;
        }
        continue;
      default:
        continue;
    }
  }
  return false;
}

// SDL's own wait (SDL_WaitEventTimeout) is not used on X11. While it waits,
// every event queued, even one its own dispatch of an X event queues, makes
// SDL send a wake-up message to its newest window over a second X connection.
// Nothing orders that request with the main connection's: when the window
// goes right after (a message box closed by Enter, the windows at quit), the
// server may read the wake-up after the window is destroyed, and Xlib ends
// the program on the BadWindow. So the game waits on the display's socket
// itself, and the second connection never carries a request.
void SdlBackend::WaitEvent(uint64_t deadline) {
  Started();
  const uint64_t now = Now();
  deadline = std::min(deadline, audio_->CloseWhenQuiet(now));
  if (deadline != UINT64_MAX && deadline <= now) return;
  const int wait = static_cast<int>(deadline == UINT64_MAX ? 1000 : std::min<uint64_t>(deadline - now, 1000));
  pumped_ = false;
  if (display_ == nullptr) {
    SDL_WaitEventTimeout(nullptr, wait);
    return;
  }
  if (SDL_HasEvents(SDL_FIRSTEVENT, SDL_LASTEVENT)) return;
  // Sends what is buffered and takes in what has arrived; an event read by
  // an earlier reply (a window surface's sync) waits in Xlib's queue, not in the socket.
  if (XPending(display_) > 0) return;
  pollfd socket{ConnectionNumber(display_), POLLIN, 0};
  ::poll(&socket, 1, wait);
}

int SdlBackend::DesktopWidth() {
  Started();
  SDL_DisplayMode mode;
  return SDL_GetDesktopDisplayMode(0, &mode) == 0 ? mode.w : 1024;
}

int SdlBackend::DesktopHeight() {
  Started();
  SDL_DisplayMode mode;
  return SDL_GetDesktopDisplayMode(0, &mode) == 0 ? mode.h : 768;
}

WindowId SdlBackend::CreateWindow(const WindowParams& params) {
  Started();
  Window window;
  window.params = params;
  window.sdl = MakeSdlWindow(window.params, window.xid);
  if (window.sdl == nullptr) throw std::runtime_error(std::string("cannot create a window: ") + SDL_GetError());
  const WindowId id = nextId_++;
  windows_.emplace(id, std::move(window));
  return id;
}

// A hidden SDL window as `params` ask, shaped where they ask and SDL can
// (params.shaped then says whether it could); its X window in `xid` on X11.
// Null when SDL can make none.
SDL_Window* SdlBackend::MakeSdlWindow(WindowParams& params, unsigned long& xid) {
  Uint32 flags = SDL_WINDOW_HIDDEN | SDL_WINDOW_BORDERLESS;
  if (params.popup) flags |= SDL_WINDOW_SKIP_TASKBAR | SDL_WINDOW_POPUP_MENU;
  SDL_Window* sdl = nullptr;
  if (params.shaped) {
    sdl = SDL_CreateShapedWindow(params.title.c_str(), static_cast<unsigned>(std::max(0, params.left)),
                                 static_cast<unsigned>(std::max(0, params.top)), static_cast<unsigned>(params.width),
                                 static_cast<unsigned>(params.height), flags);
  }
  params.shaped = sdl != nullptr;
  if (sdl == nullptr)
    sdl = SDL_CreateWindow(params.title.c_str(), params.left, params.top, params.width, params.height, flags);
  if (sdl == nullptr) return nullptr;
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  xid = 0;
  if (SDL_GetWindowWMInfo(sdl, &info) == SDL_TRUE && info.subsystem == SDL_SYSWM_X11) {
    xid = info.info.x11.window;
    if (display_ == nullptr) {
      display_ = info.info.x11.display;
      states_ = std::make_unique<X11WindowState>(display_);
    }
  }
  return sdl;
}

void SdlBackend::DestroyWindow(WindowId id) {
  if (Window* w = Find(id)) {
    if (keyboardWindow_ == w->sdl) keyboardWindow_ = nullptr;
    if (waitingForKeyboard_ == w->sdl) waitingForKeyboard_ = nullptr;
    w->frame.reset();
    SDL_DestroyWindow(w->sdl);
    windows_.erase(id);
  }
}

void SdlBackend::ShowWindow(WindowId id) {
  Window* w = Find(id);
  if (w == nullptr) return;
  Regrow(*w);
  MarkDialog(*w);
  // Without a window manager X gives the keyboard to every window mapped;
  // a hint or a menu must leave it where it was.
  SDL_ShowWindow(w->sdl);
  clicks_.Shown(id);
  if (w->params.popup && keyboardWindow_ != nullptr && keyboardWindow_ != w->sdl) GiveKeyboard(keyboardWindow_);
  w->visible = true;
  ShowPicture(*w);
  // Sent at once: the window is mapped already, and waits for its picture.
  if (w->frame != nullptr) XFlush(display_);
}

// Under a window manager a shown window sits in the manager's frame. Hiding
// it unmaps it, and the manager then takes it out of the frame, puts it back
// on the root window and destroys the frame, in its own time. SDL asks the X
// server about a window's parent when it places the window (and when it reads
// where the window went): on a window hidden a moment ago that parent is the
// frame on its way out, and when the frame is gone before the next request
// about it, the request fails. A message answered and the next one placed
// where it was did just that. So a hidden window is not used again, placed
// or shown, while the manager still holds it, as X's rules for window
// managers ask of a program that reuses a window it withdrew. The hiding
// waits for the manager to let go, briefly (a manager does it in a few
// milliseconds), so that the events SDL reads next, too, find the window on
// the root window and not in the frame.
//
// A window the manager does not let go of in that time, or one it keeps off
// the screen (minimised, or on another desktop: unmapping it, all SDL does,
// changes nothing there), is given up: destroyed, which every manager
// follows, and a new hidden window takes its place. Managers differ on a
// window withdrawn while minimised (herbstluftwm keeps it, in its frame and
// its task list, and shows it again when asked, empty and dead); none keeps
// a window that is gone. The game never waits on a manager twice for one
// hiding, and the next showing is a new window to every manager.
void SdlBackend::HideWindow(WindowId id) {
  Window* w = Find(id);
  if (w == nullptr) return;
  w->visible = false;
  if (waitingForKeyboard_ == w->sdl) waitingForKeyboard_ = nullptr;
  if (states_ != nullptr && w->xid != 0) {
    const bool mapped = states_->Mapped(w->xid);
    if (!mapped && states_->Managed(w->xid)) {
      Renew(*w);
      return;
    }
    SDL_HideWindow(w->sdl);
    constexpr uint64_t kLongestWait = 200;
    if (mapped && !states_->AwaitLetGo(w->xid, kLongestWait)) {
      Renew(*w);
      return;
    }
  } else {
    SDL_HideWindow(w->sdl);
  }
  GiveBackPixels(*w);
}

// A new hidden window in place of one the manager will not give back: made
// where the form is, at its size, with none of its pixels (the form draws
// the whole of it before it is next shown). The old one goes; a new one
// cannot be had, it stays, hidden as SDL hides it.
void SdlBackend::Renew(Window& window) {
  unsigned long xid = 0;
  WindowParams params = window.params;
  SDL_Window* fresh = MakeSdlWindow(params, xid);
  if (fresh == nullptr) {
    SDL_ClearError();
    SDL_HideWindow(window.sdl);
    return;
  }
  SDL_Window* old = window.sdl;
  window.frame.reset();
  SDL_DestroyWindow(old);
  if (keyboardWindow_ == old) keyboardWindow_ = fresh;
  if (waitingForKeyboard_ == old) waitingForKeyboard_ = nullptr;
  window.sdl = fresh;
  window.xid = xid;
  window.params = params;
  window.shapeApplied = false;
  window.holdsPicture = false;
  window.shrunk = false;
  window.frameless = false;
  window.dialog = false;
  window.transientFor = 0;
  if (display_ != nullptr) XFlush(display_);
}

// A hidden window gives back its pixels. SDL frees a window's framebuffer
// only to make one of another size, so the window takes the smallest size,
// with a framebuffer of one pixel, until it is drawn or shown again (its
// form draws all of it then anyway).
void SdlBackend::GiveBackPixels(Window& window) {
  if (UsesFrames(window)) {
    // A shared frame is simply let go of; the window keeps its size.
    window.frame.reset();
    window.holdsPicture = false;
    return;
  }
  if (window.shrunk) return;
  SDL_SetWindowSize(window.sdl, 1, 1);
  if (SDL_GetWindowSurface(window.sdl) == nullptr) SDL_ClearError();
  // SDL reads the resize's notice now, while the window is this size for
  // it too; read after the window has its size back, the notice would make
  // SDL take it for the small size again.
  SDL_PumpEvents();
  window.shrunk = true;
  window.holdsPicture = false;
}

// A window that gave back its pixels gets its size again, and a new
// framebuffer when next drawn.
void SdlBackend::Regrow(Window& window) {
  if (!window.shrunk) return;
  window.shrunk = false;
  SDL_SetWindowSize(window.sdl, window.params.width, window.params.height);
  // SDL puts a shaped window out of sight when it changes its size; the
  // shape itself stays the server's.
  if (window.params.shaped) SDL_SetWindowPosition(window.sdl, window.params.left, window.params.top);
}

void SdlBackend::MoveWindow(WindowId id, int left, int top) {
  if (Window* w = Find(id)) {
    w->params.left = left;
    w->params.top = top;
    SDL_SetWindowPosition(w->sdl, left, top);
  }
}

void SdlBackend::ResizeWindow(WindowId id, int width, int height) {
  if (Window* w = Find(id)) {
    w->params.width = width;
    w->params.height = height;
    if (w->shrunk) return;  // it takes the size when it is shown
    SDL_SetWindowSize(w->sdl, width, height);
  }
}

void SdlBackend::RaiseWindow(WindowId id) {
  Window* w = Find(id);
  if (w == nullptr || !w->visible) return;
  SDL_RaiseWindow(w->sdl);
  if (!w->params.popup) GiveKeyboard(w->sdl);
}

// X gives the keyboard only to a window on the screen (viewable); asked for
// another, it refuses the request. Under a window manager a window shown a
// moment ago is mapped, but not yet on the screen until the manager has put
// it in its frame and shown the frame, in its own time. Such a window is
// given the keyboard when it comes on the screen (its first exposure); a
// later window given the keyboard takes its place.
void SdlBackend::GiveKeyboard(SDL_Window* sdl) {
  keyboardWindow_ = sdl;
  waitingForKeyboard_ = nullptr;
  const Window* window = nullptr;
  for (const auto& [id, w] : windows_) {
    if (w.sdl == sdl) window = &w;
  }
  if (window == nullptr) return;
  if (states_ != nullptr && window->xid != 0 && !states_->Viewable(window->xid)) {
    waitingForKeyboard_ = sdl;
    return;
  }
  SDL_SetWindowInputFocus(sdl);
}

void SdlBackend::MinimizeWindow(WindowId id) {
  if (Window* w = Find(id)) SDL_MinimizeWindow(w->sdl);
}

// A window the manager keeps minimised is off the screen: unmapped, or in a
// frame the manager unmapped, with its WM_STATE iconic. It comes back as
// X's rules for clients say (mapped again) and as a task bar brings it
// (_NET_ACTIVE_WINDOW, asked on the player's behalf): managers follow one or
// the other. SDL's own restore waits for the window's mapping, which a
// manager that keeps it minimised never gives.
void SdlBackend::RestoreWindow(WindowId id) {
  Window* w = Find(id);
  if (w == nullptr || !w->visible) return;
  if (display_ == nullptr || w->xid == 0) {
    SDL_RestoreWindow(w->sdl);
    return;
  }
  if (states_->Mapped(w->xid) && !states_->Iconic(w->xid)) return;
  XMapRaised(display_, w->xid);
  XEvent request{};
  request.xclient.type = ClientMessage;
  request.xclient.window = w->xid;
  request.xclient.message_type = XInternAtom(display_, "_NET_ACTIVE_WINDOW", False);
  request.xclient.format = 32;
  request.xclient.data.l[0] = 2;  // asked for by the player, as a task bar asks
  request.xclient.data.l[1] = CurrentTime;
  XSendEvent(display_, DefaultRootWindow(display_), False, SubstructureRedirectMask | SubstructureNotifyMask, &request);
  XFlush(display_);
}

std::vector<std::string> SdlBackend::TakeDisplayErrors() { return XErrorLog::Take(); }

void SdlBackend::SetModalFor(WindowId id, WindowId owner) {
  if (Window* w = Find(id)) w->owner = owner;
}

// A window manager keeps a dialog (window type _NET_WM_WINDOW_TYPE_DIALOG)
// above the window it is transient for (WM_TRANSIENT_FOR). It reads both
// when the window is mapped, so they are written just before it is shown.
// SDL_SetWindowModalFor writes the transient hint (and, in SDL 2.26, nothing
// else); the type is written here. The window stays borderless: SDL's Motif
// hints are left as they are. The state _NET_WM_STATE_MODAL is not set: a
// desktop that attaches modal dialogs to their window (GNOME's) would move
// the box onto the window's title and keep the player from dragging it.
// Without a window manager nothing reads these.
void SdlBackend::MarkDialog(Window& window) {
  if (display_ == nullptr || window.xid == 0) return;
  const Window* owner = window.owner != 0 ? Find(window.owner) : nullptr;
  const bool dialog = owner != nullptr && owner != &window && owner->xid != 0;
  if (!dialog && !window.dialog) return;
  if (dialog && !window.dialog) {
    ::Window before = 0;
    window.transientFor = XGetTransientForHint(display_, window.xid, &before) != 0 ? before : 0;
  }
  if (dialog) {
    SDL_SetWindowModalFor(window.sdl, owner->sdl);
  } else if (window.transientFor != 0) {
    XSetTransientForHint(display_, window.xid, window.transientFor);
  } else {
    XDeleteProperty(display_, window.xid, XA_WM_TRANSIENT_FOR);
  }
  // An ordinary window of the game is of the type SDL gives it: normal (a
  // menu or a hint is never modal).
  const Atom type = XInternAtom(display_, "_NET_WM_WINDOW_TYPE", False);
  const Atom kind = XInternAtom(display_, dialog ? "_NET_WM_WINDOW_TYPE_DIALOG" : "_NET_WM_WINDOW_TYPE_NORMAL", False);
  XChangeProperty(display_, window.xid, type, XA_ATOM, 32, PropModeReplace,
                  reinterpret_cast<const unsigned char*>(&kind), 1);
  window.dialog = dialog;
}

// Pure red (or the form's key) in the first picture is cut out of the window.
void SdlBackend::ApplyShape(Window& window, const Bitmap& canvas) {
  SDL_Surface* shape = WrapCanvas(canvas);
  SDL_WindowShapeMode mode;
  mode.mode = ShapeModeColorKey;
  mode.parameters.colorKey =
      SDL_Color{window.params.shapeKey.r, window.params.shapeKey.g, window.params.shapeKey.b, 255};
  if (shape != nullptr && SDL_SetWindowShape(window.sdl, shape, &mode) == 0) window.shapeApplied = true;
  if (shape != nullptr) SDL_FreeSurface(shape);
  SDL_SetWindowPosition(window.sdl, window.params.left, window.params.top);
}

// What of the canvas goes to the window: all of what the window can show
// until it holds a whole picture, then the changed parts.
std::vector<Rect> SdlBackend::PartsToPresent(const Window& window, const Bitmap& canvas, const Rect& bounds,
                                             const std::vector<Rect>& changed) {
  std::vector<Rect> parts;
  if (!window.holdsPicture || bounds.width != canvas.Width() || bounds.height != canvas.Height()) {
    parts.push_back(bounds);
    return parts;
  }
  for (const Rect& r : changed) {
    const Rect part = r.Intersect(bounds);
    if (!part.Empty()) parts.push_back(part);
  }
  return parts;
}

// The canvas's rows of each part into the rows rowOf(y) gives, as they are.
void SdlBackend::CopyParts(const Bitmap& canvas, const std::vector<Rect>& parts,
                           const std::function<uint32_t*(int)>& rowOf) {
  for (const Rect& part : parts) {
    for (int y = part.top; y < part.bottom(); ++y) {
      const uint32_t* from = canvas.Pixels() + static_cast<size_t>(y) * canvas.Width() + part.left;
      std::memcpy(rowOf(y) + part.left, from, static_cast<size_t>(part.width) * 4);
    }
  }
}

// The canvas goes into the window's shared frame, or else its window
// surface, part by part, row by row, as it is: the window's own format is
// the canvas's with its top byte unused, so nothing is blended or converted.
// Another format of surface is converted by SDL, still without blending.
void SdlBackend::Present(WindowId id, const Bitmap& canvas, const std::vector<Rect>& changed) {
  Window* w = Find(id);
  if (w == nullptr || canvas.Empty()) return;
  Regrow(*w);
  if (w->params.shaped && !w->shapeApplied && !w->visible) ApplyShape(*w, canvas);
  if (SharedFrame* frame = FrameFor(*w, canvas)) {
    const std::vector<Rect> parts = PartsToPresent(*w, canvas, Rect{0, 0, canvas.Width(), canvas.Height()}, changed);
    CopyParts(canvas, parts, [&](int y) { return frame->Row(y); });
    w->holdsPicture = true;
    if (!w->visible) return;
    for (const Rect& part : parts) frame->Put(part);
    return;
  }
  SDL_Surface* target = SDL_GetWindowSurface(w->sdl);
  if (target == nullptr) return;
  const Rect bounds = Rect{0, 0, canvas.Width(), canvas.Height()}.Intersect(Rect{0, 0, target->w, target->h});
  const std::vector<Rect> parts = PartsToPresent(*w, canvas, bounds, changed);
  if (parts.empty()) return;
  const Uint32 format = target->format->format;
  if (format == SDL_PIXELFORMAT_RGB888 || format == SDL_PIXELFORMAT_ARGB8888) {
    if (SDL_MUSTLOCK(target)) SDL_LockSurface(target);
    CopyParts(canvas, parts, [&](int y) {
      return reinterpret_cast<uint32_t*>(static_cast<uint8_t*>(target->pixels) + y * target->pitch);
    });
    if (SDL_MUSTLOCK(target)) SDL_UnlockSurface(target);
  } else if (SDL_Surface* source = WrapCanvas(canvas)) {
    SDL_SetSurfaceBlendMode(source, SDL_BLENDMODE_NONE);
    for (const Rect& part : parts) {
      SDL_Rect from{part.left, part.top, part.width, part.height};
      SDL_Rect to = from;
      SDL_BlitSurface(source, &from, target, &to);
    }
    SDL_FreeSurface(source);
  }
  w->holdsPicture = true;
  if (!w->visible) return;
  std::vector<SDL_Rect> rects;
  rects.reserve(parts.size());
  for (const Rect& part : parts) rects.push_back(SDL_Rect{part.left, part.top, part.width, part.height});
  SDL_UpdateWindowSurfaceRects(w->sdl, rects.data(), static_cast<int>(rects.size()));
}

// On X11 a window's picture lives in memory shared with the server (see
// SharedFrame), made at the canvas's size when first drawn or when the size
// changed. SDL's window surface would do the same, but it waits for the
// server's answer after every present: a round trip for every move of the
// mouse over a button. A window the server cannot share memory with, or
// whose pixels are not the canvas's words, is left to SDL.
SharedFrame* SdlBackend::FrameFor(Window& window, const Bitmap& canvas) {
  if (!UsesFrames(window)) return nullptr;
  if (sharing_ == Sharing::Unknown) sharing_ = SharedFrame::Supported(display_) ? Sharing::Yes : Sharing::No;
  if (sharing_ == Sharing::No) return nullptr;
  if (window.frame != nullptr && window.frame->Width() == canvas.Width() && window.frame->Height() == canvas.Height()) {
    return window.frame.get();
  }
  window.frame.reset();
  window.holdsPicture = false;
  bool refused = false;
  window.frame = SharedFrame::Make(display_, window.xid, canvas.Width(), canvas.Height(), refused);
  if (refused) sharing_ = Sharing::No;
  if (window.frame == nullptr) window.frameless = true;
  return window.frame.get();
}

bool SdlBackend::UsesFrames(const Window& window) const {
  return display_ != nullptr && window.xid != 0 && !window.frameless && sharing_ != Sharing::No;
}

// Shows the window's picture again, as the window holds it.
void SdlBackend::ShowPicture(Window& window) {
  if (!window.holdsPicture) return;
  if (window.frame != nullptr) {
    window.frame->Put(Rect{0, 0, window.frame->Width(), window.frame->Height()});
  } else {
    SDL_UpdateWindowSurface(window.sdl);
  }
}

Point SdlBackend::GlobalMouse() {
  Started();
  int x = 0, y = 0;
  SDL_GetGlobalMouseState(&x, &y);
  return Point{x, y};
}

ShiftState SdlBackend::GlobalButtons() {
  Started();
  return ButtonShift(SDL_GetGlobalMouseState(nullptr, nullptr));
}

// A cursor is made when first asked for, not on the way to the first window.
void SdlBackend::SetCursor(Cursor cursor) {
  Started();
  SDL_Cursor*& c = cursor == Cursor::HandPoint ? hand_ : cursor == Cursor::IBeam ? beam_ : arrow_;
  if (c == nullptr) {
    c = SDL_CreateSystemCursor(cursor == Cursor::HandPoint ? SDL_SYSTEM_CURSOR_HAND
                               : cursor == Cursor::IBeam   ? SDL_SYSTEM_CURSOR_IBEAM
                                                           : SDL_SYSTEM_CURSOR_ARROW);
  }
  // SDL defines a cursor on every window and flushes even when it is the
  // one already shown: a move from button to button would wake the server.
  if (c != nullptr && SDL_GetCursor() != c) SDL_SetCursor(c);
}

std::string SdlBackend::ClipboardText() {
  Started();
  char* text = SDL_GetClipboardText();
  std::string result = text != nullptr ? text : "";
  SDL_free(text);
  return result;
}

}  // namespace ui

namespace ui {
platform::AudioOutput& SdlBackend::Audio() { return *audio_; }
MusicOutput& SdlBackend::Music() { return *audio_; }

std::unique_ptr<Backend> MakeBackend(bool headless) {
  if (headless) return std::make_unique<HeadlessBackend>();
  return std::make_unique<SdlBackend>();
}
}  // namespace ui
