#pragma once
// A small floating-point RGBA canvas with anti-aliased shape filling driven by
// signed distance functions. Everything the generator draws goes through it.
#include <cstdint>
#include <functional>
#include <vector>

namespace artgen {

struct Color {
  float r = 0, g = 0, b = 0, a = 1;
};

Color rgb(int r, int g, int b, float a = 1.0f);
Color mix(const Color& x, const Color& y, float t);
Color lighten(const Color& c, float t);  // towards white
Color darken(const Color& c, float t);   // towards black
Color withAlpha(Color c, float a);

// Signed distance in pixels (negative inside) and colour at a point.
using Sdf = std::function<float(float x, float y)>;
using Paint = std::function<Color(float x, float y)>;

struct Rect {
  int x0, y0, x1, y1;  // half-open
};

class Image {
 public:
  Image(int width, int height, Color fill = {0, 0, 0, 0});

  int width() const { return width_; }
  int height() const { return height_; }
  Rect bounds() const { return {0, 0, width_, height_}; }
  Color& at(int x, int y) { return px_[static_cast<size_t>(y) * width_ + x]; }
  const Color& at(int x, int y) const { return px_[static_cast<size_t>(y) * width_ + x]; }

  // Source-over blending of c with its alpha scaled by coverage.
  void blend(int x, int y, const Color& c, float coverage = 1.0f);
  // Additive light: adds c * amount, leaves alpha as it is (at least amount).
  void add(int x, int y, const Color& c, float amount);

  void fill(const Paint& paint);
  Image crop(int x, int y, int w, int h) const;
  void draw(const Image& src, int x, int y, float opacity = 1.0f);

 private:
  int width_, height_;
  std::vector<Color> px_;
};

// Fills the inside of the shape with the paint, anti-aliased over one pixel.
void fillShape(Image& img, const Sdf& shape, const Paint& paint, float opacity = 1.0f);
void fillShape(Image& img, const Sdf& shape, Color c);
void fillShape(Image& img, const Sdf& shape, Color c, Rect area);
void fillShape(Image& img, const Sdf& shape, const Paint& paint, Rect area, float opacity = 1.0f);
// A soft halo outside the shape: strength * exp(-distance / radius).
void glowShape(Image& img, const Sdf& shape, Color c, float radius, float strength, bool additive = false,
               Rect area = {0, 0, 1 << 30, 1 << 30});
// Shading that falls off inward from the edge of the shape (inner glow or shadow).
void innerGlow(Image& img, const Sdf& shape, Color c, float radius, float strength);

// Paints
Paint solid(Color c);
Paint vertical(float y0, Color c0, float y1, Color c1);
Paint linear(float x0, float y0, Color c0, float x1, float y1, Color c1);
Paint radial(float cx, float cy, float r, Color inner, Color outer);

// Shapes
namespace sdf {
float box(float px, float py, float cx, float cy, float hw, float hh);
float roundBox(float px, float py, float cx, float cy, float hw, float hh, float r);
float circle(float px, float py, float cx, float cy, float r);
float ellipse(float px, float py, float cx, float cy, float rx, float ry);
float segment(float px, float py, float ax, float ay, float bx, float by);
float polygon(float px, float py, const std::vector<float>& xy);
float smoothMin(float a, float b, float k);
// Shape helpers in image coordinates (x, y, w, h of the box).
Sdf roundRect(float x, float y, float w, float h, float r);
Sdf disc(float cx, float cy, float r);
Sdf capsule(float ax, float ay, float bx, float by, float r);
Sdf poly(std::vector<float> xy);
Sdf unite(Sdf a, Sdf b);
Sdf subtract(Sdf a, Sdf b);
Sdf intersect(Sdf a, Sdf b);
Sdf grow(Sdf a, float d);
Sdf ring(Sdf a, float halfWidth);
}  // namespace sdf

// Deterministic hashing noise: the same inputs give the same values everywhere.
uint32_t hash32(uint32_t x);
uint32_t hash2(int x, int y, uint32_t seed);
float hashUnit(int x, int y, uint32_t seed);  // [0, 1)
float valueNoise(float x, float y, uint32_t seed);
float fbm(float x, float y, uint32_t seed, int octaves);

// A fixed-seed pseudo-random sequence for placing decorations.
class Rng {
 public:
  explicit Rng(uint32_t seed) : state_(seed ? seed : 1u) {}
  uint32_t next();
  float unit();                     // [0, 1)
  float range(float lo, float hi);  // [lo, hi)
  int below(int n);                 // [0, n)

 private:
  uint32_t state_;
};

}  // namespace artgen
