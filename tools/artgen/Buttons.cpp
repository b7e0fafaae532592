// Button skins: every family in three states (normal, mouse over, pressed),
// and the game screen's three quick buttons.
#include <algorithm>
#include <cmath>
#include <iterator>
#include <numbers>
#include <string>

#include "Art.h"

namespace artgen {

namespace {

enum class State { Normal = 1, Hover = 2, Pressed = 3 };

struct SkinFamily {
  const char* stem;
  int width, height;
  Color base;      // the face colour; light, so that black captions read well
  Color surround;  // what lies around the button on its screens
  float radius;
  uint32_t seed;
};

// Darkens the inside of the shape near the edges that face the offset, as if
// light came from the opposite side.
void innerShadow(Image& img, const Sdf& shape, float dx, float dy, Color c, float radius, float strength) {
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x) {
      float px = x + 0.5f, py = y + 0.5f;
      float cov = std::clamp(0.5f - shape(px, py), 0.0f, 1.0f);
      if (cov <= 0) continue;
      float s = shape(px - dx, py - dy);  // inside the shifted shape: negative
      float a = s >= 0 ? strength : strength * std::exp(s / radius);
      img.blend(x, y, c, a * cov);
    }
}

Image drawSkin(const SkinFamily& f, State state) {
  const float W = static_cast<float>(f.width), H = static_cast<float>(f.height), r = f.radius;
  Image img(f.width, f.height, withAlpha(f.surround, 1));
  Sdf outer = sdf::roundRect(0, 0, W, H, r);
  Sdf body = sdf::roundRect(1, 1, W - 2, H - 2, r - 1);
  const Color b = f.base;

  Color top, mid, bottom, border;
  switch (state) {
    case State::Normal:
      top = lighten(b, 0.50f), mid = b, bottom = darken(b, 0.14f), border = darken(b, 0.66f);
      break;
    case State::Hover:
      top = lighten(b, 0.72f), mid = lighten(b, 0.30f), bottom = lighten(b, 0.08f);
      border = darken(b, 0.40f);
      break;
    case State::Pressed:
      top = darken(b, 0.30f), mid = darken(b, 0.14f), bottom = lighten(b, 0.06f);
      border = darken(b, 0.74f);
      break;
  }

  fillShape(img, outer, border);
  const float split = state == State::Pressed ? 0.55f : 0.48f;
  fillShape(img, body, [=](float x, float y) {
    float t = std::clamp((y - 1) / (H - 2), 0.0f, 1.0f);
    Color c = t < split ? mix(top, mid, t / split) : mix(mid, bottom, (t - split) / (1 - split));
    // Faint brushed grain along the button.
    float grain = (fbm(x * 0.06f, y * 0.8f, f.seed, 3) - 0.5f) * 0.04f;
    return Color{c.r * (1 + grain), c.g * (1 + grain), c.b * (1 + grain), 1};
  });

  if (state != State::Pressed) {
    // Glassy upper half and a bright rim along the top edge.
    float glossH = std::floor(H * 0.46f);
    Sdf gloss = sdf::roundRect(2, 2, W - 4, glossH, std::max(1.0f, r - 2));
    fillShape(img, gloss,
              vertical(2, withAlpha(rgb(255, 255, 255), state == State::Hover ? 0.55f : 0.42f), 2 + glossH,
                       withAlpha(rgb(255, 255, 255), 0.06f)));
    innerShadow(img, body, 0, 1.2f, withAlpha(rgb(255, 255, 255), 1), 0.7f, 0.55f);
    innerShadow(img, body, 0, -1.2f, withAlpha(darken(b, 0.5f), 1), 0.9f, 0.35f);
  } else {
    // Pushed in: shadow along the top and left, a little light at the bottom.
    innerShadow(img, body, 1.2f, 2.0f, rgb(0, 0, 0), 1.6f, 0.45f);
    innerShadow(img, body, 0, -1.0f, withAlpha(lighten(b, 0.6f), 1), 0.7f, 0.30f);
  }

  if (state == State::Hover) {
    // Lit from inside: a warm glow along the edge and a soft light in the middle.
    innerGlow(img, body, rgb(255, 252, 225), 3.2f, 0.55f);
    fillShape(img, body, [=](float x, float y) {
      float d = std::hypot((x - W / 2) / (W * 0.55f), (y - H / 2) / (H * 0.9f));
      return withAlpha(rgb(255, 255, 240), 0.22f * std::max(0.0f, 1 - d));
    });
  }
  return img;
}

const SkinFamily kFamilies[] = {
    // stem, width, height, face, surround, corner radius, grain seed
    {"menu", 220, 37, rgb(150, 178, 214), rgb(0, 0, 0), 7, 11},
    {"farm", 275, 37, rgb(132, 204, 168), rgb(0, 0, 0), 7, 12},
    {"main", 150, 37, rgb(128, 186, 236), rgb(8, 12, 28), 7, 13},
    {"case", 150, 28, rgb(234, 190, 112), rgb(0, 0, 0), 6, 14},
    {"mes", 70, 30, rgb(196, 204, 218), rgb(10, 15, 36), 6, 15},
    {"ctrl", 230, 32, rgb(118, 204, 214), rgb(0, 0, 0), 6, 16},
    {"bnk", 290, 32, rgb(226, 196, 104), rgb(0, 0, 0), 6, 17},
    {"vk", 116, 44, rgb(184, 166, 230), rgb(0, 0, 0), 8, 18},
    {"xt", 120, 32, rgb(236, 146, 124), rgb(0, 0, 0), 6, 19},
};

// ---- quick buttons -------------------------------------------------------

Sdf rotatedBox(float cx, float cy, float hw, float hh, float r, float angle) {
  float c = std::cos(angle), s = std::sin(angle);
  return [=](float px, float py) {
    float dx = px - cx, dy = py - cy;
    return sdf::roundBox(c * dx + s * dy, -s * dx + c * dy, 0, 0, hw, hh, r);
  };
}

Sdf gearShape(float cx, float cy) {
  Sdf g = sdf::disc(cx, cy, 8.6f);
  for (int i = 0; i < 8; ++i) {
    float a = static_cast<float>(i) * std::numbers::pi_v<float> / 4;
    float tx = cx + std::cos(a) * 9.6f, ty = cy + std::sin(a) * 9.6f;
    g = sdf::unite(g, rotatedBox(tx, ty, 2.9f, 2.4f, 0.8f, a));
  }
  return sdf::subtract(g, sdf::disc(cx, cy, 3.6f));
}

struct Icon {
  Sdf shape;
  Paint paint;
};

void drawIconLayers(Image& img, const std::vector<Icon>& layers, State state, Color glow) {
  // One dark outline around the whole icon, then the layers, then the light.
  Sdf all = layers.front().shape;
  for (size_t i = 1; i < layers.size(); ++i) all = sdf::unite(all, layers[i].shape);
  if (state == State::Hover) glowShape(img, all, glow, 2.6f, 0.75f);
  fillShape(img, sdf::grow(all, 1.1f), withAlpha(rgb(4, 6, 14), 0.85f));
  for (const Icon& l : layers) fillShape(img, l.shape, l.paint);
  if (state == State::Hover)
    fillShape(img, all, withAlpha(rgb(255, 255, 255), 0.18f));
  else if (state == State::Pressed)
    fillShape(img, all, withAlpha(rgb(0, 0, 0), 0.22f));
}

Image drawQuickButton(char kind, State state) {
  Image img(32, 32, withAlpha(palette::panel(), 1));
  Sdf tile = sdf::roundRect(1, 1, 30, 30, 7);
  Sdf face = sdf::roundRect(2, 2, 28, 28, 6);
  Color rim, top, bottom;
  switch (state) {
    case State::Normal:
      rim = rgb(96, 126, 190), top = rgb(62, 80, 128), bottom = rgb(22, 30, 58);
      break;
    case State::Hover:
      rim = rgb(150, 225, 255), top = rgb(86, 112, 172), bottom = rgb(34, 48, 90);
      break;
    case State::Pressed:
      rim = rgb(70, 92, 140), top = rgb(18, 24, 46), bottom = rgb(40, 52, 90);
      break;
  }
  fillShape(img, tile, rim);
  fillShape(img, face, vertical(2, top, 30, bottom));
  if (state != State::Pressed)
    fillShape(img, sdf::roundRect(3, 3, 26, 12, 5),
              vertical(3, withAlpha(rgb(255, 255, 255), 0.28f), 15, withAlpha(rgb(255, 255, 255), 0.03f)));
  else
    innerShadow(img, face, 1, 1.5f, rgb(0, 0, 0), 1.6f, 0.5f);
  if (state == State::Hover) innerGlow(img, face, rgb(150, 225, 255), 2.5f, 0.35f);

  const float o = state == State::Pressed ? 1.0f : 0.0f;  // the pressed icon sinks
  const float cx = 16 + o, cy = 16 + o;
  std::vector<Icon> layers;
  Color glow = rgb(140, 220, 255);
  if (kind == 's') {
    layers.push_back(
        {gearShape(cx, cy), linear(cx - 10, cy - 10, rgb(246, 249, 255), cx + 10, cy + 10, rgb(150, 162, 186))});
    layers.push_back({sdf::ring(sdf::disc(cx, cy, 6.2f), 0.55f), solid(withAlpha(rgb(110, 120, 140), 0.8f))});
  } else if (kind == 'l') {
    glow = rgb(255, 220, 120);
    Sdf back = sdf::unite(sdf::roundRect(5 + o, 8 + o, 21, 17, 2), sdf::roundRect(5 + o, 6 + o, 9, 5, 1.5f));
    Sdf paper = sdf::roundRect(8 + o, 9.5f + o, 16, 10, 1);
    Sdf front = sdf::poly({8.5f + o, 14 + o, 28.5f + o, 14 + o, 25.5f + o, 26 + o, 5 + o, 26 + o});
    layers.push_back({back, vertical(6 + o, rgb(226, 168, 52), 25 + o, rgb(170, 112, 20))});
    layers.push_back({paper, solid(rgb(244, 246, 250))});
    layers.push_back({front, vertical(14 + o, rgb(255, 224, 120), 26 + o, rgb(236, 170, 44))});
  } else {
    glow = rgb(255, 140, 120);
    Sdf disc = sdf::disc(cx, cy, 11);
    Sdf cross = sdf::unite(sdf::capsule(cx - 4.6f, cy - 4.6f, cx + 4.6f, cy + 4.6f, 1.9f),
                           sdf::capsule(cx - 4.6f, cy + 4.6f, cx + 4.6f, cy - 4.6f, 1.9f));
    layers.push_back({sdf::subtract(disc, cross), radial(cx - 3, cy - 4, 15, rgb(250, 110, 90), rgb(160, 22, 20))});
    layers.push_back({cross, solid(rgb(250, 250, 250))});
  }
  drawIconLayers(img, layers, state, glow);
  return img;
}

}  // namespace

void writeButtonSkins(Output& out) {
  for (const SkinFamily& f : kFamilies)
    for (State s : {State::Normal, State::Hover, State::Pressed})
      out.jpeg("buttons", std::string(f.stem) + "_" + std::to_string(static_cast<int>(s)) + ".jpg", drawSkin(f, s),
               f.surround, 93);
  // The pharmacy's two buttons show the pictures stored with the window until
  // their first skin reset: the normal "farm" face.
  const SkinFamily& farm = *std::find_if(std::begin(kFamilies), std::end(kFamilies),
                                         [](const SkinFamily& f) { return std::string(f.stem) == "farm"; });
  for (const char* name : {"apteka_hard.jpg", "apteka_low.jpg"})
    out.jpeg("images", name, drawSkin(farm, State::Normal), farm.surround, 93);
}

void writeQuickButtons(Output& out) {
  for (char kind : {'s', 'l', 'e'})
    for (State s : {State::Normal, State::Hover, State::Pressed})
      out.bmp("buttons", std::string("q") + kind + "_" + std::to_string(static_cast<int>(s)) + ".bmp",
              drawQuickButton(kind, s), palette::panel());
}

}  // namespace artgen
