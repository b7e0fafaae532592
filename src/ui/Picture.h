#pragma once
// The picture a control shows: loaded from a JPEG or BMP file, or drawn from
// parts of other pictures. Remembers which file it last loaded.
#include <functional>
#include <memory>
#include <string>

#include "ui/Bitmap.h"

namespace ui {

struct FileBytes;

class Picture {
 public:
  // Reads and decodes the file anew (nothing is cached). On failure throws
  // EInvalidGraphic and keeps the previous picture.
  void LoadFromFile(const std::string& path);
  void Assign(Bitmap bitmap);
  void Clear();
  // Copies the part src of another picture to dst, growing this picture as
  // needed (new pixels black).
  void CopyRect(int dstX, int dstY, const Picture& source, const Rect& src);

  const Bitmap& Graphic() const;
  int Width() const { return bitmap_ ? bitmap_->Width() : 0; }
  int Height() const { return bitmap_ ? bitmap_->Height() : 0; }
  bool Empty() const { return !bitmap_ || bitmap_->Empty(); }
  // The file the picture was last loaded from; empty for drawn pictures.
  const std::string& FileName() const { return fileName_; }
  // Counts every load, for tests of "loaded again".
  int LoadCount() const { return loads_; }
  // Whether the last change gave the picture other pixels than it had: a
  // file loaded again may bring exactly the same ones.
  bool PixelsChanged() const { return pixelsChanged_; }

  std::function<void()> OnChange;

 private:
  std::shared_ptr<Bitmap> bitmap_;
  // The file's bytes the pixels were decoded from; null once drawn on.
  std::shared_ptr<const FileBytes> source_;
  std::string fileName_;
  int loads_ = 0;
  bool pixelsChanged_ = true;
};

}  // namespace ui
