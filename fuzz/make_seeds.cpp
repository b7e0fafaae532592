// Makes the fuzzers' seed corpora from the generated program folder:
//   config/  the shipped configuration in plain text (the fuzzer scrambles
//            each input itself), plus the other forms values may take;
//   skill/   the shipped advanced-skill table in plain text, plus bad rows
//            and levels at and past the ends of their range;
//   jpeg/    the small JPEG pictures, and one skin re-encoded as progressive,
//            greyscale, arithmetic-coded and with restart markers;
//   bmp/     the small BMP pictures, one of them as 8- and 32-bit files, and
//            hand-made 1-bit, 4-bit, RLE8 and top-down files.
// Usage: zx_fuzz_seeds <program folder> <corpus folder>
#include <SDL.h>
#include <jpeglib.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "engine/Scramble.h"

namespace fs = std::filesystem;
using Bytes = std::vector<uint8_t>;

namespace {

// Pictures larger than this would only slow the fuzzers down.
constexpr uintmax_t kMaxSeedSize = 20000;

Bytes ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return Bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

void WriteFile(const fs::path& path, const Bytes& bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + path.string());
}

void WriteText(const fs::path& path, const std::string& text) { WriteFile(path, Bytes(text.begin(), text.end())); }

// The plain text of a scrambled data file.
std::string PlainConfig(const fs::path& scrambled) {
  const Bytes bytes = ReadFile(scrambled);
  if (bytes.empty()) throw std::runtime_error("cannot read " + scrambled.string());
  std::string plain, line;
  auto flush = [&] {
    plain += ScrambleLine(line, kScrambleKey) + "\n";
    line.clear();
  };
  for (uint8_t b : bytes) {
    if (b == '\n') {
      flush();
    } else if (b != '\r') {
      line.push_back(static_cast<char>(b));
    }
  }
  if (!line.empty()) flush();
  return plain;
}

// Copies the small files with the extension, each content once.
int CopySmall(const fs::path& from, const std::string& extension, const fs::path& to) {
  std::set<Bytes> seen;
  int copied = 0;
  for (const auto& entry : fs::recursive_directory_iterator(from)) {
    if (!entry.is_regular_file() || entry.path().extension() != extension) continue;
    if (entry.file_size() > kMaxSeedSize) continue;
    Bytes bytes = ReadFile(entry.path());
    if (!seen.insert(bytes).second) continue;
    WriteFile(to / entry.path().filename(), bytes);
    ++copied;
  }
  return copied;
}

struct Rgb {
  int width = 0, height = 0;
  Bytes pixels;  // 3 bytes a pixel
};

Rgb DecodeRgb(const Bytes& jpeg) {
  jpeg_decompress_struct info{};
  jpeg_error_mgr error{};
  info.err = jpeg_std_error(&error);
  jpeg_create_decompress(&info);
  jpeg_mem_src(&info, jpeg.data(), static_cast<unsigned long>(jpeg.size()));
  jpeg_read_header(&info, TRUE);
  info.out_color_space = JCS_RGB;
  jpeg_start_decompress(&info);
  Rgb out;
  out.width = static_cast<int>(info.output_width);
  out.height = static_cast<int>(info.output_height);
  out.pixels.resize(static_cast<size_t>(out.width) * out.height * 3);
  while (info.output_scanline < info.output_height) {
    JSAMPROW row = &out.pixels[static_cast<size_t>(info.output_scanline) * out.width * 3];
    jpeg_read_scanlines(&info, &row, 1);
  }
  jpeg_finish_decompress(&info);
  jpeg_destroy_decompress(&info);
  return out;
}

enum class Variant { Progressive, Grey, Arithmetic, Restart };

