#pragma once
// Drawing onto a Bitmap: rectangles, lines, pictures and text, all through
// an origin and a clip rectangle so each control draws in its own
// coordinates. The same code draws for a real window and for the headless
// backend, so both show the same pixels.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/Bitmap.h"
#include "ui/Font.h"
#include "ui/FontCache.h"
#include "ui/Types.h"

namespace ui {

// One line of text as the font draws it: how much each pixel is covered,
// ready to be laid onto a canvas in any colour.
struct TextImage {
  int width = 0, height = 0;
  std::vector<uint8_t> coverage;  // row by row, 0 (none) to 255 (full)
};

class Canvas {
 public:
  Canvas(Bitmap& target, FontCache* fonts);
  // Draws only inside area (picture coordinates): the rest keeps its pixels.
  Canvas(Bitmap& target, FontCache* fonts, const Rect& area);

  Bitmap& Target() { return target_; }
  FontCache* Fonts() { return fonts_; }

  // Moves the origin to r (in current coordinates) and clips to it until the
  // scope ends.
  class Scope {
   public:
    Scope(Canvas& canvas, const Rect& r);
    ~Scope();
    Scope(const Scope&) = delete;
    Scope& operator=(const Scope&) = delete;

   private:
    Canvas& canvas_;
    Point origin_;
    Rect clip_;
    Rect extent_;
  };

  // The part that may be drawn on now, in current coordinates.
  Rect ClipRect() const { return Rect{clip_.left - origin_.x, clip_.top - origin_.y, clip_.width, clip_.height}; }
  // The area of the current scope in picture coordinates, cut by the scopes
  // around it but not by the area being drawn.
  Rect Extent() const { return extent_; }

  void FillRect(const Rect& r, Color color);
  void FrameRect(const Rect& r, Color color);
  void HLine(int x1, int x2, int y, Color color);
  void VLine(int x, int y1, int y2, Color color);
  void FillEllipse(const Rect& r, Color color);
  // The raised or sunken 3D edge of a standard button or field.
  void Bevel(const Rect& r, bool raised);

  // Draws the part src of the picture with its top-left corner at dst; with
  // a key colour, pixels of that colour are skipped.
  void DrawBitmap(const Bitmap& bitmap, Point dst);
  void DrawBitmap(const Bitmap& bitmap, Point dst, const Rect& src, const Color* key = nullptr);

  // Draws one line of UTF-8 text with its top-left corner at p.
  void DrawText(Point p, std::string_view text, const FontInfo& font);
  // The same in two steps: the line rendered once (the font's colour plays no
  // part), then laid onto the canvas as often as wanted.
  TextImage RenderText(std::string_view text, const FontInfo& font);
  void DrawText(Point p, const TextImage& text, Color color);
  TextSize TextExtent(std::string_view text, const FontInfo& font);
  int LineHeight(const FontInfo& font);

 private:
  void Blend(int x, int y, uint32_t argb, uint8_t alpha);
  Bitmap& target_;
  FontCache* fonts_;
  Point origin_{};
  Rect clip_{};
  Rect extent_{};
};

// Breaks text into lines no wider than width, at blanks where possible; hard
// line breaks (CR LF, LF) always break. Its time grows with the length of
// the text: a word wider than the line is broken by measuring a few starts of
// it, none much longer than the line being made.
std::vector<std::string> WrapText(FontCache* fonts, const FontInfo& font, std::string_view text, int width);
// The same with the width of a text told by measure.
using TextMeasure = std::function<int(std::string_view)>;
std::vector<std::string> WrapText(const TextMeasure& measure, std::string_view text, int width);

}  // namespace ui
