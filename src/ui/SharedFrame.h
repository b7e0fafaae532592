#pragma once
// A window's picture on X11 in memory shared with the X server (MIT-SHM):
// the backend writes the form's pixels into it and asks the server to copy
// parts of it to the window. The request carries no pixels and waits for
// no answer, so a move of the mouse that changes a button costs the game a
// copy into memory and a few bytes on the connection.
//
// The server reads the memory when it comes to the request. A part written
// again before then shows its newer pixels a moment early; the request for
// those follows anyway. The memory stays the server's to read until it has
// read its last request: letting go of a frame detaches the server after
// them, and the segment goes when both sides have let go.
#include <cstdint>
#include <memory>

#include "ui/Types.h"

struct _XDisplay;
struct _XGC;
struct _XImage;

namespace ui {

class SharedFrame {
 public:
  // Whether the display has MIT-SHM (a round trip: ask once).
  static bool Supported(_XDisplay* display);
  // A frame for the window, or null when none can be made: the window's
  // pixels must be 24-bit true colour in 32-bit words, the canvas's own.
  // refused: the server could not attach the memory, as one on another
  // machine cannot; no frame for its display will do then.
  static std::unique_ptr<SharedFrame> Make(_XDisplay* display, unsigned long window, int width, int height,
                                           bool& refused);
  ~SharedFrame();
  SharedFrame(const SharedFrame&) = delete;
  SharedFrame& operator=(const SharedFrame&) = delete;

  int Width() const { return width_; }
  int Height() const { return height_; }
  uint32_t* Row(int y);
  // Queues the copy of part r to the same place of the window; the
  // connection sends it when the program next flushes or waits.
  void Put(const Rect& r);

 private:
  SharedFrame(_XDisplay* display, unsigned long window, int width, int height);

  _XDisplay* display_;
  unsigned long window_;
  int width_, height_;
  _XGC* gc_ = nullptr;
  _XImage* image_ = nullptr;
  struct Segment;  // the image points at it
  std::unique_ptr<Segment> segment_;
};

}  // namespace ui
