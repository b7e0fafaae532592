#pragma once
// Decoders of the two picture formats the game ships: JPEG through
// libjpeg-turbo and BMP through SDL. Both throw EInvalidGraphic on bad data
// and never end the process.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "ui/Bitmap.h"

namespace ui {

Bitmap DecodeJpeg(const uint8_t* data, size_t size);
Bitmap DecodeBmp(const uint8_t* data, size_t size);

// Reads a ".jpg"/".jpeg" or ".bmp" file by its extension.
Bitmap LoadPictureFile(const std::string& path);
// A file's bytes as read.
struct FileBytes {
  std::unique_ptr<uint8_t[]> data;
  size_t size = 0;
  bool operator==(const FileBytes& other) const;
};
// The same, handing back the file's bytes.
Bitmap LoadPictureFile(const std::string& path, FileBytes& bytes);

}  // namespace ui
