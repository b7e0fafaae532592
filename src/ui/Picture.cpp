#include "ui/Picture.h"

#include <algorithm>

#include "ui/ImageDecoders.h"

namespace ui {

void Picture::LoadFromFile(const std::string& path) {
  Bitmap decoded = LoadPictureFile(path);
  bitmap_ = std::make_shared<Bitmap>(std::move(decoded));
  fileName_ = path;
  ++loads_;
  if (OnChange) OnChange();
}

void Picture::Assign(Bitmap bitmap) {
  bitmap_ = std::make_shared<Bitmap>(std::move(bitmap));
  fileName_.clear();
  if (OnChange) OnChange();
}

void Picture::Clear() {
  bitmap_.reset();
  fileName_.clear();
  if (OnChange) OnChange();
}

void Picture::CopyRect(int dstX, int dstY, const Picture& source, const Rect& src) {
  if (source.Empty()) return;
  const Rect from = src.Intersect(Rect{0, 0, source.Width(), source.Height()});
  if (from.Empty()) return;
  const int needW = std::max(Width(), dstX + from.width);
  const int needH = std::max(Height(), dstY + from.height);
  auto target = std::make_shared<Bitmap>(needW, needH);
  if (bitmap_) {
    for (int y = 0; y < bitmap_->Height(); ++y) {
      for (int x = 0; x < bitmap_->Width(); ++x) target->SetPixel(x, y, bitmap_->Pixel(x, y));
    }
  }
  const Bitmap& in = source.Graphic();
  for (int y = 0; y < from.height; ++y) {
    for (int x = 0; x < from.width; ++x) {
      if (dstX + x >= 0 && dstY + y >= 0) target->SetPixel(dstX + x, dstY + y, in.Pixel(from.left + x, from.top + y));
    }
  }
  bitmap_ = std::move(target);
  fileName_.clear();
  if (OnChange) OnChange();
}

const Bitmap& Picture::Graphic() const {
  static const Bitmap empty;
  return bitmap_ ? *bitmap_ : empty;
}

}  // namespace ui
