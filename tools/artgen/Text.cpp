#include "Text.h"

#include <SDL.h>
#include <SDL_ttf.h>
#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <stdexcept>
#include <utility>

namespace artgen {

namespace {

std::string findFontFile(Weight weight) {
  const char* pattern = weight == Weight::Bold ? "DejaVu Sans:style=Bold" : "DejaVu Sans:style=Book";
  std::string found;
  if (FcInit()) {
    FcPattern* pat = FcNameParse(reinterpret_cast<const FcChar8*>(pattern));
    FcConfigSubstitute(nullptr, pat, FcMatchPattern);
    FcDefaultSubstitute(pat);
    FcResult result;
    FcPattern* match = FcFontMatch(nullptr, pat, &result);
    FcChar8* file = nullptr;
    FcChar8* family = nullptr;
    if (match && FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch &&
        FcPatternGetString(match, FC_FAMILY, 0, &family) == FcResultMatch &&
        std::string(reinterpret_cast<char*>(family)) == "DejaVu Sans")
      found = reinterpret_cast<char*>(file);
    if (match) FcPatternDestroy(match);
    FcPatternDestroy(pat);
  }
  if (found.empty())
    found = weight == Weight::Bold ? "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"
                                   : "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
  return found;
}

std::map<std::pair<int, Weight>, TTF_Font*>& fonts() {
  static std::map<std::pair<int, Weight>, TTF_Font*> cache;
  return cache;
}

TTF_Font* font(int size, Weight weight) {
  if (!TTF_WasInit() && TTF_Init() != 0) throw std::runtime_error(std::string("TTF_Init: ") + TTF_GetError());
  auto key = std::make_pair(size, weight);
  auto it = fonts().find(key);
  if (it != fonts().end()) return it->second;
  std::string path = findFontFile(weight);
  TTF_Font* f = TTF_OpenFont(path.c_str(), size);
  if (!f) throw std::runtime_error("cannot open font " + path + ": " + TTF_GetError());
  TTF_SetFontHinting(f, TTF_HINTING_LIGHT);
  fonts()[key] = f;
  return f;
}

}  // namespace

Mask renderText(const std::string& utf8, int pixelSize, Weight weight) {
  SDL_Color white{255, 255, 255, 255};
  SDL_Surface* raw = TTF_RenderUTF8_Blended(font(pixelSize, weight), utf8.c_str(), white);
  if (!raw) throw std::runtime_error(std::string("TTF_RenderUTF8_Blended: ") + TTF_GetError());
  SDL_Surface* s = SDL_ConvertSurfaceFormat(raw, SDL_PIXELFORMAT_RGBA32, 0);
  SDL_FreeSurface(raw);
  if (!s) throw std::runtime_error(std::string("SDL_ConvertSurfaceFormat: ") + SDL_GetError());
  Mask m(s->w, s->h);
  SDL_LockSurface(s);
  for (int y = 0; y < s->h; ++y) {
    const Uint8* row = static_cast<const Uint8*>(s->pixels) + y * s->pitch;
    for (int x = 0; x < s->w; ++x) m.ref(x, y) = row[x * 4 + 3] / 255.0f;
  }
  SDL_UnlockSurface(s);
  SDL_FreeSurface(s);
  return m;
}

Mask Mask::padded(int pad) const {
  Mask out(width_ + 2 * pad, height_ + 2 * pad);
  for (int y = 0; y < height_; ++y)
    for (int x = 0; x < width_; ++x) out.ref(x + pad, y + pad) = at(x, y);
  return out;
}

Mask Mask::blurred(float radius) const {
  int r = std::max(1, static_cast<int>(std::lround(radius / 1.7f)));
  Mask cur = *this;
  for (int pass = 0; pass < 3; ++pass) {
    Mask h(width_, height_);
    for (int y = 0; y < height_; ++y)
      for (int x = 0; x < width_; ++x) {
        float s = 0;
        for (int k = -r; k <= r; ++k) s += cur.at(x + k, y);
        h.ref(x, y) = s / (2 * r + 1);
      }
    Mask v(width_, height_);
    for (int y = 0; y < height_; ++y)
      for (int x = 0; x < width_; ++x) {
        float s = 0;
        for (int k = -r; k <= r; ++k) s += h.at(x, y + k);
        v.ref(x, y) = s / (2 * r + 1);
      }
    cur = std::move(v);
  }
  return cur;
}

Mask Mask::dilated(float radius) const {
  int r = static_cast<int>(std::ceil(radius)) + 1;
  Mask out(width_, height_);
  for (int y = 0; y < height_; ++y)
    for (int x = 0; x < width_; ++x) {
      float best = 0;
      for (int j = -r; j <= r; ++j)
        for (int i = -r; i <= r; ++i) {
          float a = at(x + i, y + j);
          if (a <= 0) continue;
          float w = std::clamp(radius + 0.5f - std::hypot(float(i), float(j)), 0.0f, 1.0f);
          best = std::max(best, a * w);
        }
      out.ref(x, y) = best;
    }
  return out;
}

Rect Mask::inkBounds() const {
  Rect r{width_, height_, 0, 0};
  for (int y = 0; y < height_; ++y)
    for (int x = 0; x < width_; ++x)
      if (at(x, y) > 0.02f) {
        r.x0 = std::min(r.x0, x);
        r.y0 = std::min(r.y0, y);
        r.x1 = std::max(r.x1, x + 1);
        r.y1 = std::max(r.y1, y + 1);
      }
  if (r.x1 <= r.x0) r = {0, 0, 0, 0};
  return r;
}

void drawMask(Image& img, const Mask& mask, int x, int y, const Paint& paint, float opacity) {
  for (int j = 0; j < mask.height(); ++j)
    for (int i = 0; i < mask.width(); ++i) {
      float a = mask.at(i, j);
      if (a <= 0.0f) continue;
      int px = x + i, py = y + j;
      img.blend(px, py, paint(px + 0.5f, py + 0.5f), a * opacity);
    }
}

void shutdownText() {
  for (auto& [key, f] : fonts()) TTF_CloseFont(f);
  fonts().clear();
  if (TTF_WasInit()) TTF_Quit();
}

}  // namespace artgen
