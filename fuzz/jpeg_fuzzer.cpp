// The JPEG decoder on arbitrary bytes: a picture or an EInvalidGraphic,
// never an exit, a crash or a sanitizer report.
#include <cstddef>
#include <cstdint>

#include "ui/ImageDecoders.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  try {
    const ui::Bitmap picture = ui::DecodeJpeg(data, size);
    if (picture.Empty()) __builtin_trap();  // a decoded picture has pixels
  } catch (const ui::EInvalidGraphic&) {
  }
  return 0;
}
