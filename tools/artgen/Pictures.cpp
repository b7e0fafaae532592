// The pictures of the screens: the game screen's backdrop and mood faces,
// the logos, the shaped message windows and the small embedded pictures.
#include <algorithm>
#include <cmath>
#include <numbers>

#include "Art.h"
#include "Text.h"

namespace artgen {

namespace {

const Color kWhite = rgb(255, 255, 255);
const Color kBlack = rgb(0, 0, 0);

Sdf halfPlaneBelow(float y0) {  // inside where y > y0
  return [=](float, float y) { return y0 - y; };
}
Sdf halfPlaneAbove(float y0) {  // inside where y < y0
  return [=](float, float y) { return y - y0; };
}
Sdf ellipseShape(float cx, float cy, float rx, float ry) {
  return [=](float x, float y) { return sdf::ellipse(x, y, cx, cy, rx, ry); };
}

// ---- game screen -----------------------------------------------------------

void drawPanel(Image& img, float x, float y, float w, float h) {
  Sdf s = sdf::roundRect(x, y, w, h, 10);
  Rect area{static_cast<int>(x) - 12, static_cast<int>(y) - 12, static_cast<int>(x + w) + 12,
            static_cast<int>(y + h) + 12};
  glowShape(img, s, kBlack, 5, 0.55f, false, area);
  fillShape(img, s,
            vertical(y, withAlpha(lighten(palette::panel(), 0.03f), 0.87f), y + h,
                     withAlpha(darken(palette::panel(), 0.1f), 0.9f)),
            area);
  fillShape(img, sdf::ring(sdf::roundRect(x + 0.5f, y + 0.5f, w - 1, h - 1, 9.5f), 0.5f),
            vertical(y, withAlpha(rgb(110, 160, 240), 0.85f), y + h, withAlpha(rgb(60, 90, 160), 0.55f)), area);
  fillShape(img, sdf::ring(sdf::roundRect(x + 1.5f, y + 1.5f, w - 3, h - 3, 8.5f), 0.5f),
            vertical(y, withAlpha(kWhite, 0.20f), y + 60, withAlpha(kWhite, 0.0f)), area);
}

Image drawGameBackdrop() {
  const int W = 756, H = 566;
  const float horizon = 430, cx = 453;
  Image img(W, H);
  img.fill([&](float x, float y) {
    Color c = y < horizon ? mix(rgb(18, 26, 60), rgb(6, 8, 22), y / horizon)
                          : mix(rgb(8, 10, 26), rgb(2, 3, 9), (y - horizon) / (H - horizon));
    auto glow = [&](float gx, float gy, float r, Color g, float s) {
      float d = std::hypot(x - gx, y - gy) / r;
      float k = s * std::exp(-d * d);
      c.r += g.r * k, c.g += g.g * k, c.b += g.b * k;
    };
    glow(470, 150, 300, rgb(40, 80, 190), 0.35f);
    glow(170, 470, 260, rgb(110, 40, 150), 0.22f);
    glow(700, 520, 220, rgb(20, 130, 170), 0.18f);
    glow(cx, horizon, 230, rgb(255, 90, 170), 0.12f);  // the city's light on the sky
    float n = std::max(0.0f, fbm(x * 0.006f, y * 0.009f, 77, 5) - 0.45f) * 0.35f;
    c.r += 0.20f * n, c.g += 0.28f * n, c.b += 0.55f * n;
    c.a = 1;
    return c;
  });
  drawStars(img, {0, 16, W, 360}, 170, 5, 0.9f);

  // Moon
  Rect moonArea{470, 60, 578, 210};
  glowShape(img, sdf::disc(530, 135, 12), rgb(170, 200, 255), 12, 0.35f, true, moonArea);
  fillShape(img, sdf::disc(530, 135, 12), radial(526, 131, 16, rgb(252, 250, 238), rgb(196, 204, 224)), moonArea);
  fillShape(img, sdf::disc(534, 139, 3), withAlpha(rgb(150, 156, 180), 0.35f), moonArea);
  fillShape(img, sdf::disc(525, 131, 2), withAlpha(rgb(150, 156, 180), 0.3f), moonArea);

  // The city and the glowing floor in front of it.
  drawSkyline(img, 0, W, horizon, 200, 21, rgb(18, 24, 52), 0.10f);
  drawSkyline(img, 0, W, horizon, 125, 22, rgb(8, 11, 26), 0.18f);
  Rect floor{0, static_cast<int>(horizon) - 6, W, H};
  glowShape(img, sdf::capsule(0, horizon, W, horizon, 0.4f), rgb(90, 170, 255), 5, 0.35f, true, floor);
  fillShape(img, sdf::capsule(0, horizon, W, horizon, 0.6f), withAlpha(rgb(150, 215, 255), 0.6f), floor);
  Color grid = rgb(60, 170, 255);
  Rect below{0, static_cast<int>(horizon) + 1, W, H};
  for (float step = 5, y = horizon + step; y < H; step *= 1.32f, y += step)
    fillShape(img, sdf::capsule(0, y, W, y, 0.5f),
              solid(withAlpha(grid, 0.05f + 0.20f * (y - horizon) / (H - horizon))), below);
  for (int i = -16; i <= 16; ++i)
    fillShape(img, sdf::capsule(cx + i * 14.0f, horizon, cx + i * 120.0f, H + 40, 0.5f),
              vertical(horizon, withAlpha(grid, 0.0f), H, withAlpha(grid, 0.28f)), below);

  drawTitle(img, cx, 64, 224, 40, 0.95f);

  // Room for the labels on the left and the navigation buttons on the right.
  drawPanel(img, 6, 22, 322, 538);
  drawPanel(img, 578, 22, 172, 538);

  // Vignette
  for (int y = 0; y < H; ++y)
    for (int x = 0; x < W; ++x) {
      float dx = (x + 0.5f) / W - 0.5f, dy = (y + 0.5f) / H - 0.5f;
      float k = 1.0f - 0.55f * std::pow(dx * dx + dy * dy, 1.3f) * 2.2f;
      Color& c = img.at(x, y);
      c.r *= k, c.g *= k, c.b *= k;
    }
  return img;
}

// level 0 happy .. 3 sad
Image drawSmiley(int level) {
  Image img(25, 25, palette::panel());
  const Color light[] = {rgb(170, 244, 120), rgb(255, 240, 120), rgb(255, 206, 110), rgb(250, 140, 120)};
  const Color dark[] = {rgb(44, 150, 40), rgb(224, 160, 20), rgb(218, 120, 30), rgb(180, 44, 40)};
  const Color feature = rgb(56, 28, 12);
  Sdf face = sdf::disc(12.5f, 12.5f, 11.2f);
  fillShape(img, sdf::grow(face, 0.9f), darken(dark[level], 0.6f));
  fillShape(img, face, radial(9, 8, 16, lighten(light[level], 0.25f), dark[level]));
  fillShape(img, ellipseShape(9.5f, 7, 5, 3), vertical(4, withAlpha(kWhite, 0.55f), 10, withAlpha(kWhite, 0.0f)));

  if (level == 0) {  // laughing: closed happy eyes, open mouth
    for (float ex : {8.6f, 16.4f})
      fillShape(img, sdf::intersect(sdf::ring(sdf::disc(ex, 11.2f, 2.3f), 0.75f), halfPlaneAbove(10.6f)), feature);
    Sdf mouth = sdf::intersect(sdf::disc(12.5f, 13.2f, 6.6f), halfPlaneBelow(14.0f));
    fillShape(img, mouth, rgb(120, 26, 26));
    fillShape(img, sdf::intersect(mouth, sdf::disc(12.5f, 20.6f, 3.4f)), rgb(236, 100, 100));
  } else {
    for (float ex : {9.0f, 16.0f}) fillShape(img, ellipseShape(ex, 10, 1.45f, 2.05f), feature);
    if (level == 1)
      fillShape(img, sdf::intersect(sdf::ring(sdf::disc(12.5f, 11.2f, 6.4f), 0.85f), halfPlaneBelow(14.2f)), feature);
    if (level == 2) fillShape(img, sdf::capsule(8.6f, 17.2f, 16.4f, 17.2f, 0.85f), feature);
    if (level == 3) {
      fillShape(img, sdf::intersect(sdf::ring(sdf::disc(12.5f, 23.8f, 6.2f), 0.85f), halfPlaneAbove(19.2f)), feature);
      fillShape(img, sdf::capsule(6.8f, 7.4f, 10.2f, 6.2f, 0.6f), feature);
      fillShape(img, sdf::capsule(14.8f, 6.2f, 18.2f, 7.4f, 0.6f), feature);
      Sdf tear = sdf::unite(sdf::disc(7.6f, 15.6f, 1.35f), sdf::poly({7.6f, 12.4f, 8.9f, 15.2f, 6.3f, 15.2f}));
      fillShape(img, tear, vertical(12.5f, rgb(200, 236, 255), 17, rgb(80, 160, 250)));
    }
  }
  return img;
}

Image drawInfoIcon() {
  Image img(17, 18, palette::navy());
  Sdf d = sdf::disc(8.5f, 9, 7.6f);
  fillShape(img, sdf::grow(d, 0.7f), rgb(0, 0, 60));
  fillShape(img, d, radial(6.5f, 6, 10, rgb(140, 200, 255), rgb(20, 84, 210)));
  fillShape(img, sdf::ring(sdf::disc(8.5f, 9, 7.1f), 0.45f), withAlpha(kWhite, 0.7f));
  fillShape(img, sdf::disc(8.5f, 5.3f, 1.35f), kWhite);
  fillShape(img, sdf::roundRect(7.4f, 7.6f, 2.2f, 6.6f, 0.8f), kWhite);
  return img;
}

// ---- logos -----------------------------------------------------------------

void sparkle(Image& img, float x, float y, float size, Color c, float strength) {
  Rect a{static_cast<int>(x - size - 4), static_cast<int>(y - size - 4), static_cast<int>(x + size + 5),
         static_cast<int>(y + size + 5)};
  glowShape(img, sdf::disc(x, y, 0.8f), c, size * 0.35f, strength, true, a);
  glowShape(img, sdf::capsule(x - size, y, x + size, y, 0.1f), c, 0.7f, strength * 0.8f, true, a);
  glowShape(img, sdf::capsule(x, y - size, x, y + size, 0.1f), c, 0.7f, strength * 0.8f, true, a);
}

Image drawMenuLogo() {
  const int W = 260, H = 49;
  const float cx = 126;  // the centre of the 253-pixel-wide main menu
  Image img(W, H, kBlack);
  glowShape(img, ellipseShape(cx, 27, 110, 1.5f), rgb(40, 110, 255), 4, 0.65f, true);
  glowShape(img, ellipseShape(cx, 27, 60, 0.8f), rgb(140, 200, 255), 2, 0.5f, true);
  drawTitle(img, cx, 25, 228, 36);
  sparkle(img, 46, 10, 6, rgb(255, 240, 200), 0.9f);
  sparkle(img, 214, 38, 5, rgb(170, 220, 255), 0.8f);
  return img;
}

Image drawInfoLogo() {
  const int W = 313, H = 105;
  Image img(W, H, kBlack);
  Sdf frame = sdf::roundRect(0.5f, 0.5f, W - 1, H - 1, 12);
  fillShape(img, frame, [&](float x, float y) {
    Color c = mix(rgb(22, 36, 80), rgb(6, 10, 26), y / H);
    float d = std::hypot((x - 190) / 160, (y - 30) / 70);
    float k = 0.35f * std::exp(-d * d);
    return Color{c.r + 0.15f * k, c.g + 0.3f * k, c.b + 0.7f * k, 1};
  });
  Image inside(W, H);
  drawStars(inside, {4, 4, W - 4, 70}, 60, 9, 0.8f);
  // No lit windows under the version line in the lower right corner.
  drawSkyline(inside, 215, W, H - 1, 30, 32, rgb(14, 22, 48), 0.0f);
  drawSkyline(inside, 0, 215, H - 1, 36, 31, rgb(14, 22, 48), 0.12f);
  glowShape(inside, sdf::capsule(0, H - 1, W, H - 1, 0.3f), rgb(255, 90, 170), 10, 0.25f, true);
  fillShape(img, frame, [&](float x, float y) {
    return inside.at(std::min(W - 1, static_cast<int>(x)), std::min(H - 1, static_cast<int>(y)));
  });
  drawMonitor(img, 16, 16, 74, 66, 4242);
  drawTitle(img, 200, 40, 196, 40);
  // A thin golden rule under the title, fading at both ends.
  fillShape(img, sdf::capsule(112, 67, 288, 67, 0.6f), [](float x, float) {
    float t = 1 - std::pow(std::fabs((x - 200) / 88), 2.0f);
    return withAlpha(rgb(255, 200, 90), 0.9f * std::max(0.0f, t));
  });
  sparkle(img, 286, 18, 6, rgb(255, 240, 200), 0.8f);
  fillShape(img, sdf::ring(sdf::roundRect(0.5f, 0.5f, W - 1, H - 1, 12), 0.6f),
            vertical(0, rgb(130, 180, 255), H, rgb(50, 80, 150)));
  fillShape(img, sdf::ring(sdf::roundRect(2, 2, W - 4, H - 4, 10.5f), 0.5f),
            vertical(0, withAlpha(kWhite, 0.25f), 30, withAlpha(kWhite, 0.0f)));
  return img;
}

// ---- shaped message windows ---------------------------------------------

struct WindowLook {
  Color bandTop, bandBottom, bodyTop, bodyBottom, rim, edge;
  uint32_t seed;
};

constexpr float kTabX = 96, kTabW = 238, kBandBottom = 34;

Sdf windowShape(int w, int h) {
  Sdf body = sdf::roundRect(0.5f, 18.5f, w - 1.0f, h - 19.0f, 16);
  Sdf tab = sdf::roundRect(kTabX, 0.5f, kTabW, 40, 12);
  return [=](float x, float y) { return sdf::smoothMin(body(x, y), tab(x, y), 10); };
}

Image drawShapedWindow(int w, int h, const WindowLook& look, const std::vector<Rect>& wells) {
  Image img(w, h);  // transparent: whatever stays so becomes the colour key
  Sdf shape = windowShape(w, h);
  fillShape(img, shape, look.edge);
  Sdf inner = sdf::grow(shape, -1.5f);
  const float W = static_cast<float>(w), H = static_cast<float>(h);
  fillShape(img, inner, [=](float x, float y) {
    Color c = y < kBandBottom ? mix(look.bandTop, look.bandBottom, y / kBandBottom)
                              : mix(look.bodyTop, look.bodyBottom, (y - kBandBottom) / (H - kBandBottom));
    float n = 0.93f + 0.14f * fbm(x * 0.02f, y * 0.05f, look.seed, 4);
    float sheen = 0.07f * std::exp(-std::pow((x - y * 1.7f - W * 0.28f) / 70, 2.0f));
    float spot = 0.10f * std::exp(-std::pow(std::hypot((x - 60) / 160, (y - 50) / 80), 2.0f));
    return Color{c.r * n + sheen + spot * look.rim.r * 0.4f, c.g * n + sheen + spot * look.rim.g * 0.4f,
                 c.b * n + sheen + spot * look.rim.b * 0.4f, 1};
  });
  // The line under the title band.
  fillShape(img, sdf::intersect(sdf::capsule(0, kBandBottom + 0.5f, W, kBandBottom + 0.5f, 0.5f), inner),
            withAlpha(look.rim, 0.75f));
  fillShape(img, sdf::intersect(sdf::capsule(0, kBandBottom + 1.5f, W, kBandBottom + 1.5f, 0.5f), inner),
            withAlpha(kBlack, 0.45f));
  // Faint circuit traces in the lower right corner.
  Rng rng(look.seed);
  for (int i = 0; i < 7; ++i) {
    float y = H - 12 - i * 9.0f, x0 = W - rng.range(60, 150), xm = x0 + rng.range(14, 30);
    Sdf trace = sdf::unite(sdf::capsule(x0, y, xm, y, 0.5f), sdf::capsule(xm, y, xm + 8, y - 8, 0.5f));
    trace = sdf::unite(trace, sdf::capsule(xm + 8, y - 8, W, y - 8, 0.5f));
    fillShape(img, sdf::intersect(trace, sdf::grow(inner, -4)), withAlpha(look.rim, 0.10f));
    fillShape(img, sdf::ring(sdf::disc(x0, y, 1.6f), 0.45f), withAlpha(look.rim, 0.16f));
  }
  for (const Rect& r : wells) {
    float x = static_cast<float>(r.x0), y = static_cast<float>(r.y0);
    float bw = static_cast<float>(r.x1 - r.x0), bh = static_cast<float>(r.y1 - r.y0);
    fillShape(img, sdf::roundRect(x - 4, y - 4, bw + 8, bh + 8, 9), withAlpha(kBlack, 0.38f));
    fillShape(img, sdf::ring(sdf::roundRect(x - 4.5f, y - 4.5f, bw + 9, bh + 9, 9.5f), 0.5f),
              vertical(y - 4, withAlpha(look.rim, 0.0f), y + bh + 4, withAlpha(look.rim, 0.5f)));
  }
  // Rim light just inside the edge.
  fillShape(img, sdf::ring(sdf::grow(shape, -2.5f), 0.5f),
            vertical(0, withAlpha(look.rim, 0.85f), H, withAlpha(look.rim, 0.25f)));
  return img;
}

const WindowLook kGameMessage{
    rgb(74, 116, 210), rgb(34, 58, 130), rgb(30, 48, 106), rgb(10, 16, 44), rgb(150, 190, 255), rgb(4, 8, 22), 301};
const WindowLook kInfoMessage{
    rgb(46, 146, 168), rgb(20, 80, 104), rgb(18, 62, 82), rgb(6, 20, 32), rgb(130, 236, 246), rgb(2, 12, 18), 302};
const WindowLook kQuitDialog{
    rgb(172, 60, 86), rgb(98, 26, 52), rgb(66, 24, 52), rgb(20, 8, 24), rgb(255, 150, 170), rgb(16, 4, 10), 303};

Image warningIcon(Image base) {
  Sdf tri = sdf::grow(sdf::poly({16, 6.5f, 27.5f, 26.5f, 4.5f, 26.5f}), 2.2f);
  glowShape(base, tri, rgb(255, 190, 60), 2.5f, 0.45f);
  fillShape(base, sdf::grow(tri, 1), rgb(70, 36, 0));
  fillShape(base, tri, vertical(4, rgb(255, 236, 120), 29, rgb(240, 148, 20)));
  fillShape(base, sdf::intersect(tri, halfPlaneAbove(14)), withAlpha(kWhite, 0.22f));
  fillShape(base, sdf::capsule(16, 12.2f, 16, 20, 1.8f), rgb(60, 28, 0));
  fillShape(base, sdf::disc(16, 24.2f, 1.9f), rgb(60, 28, 0));
  return base;
}

Image infoIcon(Image base) {
  Sdf d = sdf::disc(16, 16, 12.5f);
  glowShape(base, d, rgb(120, 230, 255), 2.5f, 0.45f);
  fillShape(base, sdf::grow(d, 1), rgb(0, 30, 60));
  fillShape(base, d, radial(12, 10, 20, rgb(150, 226, 255), rgb(16, 100, 200)));
  fillShape(base, sdf::ring(sdf::disc(16, 16, 11.6f), 0.5f), withAlpha(kWhite, 0.6f));
  fillShape(base, sdf::disc(16, 9.6f, 2.1f), kWhite);
  fillShape(base, sdf::roundRect(14.3f, 13, 3.4f, 11, 1.2f), kWhite);
  return base;
}

// ---- small pictures -----------------------------------------------------

Image drawCell(bool filled) {
  Image img(19, 17, kBlack);
  Sdf box = sdf::roundRect(0.5f, 0.5f, 18, 16, 2.5f);
  Sdf face = sdf::roundRect(1.5f, 1.5f, 16, 14, 1.8f);
  if (filled) {
    fillShape(img, box, rgb(112, 12, 16));
    fillShape(img, face, vertical(1.5f, rgb(255, 116, 100), 15.5f, rgb(192, 22, 28)));
  } else {
    fillShape(img, box, rgb(118, 120, 132));
    fillShape(img, face, vertical(1.5f, rgb(234, 236, 240), 15.5f, rgb(184, 186, 196)));
  }
  fillShape(img, sdf::roundRect(2.5f, 2.5f, 14, 5.5f, 1.5f),
            vertical(2.5f, withAlpha(kWhite, filled ? 0.5f : 0.6f), 8, withAlpha(kWhite, 0.05f)));
  return img;
}

Image drawMark(bool done) {
  Image img(20, 20, kBlack);
  Sdf d = sdf::disc(10, 10, 8);
  if (!done) {
    fillShape(img, d, radial(10, 12, 9, rgb(30, 32, 42), rgb(56, 60, 76)));
    fillShape(img, sdf::ring(sdf::disc(10, 10, 7.6f), 0.6f), vertical(2, rgb(130, 138, 160), 18, rgb(60, 64, 80)));
    fillShape(img, sdf::disc(10, 10, 3.2f), withAlpha(rgb(80, 86, 104), 0.7f));
  } else {
    glowShape(img, d, rgb(110, 255, 120), 2.0f, 0.45f);
    fillShape(img, sdf::grow(d, 0.8f), rgb(14, 70, 20));
    fillShape(img, d, radial(8, 7, 12, rgb(170, 250, 140), rgb(36, 150, 46)));
    Sdf tick = sdf::unite(sdf::capsule(5.8f, 10.3f, 8.6f, 13.3f, 1.3f), sdf::capsule(8.6f, 13.3f, 14.2f, 6.8f, 1.3f));
    fillShape(img, sdf::grow(tick, 0.7f), withAlpha(rgb(10, 60, 16), 0.6f));
    fillShape(img, tick, kWhite);
  }
  return img;
}

Image drawGlobe() {
  Image img(32, 32, kBlack);
  const float cx = 16, cy = 16, r = 13;
  Sdf sphere = sdf::disc(cx, cy, r);
  glowShape(img, sphere, rgb(60, 150, 255), 2, 0.35f);
  fillShape(img, sdf::grow(sphere, 0.8f), rgb(4, 20, 60));
  fillShape(img, sphere, [=](float x, float y) {
    Color c = mix(rgb(110, 196, 255), rgb(10, 56, 150), std::clamp(std::hypot(x - 11, y - 10) / 20, 0.0f, 1.0f));
    float land = fbm(x * 0.16f + 3, y * 0.16f + 1, 404, 4);
    if (land > 0.54f) c = mix(c, mix(rgb(110, 210, 100), rgb(30, 110, 40), std::hypot(x - 11, y - 10) / 20), 0.85f);
    return c;
  });
  Color line = withAlpha(rgb(200, 240, 255), 0.55f);
  Sdf grid = sdf::capsule(cx, cy - r, cx, cy + r, 0.35f);
  grid = sdf::unite(grid, sdf::ring(ellipseShape(cx, cy, 6.5f, r), 0.35f));
  grid = sdf::unite(grid, sdf::capsule(cx - r, cy, cx + r, cy, 0.35f));
  grid = sdf::unite(grid, sdf::capsule(cx - r, cy - 6.5f, cx + r, cy - 6.5f, 0.35f));
  grid = sdf::unite(grid, sdf::capsule(cx - r, cy + 6.5f, cx + r, cy + 6.5f, 0.35f));
  fillShape(img, sdf::intersect(grid, sphere), line);
  fillShape(img, ellipseShape(11.5f, 9.5f, 6, 3.5f),
            vertical(6, withAlpha(kWhite, 0.55f), 13, withAlpha(kWhite, 0.0f)));
  return img;
}

Image drawDiskSpace() {
  Image img(32, 32, kBlack);
  Sdf body = sdf::roundRect(2.5f, 5.5f, 25, 20, 3);
  fillShape(img, sdf::grow(body, 0.8f), rgb(20, 22, 30));
  fillShape(img, body, vertical(5.5f, rgb(200, 206, 220), 25.5f, rgb(110, 116, 132)));
  fillShape(img, sdf::disc(13, 15.5f, 7.5f), radial(11, 13, 10, rgb(236, 240, 248), rgb(140, 146, 164)));
  fillShape(img, sdf::ring(sdf::disc(13, 15.5f, 4.8f), 0.3f), withAlpha(rgb(90, 96, 112), 0.6f));
  fillShape(img, sdf::disc(13, 15.5f, 1.6f), rgb(70, 74, 90));
  fillShape(img, sdf::capsule(22.5f, 9, 16, 18.5f, 0.9f), rgb(60, 64, 80));  // the head arm
  fillShape(img, sdf::disc(24.5f, 22.5f, 1.1f), rgb(120, 255, 140));         // activity light
  // A pie of free space in the corner.
  const float px = 24, py = 24, pr = 6.5f;
  Sdf pie = sdf::disc(px, py, pr);
  fillShape(img, sdf::grow(pie, 1), rgb(0, 30, 10));
  fillShape(img, pie, [=](float x, float y) {
    float a = std::atan2(x - px, -(y - py));  // clockwise from the top
    return a >= 0 && a < 2.2f ? rgb(80, 170, 255) : rgb(90, 220, 110);
  });
  fillShape(img, ellipseShape(22.5f, 21.5f, 3.5f, 2), withAlpha(kWhite, 0.35f));
  return img;
}

// The player's computer as the installed-programs window shows it: a monitor
// on its stand, its screen either the desktop of a running system or, with
// no system installed, a dark screen asking "?".
Image drawComputer(bool system) {
  const int w = 96, h = 72;
  Image img(w, h, kBlack);
  const float screenH = 56;
  Sdf bezel = sdf::roundRect(4.5f, 1.5f, 87, screenH, 5);
  glowShape(img, bezel, system ? rgb(80, 170, 255) : rgb(255, 170, 60), 2.5f, 0.3f);
  fillShape(img, bezel, vertical(1.5f, rgb(96, 104, 124), screenH, rgb(34, 38, 50)));
  fillShape(img, sdf::ring(sdf::roundRect(5, 2, 86, screenH - 1, 4.5f), 0.5f), withAlpha(rgb(170, 185, 215), 0.6f));
  Sdf screen = sdf::roundRect(9, 6, 78, screenH - 11, 2);
  if (system) {
    fillShape(img, screen, radial(40, 18, 70, rgb(70, 150, 235), rgb(16, 52, 140)));
    // Two windows and the task bar.
    const float bar = 6 + screenH - 11 - 6;
    fillShape(img, sdf::roundRect(16, 12, 34, 22, 1.5f), rgb(222, 230, 244));
    fillShape(img, sdf::roundRect(16, 12, 34, 5, 1.5f), vertical(12, rgb(70, 130, 230), 17, rgb(30, 80, 190)));
    fillShape(img, sdf::roundRect(44, 22, 34, 18, 1.5f), rgb(236, 240, 248));
    fillShape(img, sdf::roundRect(44, 22, 34, 5, 1.5f), vertical(22, rgb(90, 200, 120), 27, rgb(30, 140, 70)));
    for (int line = 0; line < 3; ++line)
      fillShape(img, sdf::capsule(48, 31 + line * 3.0f, 70 - line * 6.0f, 31 + line * 3.0f, 0.6f), rgb(120, 130, 150));
    fillShape(img, sdf::intersect(screen, sdf::roundRect(9, bar, 78, 6, 0)),
              vertical(bar, rgb(40, 90, 200), bar + 6, rgb(20, 50, 130)));
    fillShape(img, sdf::roundRect(10.5f, bar + 1, 12, 4, 1.5f),
              vertical(bar + 1, rgb(110, 220, 110), bar + 5, rgb(40, 150, 50)));
  } else {
    fillShape(img, screen, radial(48, 26, 60, rgb(34, 38, 52), rgb(10, 12, 18)));
    Mask q = renderText("?", 36, Weight::Bold).padded(6);
    const Rect ink = q.inkBounds();
    const int qx = 48 - (ink.x0 + ink.x1) / 2, qy = 6 + (static_cast<int>(screenH) - 11) / 2 - (ink.y0 + ink.y1) / 2;
    drawMask(img, q.dilated(1.5f).blurred(4.0f), qx, qy, solid(rgb(255, 150, 40)), 0.6f);
    drawMask(img, q, qx, qy,
             vertical(static_cast<float>(qy + ink.y0), rgb(255, 226, 120), static_cast<float>(qy + ink.y1),
                      rgb(240, 140, 30)));
  }
  fillShape(img, screen, [=](float px, float py) {  // glass reflection
    float t = (px + py * 0.6f) / (w + screenH);
    return withAlpha(rgb(255, 255, 255), t < 0.33f ? 0.08f : 0.0f);
  });
  fillShape(img, sdf::disc(86, screenH - 2.5f, 1.1f), system ? rgb(120, 255, 140) : rgb(255, 170, 60));  // power light
  const float neckTop = screenH + 1.5f, neckBottom = h - 4;
  fillShape(img, sdf::poly({43, neckTop, 53, neckTop, 56, neckBottom, 40, neckBottom}),
            vertical(neckTop, rgb(60, 66, 82), neckBottom, rgb(30, 34, 44)));
  fillShape(img, sdf::roundRect(28, h - 5, 40, 4, 1.8f), vertical(h - 5, rgb(100, 108, 130), h - 1, rgb(40, 44, 56)));
  return img;
}

Image drawDiscoLight(int index) {
  const float hue = index * (360.0f / 11.0f);
  const Color c = hsv(hue, 0.85f, 1.0f);
  Image img(48, 48, kBlack);
  const float cx = 24, cy = 24;
  glowShape(img, sdf::disc(cx, cy, 5), c, 7.5f, 0.9f, true);
  float tilt = (index % 2) ? std::numbers::pi_v<float> / 4 : 0.0f;
  for (int k = 0; k < 2; ++k) {
    float a = tilt + k * std::numbers::pi_v<float> / 2, dx = std::cos(a) * 22, dy = std::sin(a) * 22;
    glowShape(img, sdf::capsule(cx - dx, cy - dy, cx + dx, cy + dy, 0.2f), lighten(c, 0.3f), 1.2f, 0.7f, true);
  }
  fillShape(img, sdf::disc(cx, cy, 6), radial(cx, cy, 6, rgb(255, 255, 255), lighten(c, 0.35f)));
  // Fade out before the edges so that no square shows against the black window.
  for (int y = 0; y < 48; ++y)
    for (int x = 0; x < 48; ++x) {
      float k = std::clamp((23.5f - std::hypot(x + 0.5f - cx, y + 0.5f - cy)) / 7.0f, 0.0f, 1.0f);
      Color& p = img.at(x, y);
      p.r *= k, p.g *= k, p.b *= k;
    }
  return img;
}

}  // namespace

void writeGameScreen(Output& out) {
  out.jpeg("images", "zenx.jpg", drawGameBackdrop(), kBlack, 92);
  const char* names[] = {"high.bmp", "good.bmp", "middle.bmp", "bad.bmp"};
  for (int i = 0; i < 4; ++i) out.bmp("images", names[i], drawSmiley(i), palette::panel());
  out.bmp("images", "menu_ico.bmp", drawInfoIcon(), palette::navy());
}

void writeLogos(Output& out) {
  out.jpeg("images", "form1_logo.jpg", drawMenuLogo(), kBlack, 94);
  out.jpeg("images", "infor_logo.jpg", drawInfoLogo(), kBlack, 94);
}

void writeMessageWindows(Output& out) {
  Image mes = drawShapedWindow(429, 159, kGameMessage, {{184, 120, 254, 150}});
  out.bmpKeyed("images", "mes_image1.bmp", mes, kGameMessage.edge);
  out.bmpKeyed("images", "mes_image2.bmp", warningIcon(mes.crop(8, 48, 32, 32)), kGameMessage.edge);
  Image mess = drawShapedWindow(430, 159, kInfoMessage, {{184, 122, 254, 152}});
  out.bmpKeyed("images", "mess_image1.bmp", mess, kInfoMessage.edge);
  out.bmpKeyed("images", "mess_image2.bmp", infoIcon(mess.crop(8, 48, 32, 32)), kInfoMessage.edge);
  Image ques = drawShapedWindow(430, 160, kQuitDialog, {{112, 120, 182, 150}, {240, 120, 310, 150}});
  out.bmpKeyed("images", "ques_fon.bmp", ques, kQuitDialog.edge);
}

void writeSmallPictures(Output& out) {
  out.bmp("images", "skills_y.bmp", drawCell(true), kBlack);
  out.bmp("images", "skills_n.bmp", drawCell(false), kBlack);
  out.bmp("images", "teach_lev_y.bmp", drawMark(true), kBlack);
  out.bmp("images", "teach_lev_n.bmp", drawMark(false), kBlack);
  out.bmp("images", "comp_internet.bmp", drawGlobe(), kBlack);
  out.bmp("images", "comp_hard.bmp", drawDiskSpace(), kBlack);
  out.bmp("images", "ssoft_unknown.bmp", drawComputer(false), kBlack);
  out.bmp("images", "ssoft_os.bmp", drawComputer(true), kBlack);
  for (int i = 1; i <= 11; ++i)
    out.bmp("images", "inclub_f" + std::to_string(i) + ".bmp", drawDiscoLight(i - 1), kBlack);
}

}  // namespace artgen
