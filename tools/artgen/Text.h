#pragma once
// Text for the pictures: glyph coverage masks from SDL2_ttf with DejaVu Sans,
// and the mask operations that turn them into shadows, outlines and glows.
#include <string>
#include <vector>

#include "Image.h"

namespace artgen {

class Mask {
 public:
  Mask() = default;
  Mask(int width, int height) : width_(width), height_(height), a_(static_cast<size_t>(width) * height, 0.0f) {}

  int width() const { return width_; }
  int height() const { return height_; }
  float at(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return 0.0f;
    return a_[static_cast<size_t>(y) * width_ + x];
  }
  float& ref(int x, int y) { return a_[static_cast<size_t>(y) * width_ + x]; }

  // A copy with room around it, so that outlines and glows are not cut off.
  Mask padded(int pad) const;
  Mask blurred(float radius) const;  // three box passes, close to a gaussian
  Mask dilated(float radius) const;  // anti-aliased outline growth
  // The ink box: first and one-past-last columns and rows with coverage.
  Rect inkBounds() const;

 private:
  int width_ = 0, height_ = 0;
  std::vector<float> a_;
};

enum class Weight { Regular, Bold };

// Renders one line of UTF-8 text; throws std::runtime_error when the font is missing.
Mask renderText(const std::string& utf8, int pixelSize, Weight weight);

// Draws the mask with its top left at (x, y), colour from the paint in image
// coordinates.
void drawMask(Image& img, const Mask& mask, int x, int y, const Paint& paint, float opacity = 1.0f);

// Releases the fonts; called once at the end of the program.
void shutdownText();

}  // namespace artgen
