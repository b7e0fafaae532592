// Picture headers that claim more than any picture of the game: the decoders
// refuse them before allocating, as with any other corrupt picture, and
// still read the small pictures stored in the less common layouts.
#include <SDL.h>
#include <gtest/gtest.h>
#include <jpeglib.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "ui/ImageDecoders.h"

namespace {

using Bytes = std::vector<uint8_t>;

// Records the largest block SDL asks for while it lives; the blocks still
// come from SDL's own allocator.
class LargestSdlAllocation {
 public:
  LargestSdlAllocation() {
    SDL_GetMemoryFunctions(&malloc_, &calloc_, &realloc_, &free_);
    largest_ = 0;
    SDL_SetMemoryFunctions([](size_t n) { return Note(n), malloc_(n); },
                           [](size_t n, size_t m) { return Note(n * m), calloc_(n, m); },
                           [](void* p, size_t n) { return Note(n), realloc_(p, n); }, [](void* p) { free_(p); });
  }
  ~LargestSdlAllocation() { SDL_SetMemoryFunctions(malloc_, calloc_, realloc_, free_); }
  size_t bytes() const { return largest_; }

 private:
  static void Note(size_t n) { largest_ = std::max(largest_, n); }
  static inline SDL_malloc_func malloc_;
  static inline SDL_calloc_func calloc_;
  static inline SDL_realloc_func realloc_;
  static inline SDL_free_func free_;
  static inline size_t largest_ = 0;
};

// Decodes, expecting the picture to be refused without SDL asking for more
// than a few megabytes on its behalf.
void ExpectRefusedCheaply(const Bytes& bmp, const char* what) {
  LargestSdlAllocation largest;
  EXPECT_THROW(ui::DecodeBmp(bmp.data(), bmp.size()), ui::EInvalidGraphic) << what;
  EXPECT_LT(largest.bytes(), size_t{8} << 20) << what;
}

void Put16(Bytes& b, uint32_t v) {
  b.push_back(static_cast<uint8_t>(v));
  b.push_back(static_cast<uint8_t>(v >> 8));
}
void Put32(Bytes& b, uint32_t v) {
  Put16(b, v & 0xFFFF);
  Put16(b, v >> 16);
}

// A BMP file with a 40-byte header and the given pixel rows (24 bits a pixel).
Bytes Bmp24(int32_t width, int32_t height, const Bytes& pixels) {
  Bytes b{'B', 'M'};
  Put32(b, 54 + static_cast<uint32_t>(pixels.size()));
  Put32(b, 0);
  Put32(b, 54);
  Put32(b, 40);
  Put32(b, static_cast<uint32_t>(width));
  Put32(b, static_cast<uint32_t>(height));
  Put16(b, 1);
  Put16(b, 24);
  for (int i = 0; i < 6; ++i) Put32(b, 0);
  b.insert(b.end(), pixels.begin(), pixels.end());
  return b;
}

// An 8 × 8 JPEG, baseline or progressive, whose frame header is then made to
// claim width × height.
Bytes JpegClaiming(bool progressive, uint16_t width, uint16_t height) {
  jpeg_compress_struct info{};
  jpeg_error_mgr error{};
  info.err = jpeg_std_error(&error);
  jpeg_create_compress(&info);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&info, &buffer, &size);
  info.image_width = 8;
  info.image_height = 8;
  info.input_components = 3;
  info.in_color_space = JCS_RGB;
  jpeg_set_defaults(&info);
  if (progressive) jpeg_simple_progression(&info);
  jpeg_start_compress(&info, TRUE);
  uint8_t row[8 * 3] = {};
  while (info.next_scanline < 8) {
    JSAMPROW rows[1] = {row};
    jpeg_write_scanlines(&info, rows, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  Bytes out(buffer, buffer + size);
  std::free(buffer);
  for (size_t i = 0; i + 9 < out.size(); ++i) {
    if (out[i] == 0xFF && (out[i + 1] == 0xC0 || out[i + 1] == 0xC2)) {
      out[i + 5] = static_cast<uint8_t>(height >> 8);
      out[i + 6] = static_cast<uint8_t>(height);
      out[i + 7] = static_cast<uint8_t>(width >> 8);
      out[i + 8] = static_cast<uint8_t>(width);
      return out;
    }
  }
  ADD_FAILURE() << "no frame header in the encoded picture";
  return out;
}

TEST(PictureLimits, BmpHeadersClaimingHugeSizesAreRefusedBeforeAnyAllocation) {
  // Found by fuzzing: 70 bytes whose header claims 524288 × 33554432 pixels.
  const Bytes found = {0x42, 0x4d, 0x46, 0x0, 0x0,  0x0, 0x0,  0x8, 0x0,  0x0, 0x0, 0x0, 0x3e, 0x0,
                       0x0,  0x0,  0x28, 0x0, 0x0,  0x0, 0x8,  0x0, 0x0,  0x0, 0x2, 0x0, 0x0,  0x0,
                       0x1,  0x0,  0x1,  0x0, 0x0,  0x0, 0x0,  0x0, 0x8,  0x0, 0x0, 0x0, 0x13, 0xb,
                       0x0,  0x0,  0x13, 0xb, 0x0,  0x0, 0x2,  0x0, 0x0,  0x0, 0x0, 0x0, 0x0,  0x0,
                       0x0,  0xff, 0x0,  0x0, 0xff, 0x0, 0xff, 0x0, 0xa5, 0x0, 0x0, 0x0, 0x5a, 0x0};
  ExpectRefusedCheaply(found, "524288 x 33554432");
  // Within the side limit but 256 M pixels in all; top-down and bottom-up.
  ExpectRefusedCheaply(Bmp24(16384, 16384, Bytes(64, 0)), "16384 x 16384");
  ExpectRefusedCheaply(Bmp24(16384, -16384, Bytes(64, 0)), "16384 x -16384");
  // The old 12-byte header with 16-bit sizes.
  Bytes core{'B', 'M'};
  Put32(core, 26 + 8);
  Put32(core, 0);
  Put32(core, 26);
  Put32(core, 12);
  Put16(core, 65535);
  Put16(core, 65535);
  Put16(core, 1);
  Put16(core, 24);
  core.resize(core.size() + 8, 0);
  ExpectRefusedCheaply(core, "65535 x 65535, old header");
  // Found by fuzzing: 25 bytes, the old header claiming 16168 × 65316 pixels
  // in a file that ends inside the header.
  const Bytes cut = {0x42, 0x4d, 0xff, 0xff, 0xff, 0xff, 0xff, 0xff, 0xff, 0xff, 0xff, 0x0, 0x0,
                     0x0,  0xc,  0x0,  0x0,  0x0,  0x28, 0x3f, 0x24, 0xff, 0x1,  0x0,  0x18};
  ExpectRefusedCheaply(cut, "16168 x 65316 in 25 bytes");
  // A 40-byte header whose height lacks its two high bytes.
  Bytes shortHeight = Bmp24(8000, 0x0000FFFF, {});
  shortHeight.resize(24);
  ExpectRefusedCheaply(shortHeight, "8000 x 65535 in 24 bytes");
}

TEST(PictureLimits, SmallBmpsInEitherRowOrderStillDecode) {
  // 2 × 2: bottom row blue, red; top row green, white (rows padded to 4 bytes).
  const Bytes bottomUp = {255, 0, 0, 0, 0, 255, 0, 0, 0, 255, 0, 255, 255, 255, 0, 0};
  const Bytes upright = Bmp24(2, 2, bottomUp);
  const ui::Bitmap a = ui::DecodeBmp(upright.data(), upright.size());
  ASSERT_EQ(a.Width(), 2);
  ASSERT_EQ(a.Height(), 2);
  EXPECT_EQ(a.Pixel(0, 1), 0xFF0000FFu);
  EXPECT_EQ(a.Pixel(1, 0), 0xFFFFFFFFu);
  const Bytes topDown = Bmp24(2, -2, bottomUp);
  const ui::Bitmap b = ui::DecodeBmp(topDown.data(), topDown.size());
  ASSERT_EQ(b.Height(), 2);
  EXPECT_EQ(b.Pixel(0, 0), 0xFF0000FFu);
  EXPECT_EQ(b.Pixel(1, 1), 0xFFFFFFFFu);
}

TEST(PictureLimits, JpegFramesClaimingHugeSizesAreRefusedQuickly) {
  for (bool progressive : {false, true}) {
    const auto start = std::chrono::steady_clock::now();
    const Bytes huge = JpegClaiming(progressive, 16000, 16000);
    try {
      ui::DecodeJpeg(huge.data(), huge.size());
      ADD_FAILURE() << "a 16000 x 16000 frame of 8 x 8 pixels decoded (progressive " << progressive << ")";
    } catch (const ui::EInvalidGraphic& e) {
      EXPECT_STREQ(e.what(), "JPEG error: unsupported picture size");
    }
    // Refused from the header: no whole-picture buffers, no rows of padding.
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1)) << progressive;
  }
  // A long thin picture of the same kind is within the limits.
  const Bytes strip = JpegClaiming(false, 4000, 8);
  const ui::Bitmap decoded = ui::DecodeJpeg(strip.data(), strip.size());
  EXPECT_EQ(decoded.Width(), 4000);
  EXPECT_EQ(decoded.Height(), 8);
}

}  // namespace
