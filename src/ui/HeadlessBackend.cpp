#include "ui/HeadlessBackend.h"

#include <algorithm>
#include <climits>

namespace ui {

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

}  // namespace ui
