#pragma once
// A picture in memory: 32-bit ARGB pixels, row by row.
#include <cstdint>
#include <memory>
#include <new>
#include <stdexcept>
#include <utility>
#include <vector>

#include "ui/Types.h"

namespace ui {

// Raised when a picture file cannot be read or decoded.
class EInvalidGraphic : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class Bitmap {
 public:
  // A picture whose every pixel its maker writes at once (a decoder): its
  // pixels start as whatever the memory held.
  struct Unfilled {};

  Bitmap() = default;
  Bitmap(int width, int height, Color fill = clBlack);
  Bitmap(int width, int height, Unfilled);

  int Width() const { return width_; }
  int Height() const { return height_; }
  bool Empty() const { return width_ == 0 || height_ == 0; }
  uint32_t* Pixels() { return pixels_.data(); }
  const uint32_t* Pixels() const { return pixels_.data(); }
  uint32_t Pixel(int x, int y) const { return pixels_[static_cast<size_t>(y) * width_ + x]; }
  void SetPixel(int x, int y, uint32_t argb) { pixels_[static_cast<size_t>(y) * width_ + x] = argb; }
  Color ColorAt(int x, int y) const;
  bool SamePixels(const Bitmap& other) const;

 private:
  // Makes a vector grow without writing zeros first.
  template <class T>
  struct Uninitialized : std::allocator<T> {
    template <class U>
    struct rebind {
      using other = Uninitialized<U>;
    };
    Uninitialized() = default;
    template <class U>
    Uninitialized(const Uninitialized<U>&) noexcept {}
    template <class U>
    void construct(U* p) noexcept {
      ::new (static_cast<void*>(p)) U;
    }
    template <class U, class... Args>
    void construct(U* p, Args&&... args) {
      ::new (static_cast<void*>(p)) U(std::forward<Args>(args)...);
    }
  };

  int width_ = 0, height_ = 0;
  std::vector<uint32_t, Uninitialized<uint32_t>> pixels_;
};

}  // namespace ui
