#include "ui/Picture.h"

#include <algorithm>
#include <cstring>
#include <unordered_map>

#include "ui/ImageDecoders.h"

namespace ui {
namespace {

// The last pixels loaded from each file, while some picture shows them, and
// the bytes they were decoded from.
struct LoadedFile {
  std::weak_ptr<Bitmap> pixels;
  std::weak_ptr<const FileBytes> bytes;
};

std::unordered_map<std::string, LoadedFile>& LoadedFiles() {
  static std::unordered_map<std::string, LoadedFile> files;
  return files;
}

bool SameBytes(const std::shared_ptr<const FileBytes>& a, const FileBytes& b) { return a != nullptr && *a == b; }

}  // namespace

void Picture::LoadFromFile(const std::string& path) {
  auto bytes = std::make_shared<FileBytes>();
  Bitmap decoded = LoadPictureFile(path, *bytes);
  // The same pixels again keep the picture they are already in, and pictures
  // loaded from one file with the same pixels share them: the many buttons
  // showing one skin hold one copy of it. The file is decoded every time;
  // the same bytes as the pixels were decoded from are the same pixels, and
  // far fewer to compare. A picture drawn on (CopyRect) draws on a copy of
  // its own then.
  if (SameBytes(source_, *bytes)) {
    pixelsChanged_ = false;
  } else {
    pixelsChanged_ = !bitmap_ || !bitmap_->SamePixels(decoded);
    if (pixelsChanged_) {
      LoadedFile& last = LoadedFiles()[path];
      std::shared_ptr<Bitmap> shared = last.pixels.lock();
      std::shared_ptr<const FileBytes> sharedBytes = last.bytes.lock();
      if (shared != nullptr && SameBytes(sharedBytes, *bytes)) {
        bytes = nullptr;
      } else if (shared == nullptr || !shared->SamePixels(decoded)) {
        shared = std::make_shared<Bitmap>(std::move(decoded));
        sharedBytes = nullptr;
      }
      if (sharedBytes == nullptr) {
        sharedBytes = std::move(bytes);
        last.bytes = sharedBytes;
      }
      last.pixels = shared;
      bitmap_ = std::move(shared);
      source_ = std::move(sharedBytes);
    } else {
      source_ = std::move(bytes);
    }
  }
  fileName_ = path;
  ++loads_;
  if (OnChange) OnChange();
}

void Picture::Assign(Bitmap bitmap) {
  bitmap_ = std::make_shared<Bitmap>(std::move(bitmap));
  source_.reset();
  fileName_.clear();
  pixelsChanged_ = true;
  if (OnChange) OnChange();
}

void Picture::Clear() {
  bitmap_.reset();
  source_.reset();
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
  // Pixels decoded from a file are never drawn on: the bytes they were
  // decoded from stand for them.
  const bool inPlace = bitmap_ != nullptr && bitmap_.use_count() == 1 && source_ == nullptr && &source != this &&
                       bitmap_->Width() == needW && bitmap_->Height() == needH;
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
  source_.reset();
  fileName_.clear();
  pixelsChanged_ = true;
  if (OnChange) OnChange();
}

const Bitmap& Picture::Graphic() const {
  static const Bitmap empty;
  return bitmap_ ? *bitmap_ : empty;
}

}  // namespace ui
