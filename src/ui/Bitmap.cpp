#include "ui/Bitmap.h"

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

}  // namespace ui
