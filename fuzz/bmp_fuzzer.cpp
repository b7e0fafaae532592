// The BMP decoder on arbitrary bytes: a picture or an EInvalidGraphic,
// never an exit, a crash or a sanitizer report.
#include <cstddef>
#include <cstdint>

#include "ui/ImageDecoders.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  try {
    const ui::Bitmap picture = ui::DecodeBmp(data, size);
    if (picture.Width() < 0 || picture.Height() < 0) __builtin_trap();
  } catch (const ui::EInvalidGraphic&) {
  }
  return 0;
}
