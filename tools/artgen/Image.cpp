#include "Image.h"

#include <algorithm>
#include <cmath>

namespace artgen {

Color rgb(int r, int g, int b, float a) { return {r / 255.0f, g / 255.0f, b / 255.0f, a}; }

Color mix(const Color& x, const Color& y, float t) {
  return {x.r + (y.r - x.r) * t, x.g + (y.g - x.g) * t, x.b + (y.b - x.b) * t, x.a + (y.a - x.a) * t};
}

Color lighten(const Color& c, float t) { return mix(c, {1, 1, 1, c.a}, t); }
Color darken(const Color& c, float t) { return mix(c, {0, 0, 0, c.a}, t); }
Color withAlpha(Color c, float a) {
  c.a = a;
  return c;
}

Image::Image(int width, int height, Color fill)
    : width_(width), height_(height), px_(static_cast<size_t>(width) * height, fill) {}

void Image::blend(int x, int y, const Color& c, float coverage) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
  float sa = c.a * coverage;
  if (sa <= 0.0f) return;
  Color& d = at(x, y);
  float keep = d.a * (1.0f - sa);
  float oa = sa + keep;
  if (oa <= 0.0f) return;
  d.r = (c.r * sa + d.r * keep) / oa;
  d.g = (c.g * sa + d.g * keep) / oa;
  d.b = (c.b * sa + d.b * keep) / oa;
  d.a = oa;
}

void Image::add(int x, int y, const Color& c, float amount) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_ || amount <= 0.0f) return;
  Color& d = at(x, y);
  d.r += c.r * amount;
  d.g += c.g * amount;
  d.b += c.b * amount;
  d.a = std::max(d.a, std::min(1.0f, amount));
}

void Image::fill(const Paint& paint) {
  for (int y = 0; y < height_; ++y)
    for (int x = 0; x < width_; ++x) at(x, y) = paint(x + 0.5f, y + 0.5f);
}

Image Image::crop(int x, int y, int w, int h) const {
  Image out(w, h);
  for (int j = 0; j < h; ++j)
    for (int i = 0; i < w; ++i) {
      int sx = x + i, sy = y + j;
      if (sx >= 0 && sy >= 0 && sx < width_ && sy < height_) out.at(i, j) = at(sx, sy);
    }
  return out;
}

void Image::draw(const Image& src, int x, int y, float opacity) {
  for (int j = 0; j < src.height(); ++j)
    for (int i = 0; i < src.width(); ++i) blend(x + i, y + j, src.at(i, j), opacity);
}

void fillShape(Image& img, const Sdf& shape, const Paint& paint, Rect area, float opacity) {
  int x0 = std::max(0, area.x0), y0 = std::max(0, area.y0);
  int x1 = std::min(img.width(), area.x1), y1 = std::min(img.height(), area.y1);
  for (int y = y0; y < y1; ++y)
    for (int x = x0; x < x1; ++x) {
      float px = x + 0.5f, py = y + 0.5f;
      float cov = std::clamp(0.5f - shape(px, py), 0.0f, 1.0f);
      if (cov > 0.0f) img.blend(x, y, paint(px, py), cov * opacity);
    }
}

void fillShape(Image& img, const Sdf& shape, const Paint& paint, float opacity) {
  fillShape(img, shape, paint, img.bounds(), opacity);
}

void fillShape(Image& img, const Sdf& shape, Color c) { fillShape(img, shape, solid(c)); }

void fillShape(Image& img, const Sdf& shape, Color c, Rect area) { fillShape(img, shape, solid(c), area); }

void glowShape(Image& img, const Sdf& shape, Color c, float radius, float strength, bool additive, Rect area) {
  int x0 = std::max(0, area.x0), y0 = std::max(0, area.y0);
  int x1 = std::min(img.width(), area.x1), y1 = std::min(img.height(), area.y1);
  for (int y = y0; y < y1; ++y)
    for (int x = x0; x < x1; ++x) {
      float d = shape(x + 0.5f, y + 0.5f);
      float a = strength * std::exp(-std::max(d, 0.0f) / radius);
      if (additive)
        img.add(x, y, c, a);
      else
        img.blend(x, y, c, a);
    }
}