Bytes EncodeJpeg(const Rgb& image, Variant variant) {
  jpeg_compress_struct info{};
  jpeg_error_mgr error{};
  info.err = jpeg_std_error(&error);
  jpeg_create_compress(&info);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&info, &buffer, &size);
  info.image_width = static_cast<JDIMENSION>(image.width);
  info.image_height = static_cast<JDIMENSION>(image.height);
  info.input_components = 3;
  info.in_color_space = JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, 80, TRUE);
  if (variant == Variant::Progressive) jpeg_simple_progression(&info);
  if (variant == Variant::Grey) jpeg_set_colorspace(&info, JCS_GRAYSCALE);
  if (variant == Variant::Arithmetic) info.arith_code = TRUE;
  if (variant == Variant::Restart) info.restart_in_rows = 1;
  jpeg_start_compress(&info, TRUE);
  while (info.next_scanline < info.image_height) {
    JSAMPROW row = const_cast<uint8_t*>(&image.pixels[static_cast<size_t>(info.next_scanline) * image.width * 3]);
    jpeg_write_scanlines(&info, &row, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  Bytes out(buffer, buffer + size);
  std::free(buffer);
  return out;
}

void Put16(Bytes& b, uint16_t v) {
  b.push_back(static_cast<uint8_t>(v));
  b.push_back(static_cast<uint8_t>(v >> 8));
}
void Put32(Bytes& b, uint32_t v) {
  Put16(b, static_cast<uint16_t>(v));
  Put16(b, static_cast<uint16_t>(v >> 16));
}

// A BMP with a 40-byte information header.
Bytes MakeBmp(int width, int height, int bits, uint32_t compression, int colours, const Bytes& data) {
  Bytes b;
  const uint32_t offset = 14 + 40 + 4 * static_cast<uint32_t>(colours);
  b.push_back('B');
  b.push_back('M');
  Put32(b, offset + static_cast<uint32_t>(data.size()));
  Put32(b, 0);
  Put32(b, offset);
  Put32(b, 40);
  Put32(b, static_cast<uint32_t>(width));
  Put32(b, static_cast<uint32_t>(height));
  Put16(b, 1);
  Put16(b, static_cast<uint16_t>(bits));
  Put32(b, compression);
  Put32(b, static_cast<uint32_t>(data.size()));
  Put32(b, 2835);
  Put32(b, 2835);
  Put32(b, static_cast<uint32_t>(colours));
  Put32(b, 0);
  for (int i = 0; i < colours; ++i) {
    const auto level = static_cast<uint8_t>(colours > 1 ? i * 255 / (colours - 1) : 0);
    b.insert(b.end(), {level, static_cast<uint8_t>(255 - level), level, 0});
  }
  b.insert(b.end(), data.begin(), data.end());
  return b;
}

void SaveSurface(SDL_Surface* surface, const fs::path& path) {
  if (surface == nullptr || SDL_SaveBMP(surface, path.string().c_str()) != 0) {
    throw std::runtime_error("cannot write " + path.string() + ": " + SDL_GetError());
  }
}

void BmpVariants(const fs::path& source, const fs::path& to) {
  SDL_Surface* original = SDL_LoadBMP(source.string().c_str());
  if (original == nullptr) throw std::runtime_error("cannot read " + source.string() + ": " + SDL_GetError());
  SDL_Surface* argb = SDL_ConvertSurfaceFormat(original, SDL_PIXELFORMAT_ARGB8888, 0);
  SaveSurface(argb, to / "variant-32bit.bmp");
  SDL_Surface* indexed = SDL_CreateRGBSurfaceWithFormat(0, argb->w, argb->h, 8, SDL_PIXELFORMAT_INDEX8);
  SDL_Color grey[256];
  for (int i = 0; i < 256; ++i) grey[i] = SDL_Color{Uint8(i), Uint8(i), Uint8(i), 255};
  SDL_SetPaletteColors(indexed->format->palette, grey, 0, 256);
  for (int y = 0; y < argb->h; ++y) {
    const auto* in = reinterpret_cast<const uint32_t*>(static_cast<const uint8_t*>(argb->pixels) + y * argb->pitch);
    auto* out = static_cast<uint8_t*>(indexed->pixels) + y * indexed->pitch;
    for (int x = 0; x < argb->w; ++x) {
      out[x] = static_cast<uint8_t>((((in[x] >> 16) & 0xFF) + ((in[x] >> 8) & 0xFF) + (in[x] & 0xFF)) / 3);
    }
  }
  SaveSurface(indexed, to / "variant-8bit.bmp");
  SDL_FreeSurface(indexed);
  SDL_FreeSurface(argb);
  SDL_FreeSurface(original);

  // 8 × 2, 1 bit a pixel: rows padded to 4 bytes.
  WriteFile(to / "hand-1bit.bmp", MakeBmp(8, 2, 1, 0, 2, {0xA5, 0, 0, 0, 0x5A, 0, 0, 0}));
  // 4 × 2, 4 bits a pixel.
  WriteFile(to / "hand-4bit.bmp", MakeBmp(4, 2, 4, 0, 16, {0x12, 0x34, 0, 0, 0xFE, 0xDC, 0, 0}));
  // 4 × 3, RLE8: a run, an absolute run with padding, a delta, end of bitmap.
  WriteFile(to / "hand-rle8.bmp", MakeBmp(4, 3, 8, 1, 4, {4, 1, 0, 0, 0, 3, 1, 2, 3, 0, 1, 3, 0, 0, 0, 2, 1, 0, 0, 1}));
  // 4 × 2, RLE4.
  WriteFile(to / "hand-rle4.bmp", MakeBmp(4, 2, 4, 2, 16, {4, 0x12, 0, 0, 0, 4, 0x34, 0x56, 0, 1}));
  // 2 × 2, 24 bits, stored top row first (negative height).
  WriteFile(to / "hand-topdown.bmp",
            MakeBmp(2, -2, 24, 0, 0, {255, 0, 0, 0, 255, 0, 0, 0, 0, 0, 255, 255, 255, 255, 0, 0}));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: zx_fuzz_seeds <program folder> <corpus folder>\n");
    return 2;
  }
  try {
    const fs::path game = argv[1];
    const fs::path corpus = argv[2];
    for (const char* name : {"config", "skill", "jpeg", "bmp"}) fs::create_directories(corpus / name);

    WriteText(corpus / "config" / "shipped.ini", PlainConfig(game / "config.pc"));
    WriteText(corpus / "config" / "forms.ini",
              "; the other forms values take\n[game]\nmoney= $7FFFFFFF\nMONEY=-2147483648\nWork=True\n"
              "OnPlay=false\nCanCar=0x1F\nHealth= +100\nMark=Отлично\n\n[Other]\nFun=1\n");
    WriteText(corpus / "config" / "empty-section.ini", "[Game]\n");

    WriteText(corpus / "skill" / "shipped.ini", PlainConfig(game / "skill.pc"));
    WriteText(corpus / "skill" / "bad-rows.ini",
              "[skills]\nSkill1=Логика\nskill1lev=5\nSKILL1BAR=10\nSkill2Lev=6\nSkill2Bar=-1\n"
              "Skill3=Графика\nSkill3Lev=2147483647\nSkill3Bar=11\nSkill4Lev= +3\nSkill4Bar=$A\n"
              "Skill5Lev=-2147483648\nSkill5Lev=1\n\n[Other]\nSkill6Lev=1\n");
    WriteText(corpus / "skill" / "no-key.ini", "[Skills]\n; Skill1Lev=1\nSkill1\n");

    const int jpegs = CopySmall(game / "data", ".jpg", corpus / "jpeg");
    const Rgb skin = DecodeRgb(ReadFile(game / "data" / "buttons" / "menu_2.jpg"));
    WriteFile(corpus / "jpeg" / "variant-progressive.jpg", EncodeJpeg(skin, Variant::Progressive));
    WriteFile(corpus / "jpeg" / "variant-grey.jpg", EncodeJpeg(skin, Variant::Grey));
    WriteFile(corpus / "jpeg" / "variant-arithmetic.jpg", EncodeJpeg(skin, Variant::Arithmetic));
    WriteFile(corpus / "jpeg" / "variant-restart.jpg", EncodeJpeg(skin, Variant::Restart));

    const int bmps = CopySmall(game / "data", ".bmp", corpus / "bmp");
    BmpVariants(game / "data" / "buttons" / "qe_1.bmp", corpus / "bmp");
    std::printf("seeds: 3 configurations, 3 skill tables, %d + 4 JPEG, %d + 7 BMP\n", jpegs, bmps);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "zx_fuzz_seeds: %s\n", e.what());
    return 1;
  }
  return 0;
}
