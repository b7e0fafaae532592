#include "ui/SharedFrame.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XShm.h>
#include <sys/ipc.h>
#include <sys/shm.h>

namespace ui {
namespace {

// Set by the error handler while an attach is tried.
bool attachRefused = false;

int NoteRefusal(Display*, XErrorEvent*) {
  attachRefused = true;
  return 0;
}

}  // namespace

bool SharedFrame::Supported(_XDisplay* display) { return XShmQueryExtension(display) == True; }

// The segment as the image and the server know it.
struct SharedFrame::Segment {
  XShmSegmentInfo info{};
  int id = -1;  // until the server has it: then only the attachments keep it
  bool attached = false;
};

SharedFrame::SharedFrame(_XDisplay* display, unsigned long window, int width, int height)
    : display_(display), window_(window), width_(width), height_(height), segment_(std::make_unique<Segment>()) {}

std::unique_ptr<SharedFrame> SharedFrame::Make(_XDisplay* display, unsigned long window, int width, int height,
                                               bool& refused) {
  refused = false;
  if (width <= 0 || height <= 0) return nullptr;
  XWindowAttributes attributes;
  if (XGetWindowAttributes(display, window, &attributes) == 0) return nullptr;
  const Visual* visual = attributes.visual;
  if (attributes.depth != 24 || visual == nullptr || visual->red_mask != 0xFF0000 || visual->green_mask != 0xFF00 ||
      visual->blue_mask != 0xFF) {
    return nullptr;
  }
  std::unique_ptr<SharedFrame> frame(new SharedFrame(display, window, width, height));
  Segment& segment = *frame->segment_;
  XImage* image = XShmCreateImage(display, attributes.visual, 24, ZPixmap, nullptr, &segment.info,
                                  static_cast<unsigned>(width), static_cast<unsigned>(height));
  if (image == nullptr) return nullptr;
  frame->image_ = image;
  if (image->bits_per_pixel != 32 || image->bytes_per_line < width * 4) return nullptr;
  segment.id = shmget(IPC_PRIVATE, static_cast<size_t>(image->bytes_per_line) * height, IPC_CREAT | 0600);
  if (segment.id < 0) return nullptr;
  void* memory = shmat(segment.id, nullptr, 0);
  if (memory == reinterpret_cast<void*>(-1)) return nullptr;
  segment.info.shmid = segment.id;
  segment.info.shmaddr = static_cast<char*>(memory);
  segment.info.readOnly = True;
  image->data = segment.info.shmaddr;
  // The one round trip: whether the server could attach.
  XSync(display, False);
  attachRefused = false;
  auto* previous = XSetErrorHandler(NoteRefusal);
  XShmAttach(display, &segment.info);
  XSync(display, False);
  XSetErrorHandler(previous);
  if (attachRefused) {
    refused = true;
    return nullptr;
  }
  segment.attached = true;
  // Marked for removal at once, while both sides hold it: it goes when both
  // have let go, however the program ends.
  shmctl(segment.id, IPC_RMID, nullptr);
  segment.id = -1;
  frame->gc_ = XCreateGC(display, window, 0, nullptr);
  if (frame->gc_ == nullptr) return nullptr;
  return frame;
}

SharedFrame::~SharedFrame() {
  if (segment_ != nullptr && segment_->attached) XShmDetach(display_, &segment_->info);
  if (gc_ != nullptr) XFreeGC(display_, gc_);
  if (image_ != nullptr) {
    image_->data = nullptr;  // the segment is not the image's to free
    XDestroyImage(image_);
  }
  if (segment_ != nullptr && segment_->info.shmaddr != nullptr) shmdt(segment_->info.shmaddr);
  if (segment_ != nullptr && segment_->id >= 0) shmctl(segment_->id, IPC_RMID, nullptr);  // never attached
}

uint32_t* SharedFrame::Row(int y) {
  return reinterpret_cast<uint32_t*>(image_->data + static_cast<ptrdiff_t>(y) * image_->bytes_per_line);
}

void SharedFrame::Put(const Rect& r) {
  XShmPutImage(display_, window_, gc_, image_, r.left, r.top, r.left, r.top, static_cast<unsigned>(r.width),
               static_cast<unsigned>(r.height), False);
}

}  // namespace ui
