#include "ui/Bitmap.h"

#include <cstring>

namespace ui {

Bitmap::Bitmap(int width, int height, Color fill)
    : width_(width > 0 ? width : 0),
      height_(height > 0 ? height : 0),
      pixels_(static_cast<size_t>(width_) * height_, fill.Argb()) {}

Bitmap::Bitmap(int width, int height, Unfilled) : width_(width > 0 ? width : 0), height_(height > 0 ? height : 0) {
  pixels_.resize(static_cast<size_t>(width_) * height_);
}

Color Bitmap::ColorAt(int x, int y) const {
  const uint32_t p = Pixel(x, y);
  return Color{static_cast<uint8_t>(p >> 16), static_cast<uint8_t>(p >> 8), static_cast<uint8_t>(p),
               static_cast<uint8_t>(p >> 24)};
}

bool Bitmap::SamePixels(const Bitmap& other) const {
  return width_ == other.width_ && height_ == other.height_ &&
         (pixels_.empty() || std::memcmp(pixels_.data(), other.pixels_.data(), pixels_.size() * sizeof(uint32_t)) == 0);
}

}  // namespace ui
