#include "ui/Canvas.h"

#include <SDL.h>
#include <SDL_ttf.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "platform/Cp1251.h"

namespace ui {

Canvas::Canvas(Bitmap& target, FontCache* fonts)
    : target_(target),
      fonts_(fonts),
      clip_{0, 0, target.Width(), target.Height()},
      extent_{0, 0, target.Width(), target.Height()} {}

Canvas::Canvas(Bitmap& target, FontCache* fonts, const Rect& area) : Canvas(target, fonts) {
  clip_ = clip_.Intersect(area);
}

Canvas::Scope::Scope(Canvas& canvas, const Rect& r)
    : canvas_(canvas), origin_(canvas.origin_), clip_(canvas.clip_), extent_(canvas.extent_) {
  const Rect absolute{canvas.origin_.x + r.left, canvas.origin_.y + r.top, r.width, r.height};
  canvas.origin_ = Point{absolute.left, absolute.top};
  canvas.clip_ = canvas.clip_.Intersect(absolute);
  canvas.extent_ = canvas.extent_.Intersect(absolute);
}

Canvas::Scope::~Scope() {
  canvas_.origin_ = origin_;
  canvas_.clip_ = clip_;
  canvas_.extent_ = extent_;
}

void Canvas::FillRect(const Rect& r, Color color) {
  const Rect area = clip_.Intersect(Rect{r.left + origin_.x, r.top + origin_.y, r.width, r.height});
  if (area.Empty()) return;
  const uint32_t argb = color.Argb() | 0xFF000000u;
  for (int y = area.top; y < area.bottom(); ++y) {
    uint32_t* row = target_.Pixels() + static_cast<size_t>(y) * target_.Width();
    std::fill(row + area.left, row + area.right(), argb);
  }
}

void Canvas::FrameRect(const Rect& r, Color color) {
  if (r.Empty()) return;
  HLine(r.left, r.right() - 1, r.top, color);
  HLine(r.left, r.right() - 1, r.bottom() - 1, color);
  VLine(r.left, r.top, r.bottom() - 1, color);
  VLine(r.right() - 1, r.top, r.bottom() - 1, color);
}

void Canvas::HLine(int x1, int x2, int y, Color color) {
  if (x2 < x1) std::swap(x1, x2);
  FillRect(Rect{x1, y, x2 - x1 + 1, 1}, color);
}

void Canvas::VLine(int x, int y1, int y2, Color color) {
  if (y2 < y1) std::swap(y1, y2);
  FillRect(Rect{x, y1, 1, y2 - y1 + 1}, color);
}

void Canvas::FillEllipse(const Rect& r, Color color) {
  if (r.Empty()) return;
  const double cx = r.left + r.width / 2.0, cy = r.top + r.height / 2.0;
  const double rx = r.width / 2.0, ry = r.height / 2.0;
  for (int y = r.top; y < r.bottom(); ++y) {
    const double dy = (y + 0.5 - cy) / ry;
    if (dy * dy > 1.0) continue;
    const double half = rx * std::sqrt(1.0 - dy * dy);
    const int x1 = static_cast<int>(std::lround(cx - half));
    const int x2 = static_cast<int>(std::lround(cx + half));
    if (x2 > x1) FillRect(Rect{x1, y, x2 - x1, 1}, color);
  }
}

void Canvas::Bevel(const Rect& r, bool raised) {
  const Color light = raised ? clBtnHighlight : clBtnShadow;
  const Color dark = raised ? Color{105, 105, 105} : clBtnHighlight;
  HLine(r.left, r.right() - 1, r.top, light);
  VLine(r.left, r.top, r.bottom() - 1, light);
  HLine(r.left, r.right() - 1, r.bottom() - 1, dark);
  VLine(r.right() - 1, r.top, r.bottom() - 1, dark);
}

void Canvas::DrawBitmap(const Bitmap& bitmap, Point dst) {
  DrawBitmap(bitmap, dst, Rect{0, 0, bitmap.Width(), bitmap.Height()});
}

void Canvas::DrawBitmap(const Bitmap& bitmap, Point dst, const Rect& src, const Color* key) {
  const Rect source = src.Intersect(Rect{0, 0, bitmap.Width(), bitmap.Height()});
  if (source.Empty()) return;
  const Rect want{dst.x + origin_.x + (source.left - src.left), dst.y + origin_.y + (source.top - src.top),
                  source.width, source.height};
  const Rect area = clip_.Intersect(want);
  if (area.Empty()) return;
  const uint32_t keyRgb = key != nullptr ? (key->Argb() & 0xFFFFFFu) : 0;
  for (int y = area.top; y < area.bottom(); ++y) {
    const int sy = source.top + (y - want.top);
    const uint32_t* in =
        bitmap.Pixels() + static_cast<size_t>(sy) * bitmap.Width() + source.left + (area.left - want.left);
    uint32_t* out = target_.Pixels() + static_cast<size_t>(y) * target_.Width() + area.left;
    if (key == nullptr) {
      std::copy(in, in + area.width, out);
    } else {
      for (int x = 0; x < area.width; ++x) {
        if ((in[x] & 0xFFFFFFu) != keyRgb) out[x] = in[x] | 0xFF000000u;
      }
    }
  }
}

void Canvas::Blend(int x, int y, uint32_t rgb, uint8_t alpha) {
  uint32_t& d = target_.Pixels()[static_cast<size_t>(y) * target_.Width() + x];
  if (alpha == 255) {
    d = 0xFF000000u | rgb;
    return;
  }
  const uint32_t inv = 255 - alpha;
  const uint32_t r = (((rgb >> 16) & 0xFF) * alpha + ((d >> 16) & 0xFF) * inv + 127) / 255;
  const uint32_t g = (((rgb >> 8) & 0xFF) * alpha + ((d >> 8) & 0xFF) * inv + 127) / 255;
  const uint32_t b = ((rgb & 0xFF) * alpha + (d & 0xFF) * inv + 127) / 255;
  d = 0xFF000000u | (r << 16) | (g << 8) | b;
}

void Canvas::DrawText(Point p, std::string_view text, const FontInfo& font) {
  if (text.empty() || fonts_ == nullptr) return;
  DrawText(p, RenderText(text, font), font.color);
}

TextImage Canvas::RenderText(std::string_view text, const FontInfo& font) {
  TextImage image;
  if (text.empty() || fonts_ == nullptr) return image;
  TTF_Font* ttf = fonts_->Get(font);
  if (ttf == nullptr) return image;
  const std::string line(text);
  const SDL_Color white{255, 255, 255, 255};
  SDL_Surface* rendered = TTF_RenderUTF8_Blended(ttf, line.c_str(), white);
  if (rendered == nullptr) return image;
  SDL_Surface* surface = rendered;
  if (rendered->format->format != SDL_PIXELFORMAT_ARGB8888) {
    surface = SDL_ConvertSurfaceFormat(rendered, SDL_PIXELFORMAT_ARGB8888, 0);
    SDL_FreeSurface(rendered);
    if (surface == nullptr) return image;
  }
  image.width = surface->w;
  image.height = surface->h;
  image.coverage.resize(static_cast<size_t>(image.width) * image.height);
  for (int y = 0; y < image.height; ++y) {
    const auto* row =
        reinterpret_cast<const uint32_t*>(static_cast<const uint8_t*>(surface->pixels) + y * surface->pitch);
    uint8_t* out = image.coverage.data() + static_cast<size_t>(y) * image.width;
    for (int x = 0; x < image.width; ++x) out[x] = static_cast<uint8_t>(row[x] >> 24);
  }
  SDL_FreeSurface(surface);
  return image;
}

void Canvas::DrawText(Point p, const TextImage& text, Color color) {
  const Rect want{p.x + origin_.x, p.y + origin_.y, text.width, text.height};
  const Rect area = clip_.Intersect(want);
  const uint32_t rgb = color.Argb() & 0xFFFFFFu;
  for (int y = area.top; y < area.bottom(); ++y) {
    const uint8_t* row = text.coverage.data() + static_cast<size_t>(y - want.top) * text.width;
    for (int x = area.left; x < area.right(); ++x) {
      const uint8_t alpha = row[x - want.left];
      if (alpha != 0) Blend(x, y, rgb, alpha);
    }
  }
}

TextSize Canvas::TextExtent(std::string_view text, const FontInfo& font) {
  return fonts_ != nullptr ? fonts_->Measure(font, text) : TextSize{};
}

int Canvas::LineHeight(const FontInfo& font) { return fonts_ != nullptr ? fonts_->LineHeight(font) : font.size + 3; }

namespace {

// The length in bytes of the longest start of text, in whole characters, no
// wider than width: the whole text when it all fits. A longer start is never
// narrower, so the lengths tried double until one is too wide, then the gap
// is halved; each start tried is measured once, and none is much longer than
// the line it makes, whatever the length of the text.
size_t FittingStart(const TextMeasure& measure, std::string_view text, int width) {
  std::vector<size_t> ends{0};  // ends[n]: the bytes of the first n characters
  size_t fits = 0, tooWide = 0;
  for (size_t count = 1;; count *= 2) {
    for (size_t pos = ends.back(); ends.size() <= count && pos < text.size();) {
      platform::DecodeUtf8(text, pos);
      ends.push_back(pos);
    }
    const size_t n = std::min(count, ends.size() - 1);
    if (measure(text.substr(0, ends[n])) > width) {
      tooWide = n;
      break;
    }
    fits = n;
    if (ends[n] == text.size()) return text.size();
  }
  while (tooWide - fits > 1) {
    const size_t middle = fits + (tooWide - fits) / 2;
    if (measure(text.substr(0, ends[middle])) > width) {
      tooWide = middle;
    } else {
      fits = middle;
    }
  }
  return ends[fits];
}

}  // namespace

std::vector<std::string> WrapText(FontCache* fonts, const FontInfo& font, std::string_view text, int width) {
  return WrapText([&](std::string_view s) { return fonts != nullptr ? fonts->Measure(font, s).width : 0; }, text,
                  width);
}

std::vector<std::string> WrapText(const TextMeasure& measure, std::string_view text, int width) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start <= text.size()) {
    size_t end = text.find_first_of("\r\n", start);
    if (end == std::string_view::npos) end = text.size();
    std::string_view paragraph = text.substr(start, end - start);
    if (measure(paragraph) <= width) {
      // The usual case: the whole paragraph fits on its line.
      lines.emplace_back(paragraph);
      if (end >= text.size()) break;
      start = end + ((text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') ? 2 : 1);
      if (start >= text.size()) break;
      continue;
    }
    // Greedy word wrap of one paragraph.
    std::string current;
    size_t pos = 0;
    bool any = false;
    while (pos < paragraph.size()) {
      size_t next = paragraph.find(' ', pos);
      if (next == std::string_view::npos) next = paragraph.size();
      std::string_view word = paragraph.substr(pos, next - pos);
      std::string candidate = current.empty() && !any ? std::string(word) : current + " " + std::string(word);
      if (!current.empty() && measure(candidate) > width) {
        lines.push_back(current);
        current = std::string(word);
      } else {
        current = candidate;
      }
      any = true;
      // A single word wider than the line is broken between characters: each
      // line takes as much of it as fits, at least one character.
      if (measure(current) > width) {
        std::string_view rest = current;
        while (true) {
          size_t first = 0;
          platform::DecodeUtf8(rest, first);
          if (first >= rest.size()) break;
          const size_t fits = FittingStart(measure, rest, width);
          if (fits == rest.size()) break;
          const size_t cut = std::max(fits, first);
          lines.emplace_back(rest.substr(0, cut));
          rest.remove_prefix(cut);
        }
        current = std::string(rest);
      }
      pos = next + 1;
    }
    lines.push_back(current);
    if (end >= text.size()) break;
    start = end + ((text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') ? 2 : 1);
    if (start >= text.size()) break;
  }
  return lines;
}

}  // namespace ui