void innerGlow(Image& img, const Sdf& shape, Color c, float radius, float strength) {
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x) {
      float d = shape(x + 0.5f, y + 0.5f);
      float cov = std::clamp(0.5f - d, 0.0f, 1.0f);
      if (cov <= 0.0f) continue;
      float a = strength * std::exp(std::min(d, 0.0f) / radius);
      img.blend(x, y, c, a * cov);
    }
}

Paint solid(Color c) {
  return [c](float, float) { return c; };
}

Paint vertical(float y0, Color c0, float y1, Color c1) {
  return [=](float, float y) {
    float t = std::clamp((y - y0) / (y1 - y0), 0.0f, 1.0f);
    return mix(c0, c1, t);
  };
}

Paint linear(float x0, float y0, Color c0, float x1, float y1, Color c1) {
  float dx = x1 - x0, dy = y1 - y0, len2 = dx * dx + dy * dy;
  return [=](float x, float y) {
    float t = std::clamp(((x - x0) * dx + (y - y0) * dy) / len2, 0.0f, 1.0f);
    return mix(c0, c1, t);
  };
}

Paint radial(float cx, float cy, float r, Color inner, Color outer) {
  return [=](float x, float y) {
    float t = std::clamp(std::hypot(x - cx, y - cy) / r, 0.0f, 1.0f);
    return mix(inner, outer, t);
  };
}

namespace sdf {

float box(float px, float py, float cx, float cy, float hw, float hh) {
  float dx = std::fabs(px - cx) - hw, dy = std::fabs(py - cy) - hh;
  float ox = std::max(dx, 0.0f), oy = std::max(dy, 0.0f);
  return std::hypot(ox, oy) + std::min(std::max(dx, dy), 0.0f);
}

float roundBox(float px, float py, float cx, float cy, float hw, float hh, float r) {
  return box(px, py, cx, cy, hw - r, hh - r) - r;
}

float circle(float px, float py, float cx, float cy, float r) { return std::hypot(px - cx, py - cy) - r; }

float ellipse(float px, float py, float cx, float cy, float rx, float ry) {
  // A good-enough approximation near the outline, which is where it matters.
  float nx = (px - cx) / rx, ny = (py - cy) / ry;
  float k = std::hypot(nx, ny);
  if (k == 0.0f) return -std::min(rx, ry);
  float gx = nx / rx, gy = ny / ry;
  float grad = std::hypot(gx, gy) / k;
  return (k - 1.0f) / std::max(grad, 1e-6f);
}

float segment(float px, float py, float ax, float ay, float bx, float by) {
  float pax = px - ax, pay = py - ay, bax = bx - ax, bay = by - ay;
  float h = std::clamp((pax * bax + pay * bay) / (bax * bax + bay * bay), 0.0f, 1.0f);
  return std::hypot(pax - bax * h, pay - bay * h);
}

float polygon(float px, float py, const std::vector<float>& v) {
  size_t n = v.size() / 2;
  float d = (px - v[0]) * (px - v[0]) + (py - v[1]) * (py - v[1]);
  float s = 1.0f;
  for (size_t i = 0, j = n - 1; i < n; j = i, ++i) {
    float ex = v[2 * j] - v[2 * i], ey = v[2 * j + 1] - v[2 * i + 1];
    float wx = px - v[2 * i], wy = py - v[2 * i + 1];
    float h = std::clamp((wx * ex + wy * ey) / (ex * ex + ey * ey), 0.0f, 1.0f);
    float bx = wx - ex * h, by = wy - ey * h;
    d = std::min(d, bx * bx + by * by);
    bool c1 = py >= v[2 * i + 1], c2 = py<v[2 * j + 1], c3 = ex * wy> ey * wx;
    if ((c1 && c2 && c3) || (!c1 && !c2 && !c3)) s = -s;
  }
  return s * std::sqrt(d);
}

float smoothMin(float a, float b, float k) {
  float h = std::max(k - std::fabs(a - b), 0.0f) / k;
  return std::min(a, b) - h * h * k * 0.25f;
}

Sdf roundRect(float x, float y, float w, float h, float r) {
  return [=](float px, float py) { return roundBox(px, py, x + w / 2, y + h / 2, w / 2, h / 2, r); };
}
Sdf disc(float cx, float cy, float r) {
  return [=](float px, float py) { return circle(px, py, cx, cy, r); };
}
Sdf capsule(float ax, float ay, float bx, float by, float r) {
  return [=](float px, float py) { return segment(px, py, ax, ay, bx, by) - r; };
}
Sdf poly(std::vector<float> xy) {
  return [xy = std::move(xy)](float px, float py) { return polygon(px, py, xy); };
}
Sdf unite(Sdf a, Sdf b) {
  return [=](float px, float py) { return std::min(a(px, py), b(px, py)); };
}
Sdf subtract(Sdf a, Sdf b) {
  return [=](float px, float py) { return std::max(a(px, py), -b(px, py)); };
}
Sdf intersect(Sdf a, Sdf b) {
  return [=](float px, float py) { return std::max(a(px, py), b(px, py)); };
}
Sdf grow(Sdf a, float d) {
  return [=](float px, float py) { return a(px, py) - d; };
}
Sdf ring(Sdf a, float halfWidth) {
  return [=](float px, float py) { return std::fabs(a(px, py)) - halfWidth; };
}

}  // namespace sdf

