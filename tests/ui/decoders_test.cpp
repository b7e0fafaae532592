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

#include "platform/TempFolder.h"
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

// A picture of any size and colour kind whose pixels are given by `colour`
// (0xRRGGBB; grey pictures take the green byte).
template <class Colour>
Bytes Encode(int width, int height, bool grey, Colour colour) {
  jpeg_compress_struct info{};
  jpeg_error_mgr error{};
  info.err = jpeg_std_error(&error);
  jpeg_create_compress(&info);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&info, &buffer, &size);
  info.image_width = static_cast<JDIMENSION>(width);
  info.image_height = static_cast<JDIMENSION>(height);
  info.input_components = grey ? 1 : 3;
  info.in_color_space = grey ? JCS_GRAYSCALE : JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, 90, TRUE);
  jpeg_start_compress(&info, TRUE);
  Bytes row(static_cast<size_t>(width) * 3);
  while (info.next_scanline < info.image_height) {
    const int y = static_cast<int>(info.next_scanline);
    for (int x = 0; x < width; ++x) {
      const uint32_t c = colour(x, y);
      if (grey) {
        row[x] = static_cast<uint8_t>(c >> 8);
      } else {
        row[x * 3] = static_cast<uint8_t>(c >> 16);
        row[x * 3 + 1] = static_cast<uint8_t>(c >> 8);
        row[x * 3 + 2] = static_cast<uint8_t>(c);
      }
    }
    JSAMPROW rows[1] = {row.data()};
    jpeg_write_scanlines(&info, rows, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  Bytes out(buffer, buffer + size);
  std::free(buffer);
  return out;
}

// libjpeg's own decode of the file into R, G, B bytes.
Bytes DecodeToRgb(const Bytes& jpeg, int& width, int& height) {
  jpeg_decompress_struct info{};
  jpeg_error_mgr error{};
  info.err = jpeg_std_error(&error);
  jpeg_create_decompress(&info);
  jpeg_mem_src(&info, jpeg.data(), static_cast<unsigned long>(jpeg.size()));
  jpeg_read_header(&info, TRUE);
  info.out_color_space = JCS_RGB;
  jpeg_start_decompress(&info);
  width = static_cast<int>(info.output_width);
  height = static_cast<int>(info.output_height);
  Bytes rgb(static_cast<size_t>(width) * height * 3);
  while (info.output_scanline < info.output_height) {
    JSAMPROW rows[1] = {rgb.data() + static_cast<size_t>(info.output_scanline) * width * 3};
    jpeg_read_scanlines(&info, rows, 1);
  }
  jpeg_finish_decompress(&info);
  jpeg_destroy_decompress(&info);
  return rgb;
}

// Every pixel is opaque and holds exactly the colour libjpeg gives for it,
// red in bits 16-23, green in 8-15, blue in 0-7.
void ExpectSamePixels(const ui::Bitmap& picture, const Bytes& jpeg, const char* what) {
  int width = 0, height = 0;
  const Bytes rgb = DecodeToRgb(jpeg, width, height);
  ASSERT_EQ(picture.Width(), width) << what;
  ASSERT_EQ(picture.Height(), height) << what;
  int wrong = 0;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const uint8_t* p = &rgb[(static_cast<size_t>(y) * width + x) * 3];
      const uint32_t want = 0xFF000000u | (uint32_t(p[0]) << 16) | (uint32_t(p[1]) << 8) | p[2];
      if (picture.Pixel(x, y) != want && ++wrong <= 3) {
        ADD_FAILURE() << what << ": pixel " << x << "," << y << " is " << std::hex << picture.Pixel(x, y)
                      << ", libjpeg gives " << want;
      }
    }
  }
}

