#include "ui/Image.h"

#include "ui/Canvas.h"

namespace ui {

Image::Image(Control* parent) : Control(parent), AutoSize(false), Stretch(false), Center(false), Transparent(false) {
  Width.SetQuietly(105);
  Height.SetQuietly(105);
  Picture.OnChange = [this] {
    if (AutoSize && !Picture.Empty()) SetBounds(Left, Top, Picture.Width(), Picture.Height());
    // A skin loaded again shows the same pixels: nothing to draw.
    if (Picture.PixelsChanged()) Invalidate();
  };
  AutoSize.OnChange([this] {
    if (AutoSize && !Picture.Empty()) SetBounds(Left, Top, Picture.Width(), Picture.Height());
  });
  Stretch.OnChange([this] { Invalidate(); });
  Center.OnChange([this] { Invalidate(); });
  Transparent.OnChange([this] { Invalidate(); });
}

bool Image::Opaque() const {
  if (Transparent || Picture.Empty() || Width <= 0 || Height <= 0) return false;
  const int w = Picture.Width(), h = Picture.Height();
  if (Stretch && (w != Width || h != Height)) return true;
  const Point at = Center ? Point{(Width - w) / 2, (Height - h) / 2} : Point{0, 0};
  return at.x <= 0 && at.y <= 0 && at.x + w >= Width && at.y + h >= Height;
}

void Image::Paint(Canvas& canvas) {
  if (Picture.Empty()) return;
  const Bitmap& bitmap = Picture.Graphic();
  ui::Color key{};
  const ui::Color* keyPtr = nullptr;
  if (Transparent) {
    key = bitmap.ColorAt(0, bitmap.Height() - 1);
    keyPtr = &key;
  }
  if (Stretch && (bitmap.Width() != Width || bitmap.Height() != Height) && Width > 0 && Height > 0) {
    Bitmap scaled(Width, Height);
    for (int y = 0; y < Height; ++y) {
      const int sy = static_cast<int>(static_cast<long long>(y) * bitmap.Height() / Height);
      for (int x = 0; x < Width; ++x) {
        scaled.SetPixel(x, y, bitmap.Pixel(static_cast<int>(static_cast<long long>(x) * bitmap.Width() / Width), sy));
      }
    }
    canvas.DrawBitmap(scaled, Point{0, 0}, Rect{0, 0, scaled.Width(), scaled.Height()}, keyPtr);
    return;
  }
  Point at{0, 0};
  if (Center) at = Point{(Width - bitmap.Width()) / 2, (Height - bitmap.Height()) / 2};
  canvas.DrawBitmap(bitmap, at, Rect{0, 0, bitmap.Width(), bitmap.Height()}, keyPtr);
}

}  // namespace ui
