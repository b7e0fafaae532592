// Output bookkeeping and the drawing pieces shared by several pictures.
#include <algorithm>
#include <cmath>
#include <filesystem>

#include "Art.h"
#include "Text.h"

namespace artgen {

std::string Output::path(const std::string& folder, const std::string& name) const {
  std::filesystem::create_directories(dataDir_ + "/" + folder);
  return dataDir_ + "/" + folder + "/" + name;
}

void Output::jpeg(const std::string& folder, const std::string& name, const Image& img, Color under, int quality) {
  writeJpeg(flatten(img, under, true), path(folder, name), quality);
  written_.push_back(folder + "/" + name);
}

void Output::bmp(const std::string& folder, const std::string& name, const Image& img, Color under) {
  writeBmp(flatten(img, under, false), path(folder, name));
  written_.push_back(folder + "/" + name);
}

void Output::bmpKeyed(const std::string& folder, const std::string& name, const Image& img, Color edge) {
  writeBmp(flattenKeyed(img, edge), path(folder, name));
  written_.push_back(folder + "/" + name);
}

Color hsv(float h, float s, float v) {
  h = std::fmod(h, 360.0f) / 60.0f;
  int i = static_cast<int>(std::floor(h));
  float f = h - i, p = v * (1 - s), q = v * (1 - s * f), t = v * (1 - s * (1 - f));
  switch (i) {
    case 0:
      return {v, t, p, 1};
    case 1:
      return {q, v, p, 1};
    case 2:
      return {p, v, t, 1};
    case 3:
      return {p, q, v, 1};
    case 4:
      return {t, p, v, 1};
    default:
      return {v, p, q, 1};
  }
}

namespace {

// Paints with a vertical gradient of four stops laid over the box top..bottom,
// with a hard step in the middle for a polished-metal look.
Paint metal(float top, float bottom, Color c0, Color c1, Color c2, Color c3) {
  return [=](float, float y) {
    float t = std::clamp((y - top) / (bottom - top), 0.0f, 1.0f);
    return t < 0.52f ? mix(c0, c1, t / 0.52f) : mix(c2, c3, (t - 0.52f) / 0.48f);
  };
}

// The top edges of the letters, lit from above.
Mask bevel(const Mask& m) {
  Mask out(m.width(), m.height());
  for (int y = 0; y < m.height(); ++y)
    for (int x = 0; x < m.width(); ++x)
      out.ref(x, y) = std::clamp(m.at(x, y) - 0.5f * (m.at(x, y - 1) + m.at(x, y - 2)), 0.0f, 1.0f);
  return out;
}

}  // namespace

void drawTitle(Image& img, float cx, float cy, float maxW, float maxH, float opacity) {
  Mask word, two;
  Rect wb{}, tb{};
  int gap = 0, size = static_cast<int>(maxH * 1.6f);
  float inkW = 0, inkH = 0;
  for (; size > 8; --size) {
    word = renderText("Зендрикс", size, Weight::Bold);
    two = renderText("2", size, Weight::Bold);
    wb = word.inkBounds();
    tb = two.inkBounds();
    gap = static_cast<int>(std::lround(size * 0.26f));
    inkW = static_cast<float>((wb.x1 - wb.x0) + gap + (tb.x1 - tb.x0));
    inkH = static_cast<float>(std::max(wb.y1, tb.y1) - std::min(wb.y0, tb.y0));
    if (inkW <= maxW && inkH <= maxH) break;
  }
  const int pad = 16;
  word = word.padded(pad);
  two = two.padded(pad);
  int inkTop = std::min(wb.y0, tb.y0);
  int wx = static_cast<int>(std::lround(cx - inkW / 2)) - wb.x0 - pad;
  int y = static_cast<int>(std::lround(cy - inkH / 2)) - inkTop - pad;
  int tx = wx + wb.x1 + gap - tb.x0;
  float top = static_cast<float>(y + pad + inkTop), bottom = top + inkH;

  struct Part {
    const Mask& m;
    int x;
    Color glow, outline;
    Paint fill;
  };
  Part parts[] = {
      {word, wx, rgb(255, 140, 30), rgb(40, 16, 0),
       metal(top, bottom, rgb(255, 252, 222), rgb(255, 216, 104), rgb(246, 170, 40), rgb(192, 92, 12))},
      {two, tx, rgb(50, 150, 255), rgb(0, 14, 48),
       metal(top, bottom, rgb(236, 252, 255), rgb(130, 214, 255), rgb(44, 146, 250), rgb(18, 76, 196))},
  };
  for (const Part& p : parts)
    drawMask(img, p.m.dilated(1.5f).blurred(3.0f), p.x + 2, y + 3, solid(rgb(0, 0, 0)), 0.85f * opacity);
  for (const Part& p : parts) drawMask(img, p.m.dilated(2.0f).blurred(7.0f), p.x, y, solid(p.glow), 0.55f * opacity);
  for (const Part& p : parts) drawMask(img, p.m.dilated(2.0f), p.x, y, solid(p.outline), opacity);
  for (const Part& p : parts) {
    drawMask(img, p.m, p.x, y, p.fill, opacity);
    drawMask(img, bevel(p.m), p.x, y, solid(rgb(255, 255, 255)), 0.55f * opacity);
  }
}

void drawMonitor(Image& img, float x, float y, float w, float h, uint32_t seed, float opacity) {
  Image m(static_cast<int>(std::ceil(w)), static_cast<int>(std::ceil(h)));
  float screenH = h * 0.78f;
  Sdf bezel = sdf::roundRect(0.5f, 0.5f, w - 1, screenH, 4);
  fillShape(m, bezel, vertical(0, rgb(92, 100, 120), screenH, rgb(34, 38, 50)));
  fillShape(m, sdf::ring(sdf::roundRect(1, 1, w - 2, screenH - 1, 3.5f), 0.5f), withAlpha(rgb(170, 185, 215), 0.6f));
  Sdf screen = sdf::roundRect(4, 4, w - 8, screenH - 9, 2);
  fillShape(m, screen, radial(w * 0.4f, screenH * 0.3f, w * 0.8f, rgb(16, 40, 78), rgb(4, 12, 28)));
  // Lines of code in a few syntax colours.
  const Color syntax[] = {rgb(120, 200, 255), rgb(255, 204, 96), rgb(150, 232, 140), rgb(236, 128, 206),
                          rgb(205, 210, 225)};
  Rng rng(seed);
  float lineH = std::max(3.0f, h / 15.0f);
  int indent = 0;
  for (float ly = 8; ly < screenH - 8; ly += lineH) {
    float lx = 7 + indent * lineH * 1.4f;
    int tokens = 1 + rng.below(3);
    for (int t = 0; t < tokens && lx < w - 10; ++t) {
      float len = rng.range(lineH * 0.8f, lineH * 3.2f);
      float end = std::min(lx + len, w - 8);
      fillShape(m, sdf::capsule(lx, ly, end, ly, lineH * 0.22f), syntax[rng.below(5)]);
      lx = end + lineH * 0.8f;
    }
    indent = std::clamp(indent + rng.below(3) - 1, 0, 3);
  }
  fillShape(m, screen, [=](float px, float py) {  // glass reflection
    float t = (px + py * 0.6f) / (w + screenH);
    return withAlpha(rgb(255, 255, 255), t < 0.35f ? 0.07f : 0.0f);
  });
  float neckTop = screenH, neckBottom = h - 3;
  fillShape(m, sdf::poly({w * 0.44f, neckTop, w * 0.56f, neckTop, w * 0.6f, neckBottom, w * 0.4f, neckBottom}),
            vertical(neckTop, rgb(60, 66, 82), neckBottom, rgb(30, 34, 44)));
  fillShape(m, sdf::roundRect(w * 0.26f, h - 4, w * 0.48f, 3.5f, 1.5f),
            vertical(h - 4, rgb(96, 104, 126), h, rgb(40, 44, 56)));
  img.draw(m, static_cast<int>(x), static_cast<int>(y), opacity);
}

void drawSkyline(Image& img, float x0, float x1, float base, float maxHeight, uint32_t seed, Color building,
                 float windowLight) {
  Rng rng(seed);
  for (float x = x0 - 10; x < x1;) {
    float bw = rng.range(16, 44), bh = rng.range(0.3f, 1.0f) * maxHeight;
    Color c = mix(building, rgb(0, 0, 0), rng.range(0.0f, 0.25f));
    Rect area{static_cast<int>(x) - 2, static_cast<int>(base - bh - 20), static_cast<int>(x + bw) + 2,
              static_cast<int>(base) + 1};
    Sdf shape = sdf::roundRect(x, base - bh, bw, bh + 2, 1);
    int roof = rng.below(4);
    if (roof == 0) shape = sdf::unite(shape, sdf::roundRect(x + bw * 0.25f, base - bh - 8, bw * 0.5f, 10, 1));
    if (roof == 1)
      shape = sdf::unite(shape, sdf::capsule(x + bw * 0.5f, base - bh - 14, x + bw * 0.5f, base - bh, 0.7f));
    fillShape(img, shape, solid(c), area);
    // Windows
    for (float wy = base - bh + 5; wy < base - 4; wy += 7)
      for (float wx = x + 4; wx < x + bw - 5; wx += 6) {
        uint32_t h = hash2(static_cast<int>(wx * 7), static_cast<int>(wy * 13), seed);
        if ((h & 0xFFFF) >= windowLight * 65536.0f) continue;
        Color lit = (h >> 16) % 5 == 0 ? rgb(170, 214, 255) : rgb(255, 212, 140);
        float a = 0.45f + 0.5f * ((h >> 20) & 0xFF) / 255.0f;
        Rect wa{static_cast<int>(wx) - 1, static_cast<int>(wy) - 1, static_cast<int>(wx) + 4, static_cast<int>(wy) + 5};
        fillShape(img, sdf::roundRect(wx, wy, 2.6f, 3.4f, 0.4f), solid(withAlpha(lit, a)), wa);
      }
    x += bw + rng.range(-6.0f, 3.0f);
  }
}

void drawStars(Image& img, Rect area, int count, uint32_t seed, float brightness) {
  Rng rng(seed);
  for (int i = 0; i < count; ++i) {
    float x = rng.range(static_cast<float>(area.x0), static_cast<float>(area.x1));
    float y = rng.range(static_cast<float>(area.y0), static_cast<float>(area.y1));
    float big = rng.unit();
    float r = 0.35f + big * big * 0.9f;
    float a = brightness * rng.range(0.35f, 1.0f);
    Color c = mix(rgb(255, 255, 255), rng.unit() < 0.5f ? rgb(150, 190, 255) : rgb(255, 230, 190), rng.unit() * 0.5f);
    Rect box{static_cast<int>(x) - 8, static_cast<int>(y) - 8, static_cast<int>(x) + 9, static_cast<int>(y) + 9};
    if (r > 0.95f) {
      glowShape(img, sdf::disc(x, y, r), c, 2.0f, a * 0.5f, true, box);
      fillShape(img, sdf::capsule(x - 5, y, x + 5, y, 0.25f), solid(withAlpha(c, a * 0.35f)), box);
      fillShape(img, sdf::capsule(x, y - 5, x, y + 5, 0.25f), solid(withAlpha(c, a * 0.35f)), box);
    }
    fillShape(img, sdf::disc(x, y, r), solid(withAlpha(c, a)), box);
  }
}

}  // namespace artgen