TEST(JpegPixels, EveryPixelIsLibjpegsColourInThePicturesOwnFormat) {
  // Sizes that are not whole blocks, noisy and smooth, colour and grey.
  auto noise = [](int x, int y) { return (uint32_t(x * 97 + y * 31) * 2654435761u) >> 8; };
  auto gradient = [](int x, int y) { return uint32_t(x * 255 / 220) << 16 | uint32_t(y * 6) << 8 | 0x40; };
  const Bytes smooth = Encode(220, 37, false, gradient);
  ExpectSamePixels(ui::DecodeJpeg(smooth.data(), smooth.size()), smooth, "a button-sized gradient");
  const Bytes noisy = Encode(37, 19, false, noise);
  ExpectSamePixels(ui::DecodeJpeg(noisy.data(), noisy.size()), noisy, "a small noisy picture");
  const Bytes grey = Encode(33, 17, true, noise);
  ExpectSamePixels(ui::DecodeJpeg(grey.data(), grey.size()), grey, "a grey picture");

  // Pure colours land in their own bytes.
  const Bytes red = Encode(16, 16, false, [](int, int) { return 0xFF0000u; });
  const uint32_t r = ui::DecodeJpeg(red.data(), red.size()).Pixel(8, 8);
  EXPECT_EQ(r >> 24, 0xFFu) << std::hex << r;
  EXPECT_GE((r >> 16) & 0xFF, 0xF0u) << std::hex << r;
  EXPECT_LT((r >> 8) & 0xFF, 8u) << std::hex << r;
  EXPECT_LT(r & 0xFF, 8u) << std::hex << r;

  // The same from a file.
  testing_support::TempFolder folder;
  const std::string path = folder.Write("skin_1.jpg", std::string(noisy.begin(), noisy.end()));
  ExpectSamePixels(ui::LoadPictureFile(path), noisy, "read from a file");
  EXPECT_THROW(ui::LoadPictureFile(folder.File("missing.jpg")), ui::EInvalidGraphic);
  EXPECT_THROW(ui::LoadPictureFile(folder.path()), ui::EInvalidGraphic);  // a folder
  const std::string empty = folder.Write("empty.jpg", "");
  EXPECT_THROW(ui::LoadPictureFile(empty), ui::EInvalidGraphic);
}

// A BMP with a 40-byte header of the given bit depth, palette (B, G, R, 0
// quadruples) and pixel rows, stored bottom row first.
Bytes BmpOf(int32_t width, int32_t height, uint16_t bits, const Bytes& palette, const Bytes& pixels) {
  const uint32_t offset = 54 + static_cast<uint32_t>(palette.size());
  Bytes b{'B', 'M'};
  Put32(b, offset + static_cast<uint32_t>(pixels.size()));
  Put32(b, 0);
  Put32(b, offset);
  Put32(b, 40);
  Put32(b, static_cast<uint32_t>(width));
  Put32(b, static_cast<uint32_t>(height));
  Put16(b, 1);
  Put16(b, bits);
  Put32(b, 0);
  Put32(b, static_cast<uint32_t>(pixels.size()));
  Put32(b, 2835);
  Put32(b, 2835);
  Put32(b, static_cast<uint32_t>(palette.size() / 4));
  Put32(b, 0);
  b.insert(b.end(), palette.begin(), palette.end());
  b.insert(b.end(), pixels.begin(), pixels.end());
  return b;
}

TEST(BmpPixels, PalettedAndThirtyTwoBitPicturesDecodeOpaqueInTheirColours) {
  // 3 x 2, a palette of red and blue; rows padded to four bytes.
  const Bytes paletted = BmpOf(3, 2, 8, {0, 0, 255, 0, 255, 0, 0, 0}, {1, 0, 1, 0, 0, 0, 1, 0});
  const ui::Bitmap a = ui::DecodeBmp(paletted.data(), paletted.size());
  ASSERT_EQ(a.Width(), 3);
  ASSERT_EQ(a.Height(), 2);
  // The top row is stored last: red, red, blue over blue, red, blue.
  EXPECT_EQ(a.Pixel(0, 0), 0xFFFF0000u);
  EXPECT_EQ(a.Pixel(1, 0), 0xFFFF0000u);
  EXPECT_EQ(a.Pixel(2, 0), 0xFF0000FFu);
  EXPECT_EQ(a.Pixel(0, 1), 0xFF0000FFu);
  EXPECT_EQ(a.Pixel(1, 1), 0xFFFF0000u);
  EXPECT_EQ(a.Pixel(2, 1), 0xFF0000FFu);

  // 2 x 1 at 32 bits, its fourth bytes zero: still opaque.
  const Bytes deep = BmpOf(2, 1, 32, {}, {0x10, 0x20, 0x30, 0, 0xFF, 0xFF, 0xFF, 0});
  const ui::Bitmap b = ui::DecodeBmp(deep.data(), deep.size());
  ASSERT_EQ(b.Width(), 2);
  EXPECT_EQ(b.Pixel(0, 0), 0xFF302010u);
  EXPECT_EQ(b.Pixel(1, 0), 0xFFFFFFFFu);
}

}  // namespace