uint32_t hash32(uint32_t x) {
  x ^= x >> 16;
  x *= 0x7feb352dU;
  x ^= x >> 15;
  x *= 0x846ca68bU;
  x ^= x >> 16;
  return x;
}

uint32_t hash2(int x, int y, uint32_t seed) {
  return hash32(static_cast<uint32_t>(x) * 0x9E3779B1U ^ hash32(static_cast<uint32_t>(y) + seed * 0x85EBCA77U));
}

float hashUnit(int x, int y, uint32_t seed) { return (hash2(x, y, seed) >> 8) * (1.0f / 16777216.0f); }

float valueNoise(float x, float y, uint32_t seed) {
  int ix = static_cast<int>(std::floor(x)), iy = static_cast<int>(std::floor(y));
  float fx = x - ix, fy = y - iy;
  float sx = fx * fx * (3 - 2 * fx), sy = fy * fy * (3 - 2 * fy);
  float a = hashUnit(ix, iy, seed), b = hashUnit(ix + 1, iy, seed);
  float c = hashUnit(ix, iy + 1, seed), d = hashUnit(ix + 1, iy + 1, seed);
  return (a + (b - a) * sx) + ((c + (d - c) * sx) - (a + (b - a) * sx)) * sy;
}

float fbm(float x, float y, uint32_t seed, int octaves) {
  float sum = 0, amp = 0.5f, norm = 0;
  for (int i = 0; i < octaves; ++i) {
    sum += amp * valueNoise(x, y, seed + i * 101u);
    norm += amp;
    x *= 2.03f;
    y *= 2.03f;
    amp *= 0.5f;
  }
  return sum / norm;
}

uint32_t Rng::next() {
  state_ ^= state_ << 13;
  state_ ^= state_ >> 17;
  state_ ^= state_ << 5;
  return state_;
}
float Rng::unit() { return (next() >> 8) * (1.0f / 16777216.0f); }
float Rng::range(float lo, float hi) { return lo + (hi - lo) * unit(); }
int Rng::below(int n) { return static_cast<int>(next() % static_cast<uint32_t>(n)); }

}  // namespace artgen
