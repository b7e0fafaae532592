#include "ui/HeadlessBackend.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <fstream>

namespace ui {

namespace {

uint32_t Le32(const char* p) {
  const auto* b = reinterpret_cast<const unsigned char*>(p);
  return b[0] | (b[1] << 8) | (b[2] << 16) | (static_cast<uint32_t>(b[3]) << 24);
}

// The playing time of a RIFF WAVE file in milliseconds: its data over the
// bytes per second of its format. False for anything else.
bool WaveLength(const std::string& path, uint64_t& ms) {
  std::ifstream in(path, std::ios::binary);
  char head[12];
  if (!in.read(head, 12) || std::memcmp(head, "RIFF", 4) != 0 || std::memcmp(head + 8, "WAVE", 4) != 0) return false;
  uint32_t byteRate = 0;
  char chunk[8];
  while (in.read(chunk, 8)) {
    const uint32_t size = Le32(chunk + 4);
    if (std::memcmp(chunk, "fmt ", 4) == 0) {
      char format[16];
      if (size < 16 || !in.read(format, 16)) return false;
      byteRate = Le32(format + 8);
      in.seekg(size - 16 + (size & 1), std::ios::cur);
    } else if (std::memcmp(chunk, "data", 4) == 0) {
      if (byteRate == 0) return false;
      // A file cut short plays what it holds.
      const std::streamoff at = in.tellg();
      in.seekg(0, std::ios::end);
      const uint64_t held = std::min<uint64_t>(size, static_cast<uint64_t>(in.tellg() - at));
      ms = held * 1000 / byteRate;
      return true;
    } else {
      in.seekg(size + (size & 1), std::ios::cur);
    }
  }
  return false;
}

}  // namespace

bool HeadlessBackend::Player::Open(const std::string& path) {
  open_ = playing_ = false;
  uint64_t length = 0;
  if (!WaveLength(path, length)) return false;
  path_ = path;
  length_ = length;
  open_ = true;
  return true;
}

void HeadlessBackend::Player::Play() {
  if (!open_) return;
  played.push_back(path_);
  started_ = clock_;
  playing_ = true;
}

HeadlessBackend::HeadlessBackend() = default;

void HeadlessBackend::Post(const Event& event) { queue_.push_back(Queued{event, false}); }

void HeadlessBackend::PostAtDesktop(Event event, int desktopX, int desktopY) {
  event.x = desktopX;
  event.y = desktopY;
  queue_.push_back(Queued{event, true});
}

bool HeadlessBackend::PollEvent(Event& event) {
  if (queue_.empty()) return false;
  Queued next = queue_.front();
  queue_.pop_front();
  event = next.event;
  const bool isMouse = event.type == Event::Type::MouseDown || event.type == Event::Type::MouseUp ||
                       event.type == Event::Type::MouseMove || event.type == Event::Type::MouseWheel;
  if (isMouse) {
    Point origin{};
    if (auto it = windows_.find(event.window); it != windows_.end())
      origin = Point{it->second.params.left, it->second.params.top};
    const ShiftState flag = event.button == MouseButton::Left    ? ssLeft
                            : event.button == MouseButton::Right ? ssRight
                                                                 : ssMiddle;
    if (event.type == Event::Type::MouseDown) buttons_ |= flag;
    if (event.type == Event::Type::MouseUp) buttons_ &= ~flag;
    if (next.desktop) {
      mouse_ = Point{event.x, event.y};
      event.x -= origin.x;
      event.y -= origin.y;
    } else {
      mouse_ = Point{origin.x + event.x, origin.y + event.y};
    }
  }
  return true;
}

void HeadlessBackend::WaitEvent(uint64_t deadline) {
  if (OnIdle) {
    OnIdle(deadline);
    return;
  }
  if (deadline != UINT64_MAX) {
    clock_ = std::max(clock_, deadline);
    return;
  }
  Event quit;
  quit.type = Event::Type::Quit;
  Post(quit);
}

WindowId HeadlessBackend::CreateWindow(const WindowParams& params) {
  const WindowId id = nextId_++;
  windows_[id] = WindowRecord{params, false, false};
  return id;
}

void HeadlessBackend::DestroyWindow(WindowId id) {
  windows_.erase(id);
  stacking_.erase(std::remove(stacking_.begin(), stacking_.end(), id), stacking_.end());
  if (focus_ == id) focus_ = 0;
}

void HeadlessBackend::ShowWindow(WindowId id) {
  if (auto it = windows_.find(id); it != windows_.end()) it->second.visible = true, it->second.minimized = false;
}

void HeadlessBackend::HideWindow(WindowId id) {
  if (auto it = windows_.find(id); it != windows_.end()) it->second.visible = false;
  if (focus_ == id) focus_ = 0;
}

void HeadlessBackend::MoveWindow(WindowId id, int left, int top) {
  if (auto it = windows_.find(id); it != windows_.end()) it->second.params.left = left, it->second.params.top = top;
}

void HeadlessBackend::ResizeWindow(WindowId id, int width, int height) {
  if (auto it = windows_.find(id); it != windows_.end())
    it->second.params.width = width, it->second.params.height = height;
}

void HeadlessBackend::RaiseWindow(WindowId id) {
  auto it = windows_.find(id);
  if (it == windows_.end()) return;
  stacking_.erase(std::remove(stacking_.begin(), stacking_.end(), id), stacking_.end());
  stacking_.push_back(id);
  if (!it->second.params.popup) focus_ = id;
}

void HeadlessBackend::MinimizeWindow(WindowId id) {
  if (auto it = windows_.find(id); it != windows_.end()) it->second.minimized = true;
}

void HeadlessBackend::RestoreWindow(WindowId id) {
  if (auto it = windows_.find(id); it != windows_.end() && it->second.visible) it->second.minimized = false;
}

void HeadlessBackend::SetModalFor(WindowId id, WindowId owner) {
  if (auto it = windows_.find(id); it != windows_.end()) it->second.modalFor = owner;
}

}  // namespace ui
