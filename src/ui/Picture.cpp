#include "ui/Picture.h"

#include <algorithm>
#include <cstring>
#include <unordered_map>

#include "ui/ImageDecoders.h"

namespace ui {
namespace {

// The last pixels loaded from each file, while some picture shows them.
std::unordered_map<std::string, std::weak_ptr<Bitmap>>& LoadedFiles() {
  static std::unordered_map<std::string, std::weak_ptr<Bitmap>> files;
  return files;
}

}  // namespace

void Picture::LoadFromFile(const std::string& path) {
  Bitmap decoded = LoadPictureFile(path);
  // The same pixels again keep the picture they are already in, and pictures
  // loaded from one file with the same pixels share them: the many buttons
  // showing one skin hold one copy of it. A picture drawn on (CopyRect)
  // draws on a copy of its own then.
  pixelsChanged_ = !bitmap_ || !bitmap_->SamePixels(decoded);
  if (pixelsChanged_) {
    std::weak_ptr<Bitmap>& last = LoadedFiles()[path];
    std::shared_ptr<Bitmap> shared = last.lock();
    if (shared == nullptr || !shared->SamePixels(decoded)) {
      shared = std::make_shared<Bitmap>(std::move(decoded));
      last = shared;
    }
    bitmap_ = std::move(shared);
  }
  fileName_ = path;
  ++loads_;
  if (OnChange) OnChange();
}

void Picture::Assign(Bitmap bitmap) {
  bitmap_ = std::make_shared<Bitmap>(std::move(bitmap));
  fileName_.clear();
  pixelsChanged_ = true;
  if (OnChange) OnChange();
}

void Picture::Clear() {
  bitmap_.reset();
  fileName_.clear();
  pixelsChanged_ = true;
  if (OnChange) OnChange();
}

void Picture::CopyRect(int dstX, int dstY, const Picture& source, const Rect& src) {
  if (source.Empty()) return;
  const Rect from = src.Intersect(Rect{0, 0, source.Width(), source.Height()});
  if (from.Empty()) return;
  const int needW = std::max(Width(), dstX + from.width);
  const int needH = std::max(Height(), dstY + from.height);
  // Drawn in place when the size stays and nothing else holds these pixels;
  // otherwise into a new picture, black where nothing was before.
  const bool inPlace = bitmap_ != nullptr && bitmap_.use_count() == 1 && &source != this && bitmap_->Width() == needW &&
                       bitmap_->Height() == needH;
  std::shared_ptr<Bitmap> fresh = inPlace ? nullptr : std::make_shared<Bitmap>(needW, needH);
  Bitmap* target = inPlace ? bitmap_.get() : fresh.get();
  if (!inPlace && bitmap_ != nullptr && !target->Empty()) {
    const int w = std::min(bitmap_->Width(), target->Width());
    for (int y = 0; y < std::min(bitmap_->Height(), target->Height()); ++y) {
      std::memcpy(target->Pixels() + static_cast<size_t>(y) * target->Width(),
                  bitmap_->Pixels() + static_cast<size_t>(y) * bitmap_->Width(), static_cast<size_t>(w) * 4);
    }
  }
  // Only what falls at or right of and below the picture's corner is drawn.
  const Bitmap& in = source.Graphic();
  const int skipX = std::max(0, -dstX), skipY = std::max(0, -dstY);
  if (skipX < from.width) {
    const size_t rowBytes = static_cast<size_t>(from.width - skipX) * 4;
    for (int y = skipY; y < from.height; ++y) {
      std::memcpy(target->Pixels() + static_cast<size_t>(dstY + y) * target->Width() + dstX + skipX,
                  in.Pixels() + static_cast<size_t>(from.top + y) * in.Width() + from.left + skipX, rowBytes);
    }
  }
  if (!inPlace) bitmap_ = std::move(fresh);
  fileName_.clear();
  pixelsChanged_ = true;
  if (OnChange) OnChange();
}

const Bitmap& Picture::Graphic() const {
  static const Bitmap empty;
  return bitmap_ ? *bitmap_ : empty;
}

}  // namespace ui
