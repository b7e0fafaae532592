#include "ui/ImageDecoders.h"

#include <SDL.h>
#include <fcntl.h>
#include <jpeglib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <bit>
#include <cerrno>
#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

#include "platform/Conversions.h"

namespace ui {
namespace {

// libjpeg's own error handler ends the process; ours jumps back instead.
struct JpegError {
  jpeg_error_mgr manager;
  std::jmp_buf jump;
  char message[JMSG_LENGTH_MAX];
};

void JpegErrorExit(j_common_ptr info) {
  auto* error = reinterpret_cast<JpegError*>(info->err);
  (*info->err->format_message)(info, error->message);
  std::longjmp(error->jump, 1);
}

void JpegSilence(j_common_ptr, int) {}

// The largest picture either decoder accepts. A corrupt header may claim any
// size; without a limit a file of a few bytes would ask for gigabytes before
// its missing pixels are noticed.
constexpr int64_t kMaxSide = 16384;
constexpr int64_t kMaxPixels = int64_t{4096} * 4096;

bool SizeAllowed(int64_t width, int64_t height) {
  return width <= kMaxSide && height <= kMaxSide && width * height <= kMaxPixels;
}

// Everything the jump may skip lives outside the function that calls setjmp.
struct JpegJob {
  jpeg_decompress_struct info{};
  JpegError error{};
  std::vector<JSAMPROW> rows;  // the picture's rows, top first
  Bitmap result;
};

bool RunJpeg(JpegJob& job, const uint8_t* data, size_t size) {
  job.info.err = jpeg_std_error(&job.error.manager);
  job.error.manager.error_exit = JpegErrorExit;
  job.error.manager.emit_message = JpegSilence;
  if (setjmp(job.error.jump)) {
    jpeg_destroy_decompress(&job.info);
    return false;
  }
  jpeg_create_decompress(&job.info);
  jpeg_mem_src(&job.info, data, static_cast<unsigned long>(size));
  jpeg_read_header(&job.info, TRUE);
  if (!SizeAllowed(job.info.image_width, job.info.image_height)) {
    // Checked before the decoder allocates its buffers for the whole picture.
    std::snprintf(job.error.message, sizeof job.error.message, "unsupported picture size");
    jpeg_destroy_decompress(&job.info);
    return false;
  }
  // Straight into the picture's own pixels: 32-bit words 0xAARRGGBB, whose
  // bytes lie in memory as B, G, R, A on a little-endian machine.
  job.info.out_color_space = std::endian::native == std::endian::little ? JCS_EXT_BGRA : JCS_EXT_ARGB;
  jpeg_start_decompress(&job.info);
  const int width = static_cast<int>(job.info.output_width);
  const int height = static_cast<int>(job.info.output_height);
  if (width <= 0 || height <= 0 || width > 16384 || height > 16384 || job.info.output_components != 4) {
    std::snprintf(job.error.message, sizeof job.error.message, "unsupported picture size");
    jpeg_destroy_decompress(&job.info);
    return false;
  }
  job.result = Bitmap(width, height, Bitmap::Unfilled{});
  job.rows.resize(static_cast<size_t>(height));
  for (int y = 0; y < height; ++y) {
    job.rows[static_cast<size_t>(y)] = reinterpret_cast<JSAMPROW>(job.result.Pixels() + static_cast<size_t>(y) * width);
  }
  while (job.info.output_scanline < job.info.output_height) {
    const JDIMENSION y = job.info.output_scanline;
    if (jpeg_read_scanlines(&job.info, job.rows.data() + y, job.info.output_height - y) == 0) {
      std::snprintf(job.error.message, sizeof job.error.message, "no picture data");
      jpeg_destroy_decompress(&job.info);
      return false;
    }
  }
  jpeg_finish_decompress(&job.info);
  jpeg_destroy_decompress(&job.info);
  return true;
}

uint32_t ReadLE(const uint8_t* p, int bytes) {
  uint32_t value = 0;
  for (int i = bytes - 1; i >= 0; --i) value = (value << 8) | p[i];
  return value;
}

// The size a BMP header claims, checked before SDL allocates for it: the
// old 12-byte header holds 16-bit sizes, the later ones signed 32-bit sizes
// (a negative height is a picture stored top row first). A file cut short
// inside the header reads as SDL reads it: the missing bytes are zeros.
bool BmpSizeAllowed(const uint8_t* data, size_t size) {
  uint8_t header[26] = {};
  std::memcpy(header, data, std::min(size, sizeof header));
  int64_t width = 0, height = 0;
  if (ReadLE(header + 14, 4) == 12) {
    width = ReadLE(header + 18, 2);
    height = ReadLE(header + 20, 2);
  } else {
    width = static_cast<int32_t>(ReadLE(header + 18, 4));
    height = static_cast<int32_t>(ReadLE(header + 22, 4));
  }
  return SizeAllowed(width < 0 ? -width : width, height < 0 ? -height : height);
}

bool HasExtension(const std::string& path, const char* ext) {
  const std::string e(ext);
  if (path.size() < e.size()) return false;
  return platform::SameText(std::string_view(path).substr(path.size() - e.size()), e);
}

}  // namespace

Bitmap DecodeJpeg(const uint8_t* data, size_t size) {
  if (data == nullptr || size == 0) throw EInvalidGraphic("JPEG error: empty file");
  auto job = std::make_unique<JpegJob>();
  if (!RunJpeg(*job, data, size)) throw EInvalidGraphic(std::string("JPEG error: ") + job->error.message);
  return std::move(job->result);
}

Bitmap DecodeBmp(const uint8_t* data, size_t size) {
  if (data == nullptr || size == 0 || !BmpSizeAllowed(data, size)) throw EInvalidGraphic("Bitmap image is not valid");
  SDL_RWops* rw = SDL_RWFromConstMem(data, static_cast<int>(size));
  if (rw == nullptr) throw EInvalidGraphic("Bitmap image is not valid");
  SDL_Surface* loaded = SDL_LoadBMP_RW(rw, 1);
  if (loaded == nullptr) throw EInvalidGraphic("Bitmap image is not valid");
  Bitmap result(loaded->w, loaded->h, Bitmap::Unfilled{});
  if (result.Empty()) {
    SDL_FreeSurface(loaded);
    return result;
  }
  // Straight into the picture's pixels: the usual 24- and 32-bit pictures
  // by their channel masks, others by SDL; a picture with a palette goes
  // through a converted copy.
  const SDL_PixelFormat& f = *loaded->format;
  const int bytes = f.BytesPerPixel;
  bool converted = false;
  if (!SDL_ISPIXELFORMAT_INDEXED(f.format) && (bytes == 3 || bytes == 4) && f.Rloss == 0 && f.Gloss == 0 &&
      f.Bloss == 0) {
    const uint32_t rMask = f.Rmask, gMask = f.Gmask, bMask = f.Bmask;
    const int rShift = f.Rshift, gShift = f.Gshift, bShift = f.Bshift;
    const bool plain = bytes == 3 && rMask == 0xFF0000u && gMask == 0xFF00u && bMask == 0xFFu;  // B, G, R
    const int w = loaded->w;
    for (int y = 0; y < loaded->h; ++y) {
      const uint8_t* in = static_cast<const uint8_t*>(loaded->pixels) + static_cast<size_t>(y) * loaded->pitch;
      uint32_t* out = result.Pixels() + static_cast<size_t>(y) * w;
      if (plain) {
        for (int x = 0; x < w; ++x, in += 3) out[x] = uint32_t(in[0]) | uint32_t(in[1]) << 8 | uint32_t(in[2]) << 16;
        continue;
      }
      for (int x = 0; x < w; ++x, in += bytes) {
        const uint32_t v =
            uint32_t(in[0]) | uint32_t(in[1]) << 8 | uint32_t(in[2]) << 16 | (bytes == 4 ? uint32_t(in[3]) << 24 : 0u);
        out[x] = ((v & rMask) >> rShift) << 16 | ((v & gMask) >> gShift) << 8 | (v & bMask) >> bShift;
      }
    }
    converted = true;
  }
  converted =
      converted || (!SDL_ISPIXELFORMAT_INDEXED(f.format) &&
                    SDL_ConvertPixels(loaded->w, loaded->h, loaded->format->format, loaded->pixels, loaded->pitch,
                                      SDL_PIXELFORMAT_ARGB8888, result.Pixels(), loaded->w * 4) == 0);
  if (!converted) {
    SDL_Surface* argb = SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_ARGB8888, 0);
    if (argb != nullptr) {
      for (int y = 0; y < argb->h; ++y) {
        std::memcpy(result.Pixels() + static_cast<size_t>(y) * argb->w,
                    static_cast<const uint8_t*>(argb->pixels) + static_cast<size_t>(y) * argb->pitch,
                    static_cast<size_t>(argb->w) * 4);
      }
      SDL_FreeSurface(argb);
      converted = true;
    }
  }
  SDL_FreeSurface(loaded);
  if (!converted) throw EInvalidGraphic("Bitmap image is not valid");
  // Every pixel opaque, whatever alpha the file had.
  uint32_t* p = result.Pixels();
  for (size_t i = 0, n = static_cast<size_t>(result.Width()) * result.Height(); i < n; ++i) p[i] |= 0xFF000000u;
  return result;
}

bool FileBytes::operator==(const FileBytes& other) const {
  return size == other.size && (size == 0 || std::memcmp(data.get(), other.data.get(), size) == 0);
}

Bitmap LoadPictureFile(const std::string& path) {
  FileBytes bytes;
  return LoadPictureFile(path, bytes);
}

Bitmap LoadPictureFile(const std::string& path, FileBytes& bytes) {
  // The whole file in one read.
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) throw EInvalidGraphic("Cannot open file \"" + path + "\". No such file or directory");
  struct stat st {};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    ::close(fd);
    throw EInvalidGraphic("Cannot read file \"" + path + "\"");
  }
  const size_t size = static_cast<size_t>(std::max<off_t>(st.st_size, 0));
  bytes.data = std::make_unique_for_overwrite<uint8_t[]>(size > 0 ? size : 1);
  bytes.size = size;
  size_t got = 0;
  while (got < size) {
    const ssize_t n = ::read(fd, bytes.data.get() + got, size - got);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    got += static_cast<size_t>(n);
  }
  ::close(fd);
  if (got < size) throw EInvalidGraphic("Cannot read file \"" + path + "\"");
  if (HasExtension(path, ".jpg") || HasExtension(path, ".jpeg")) return DecodeJpeg(bytes.data.get(), size);
  if (HasExtension(path, ".bmp")) return DecodeBmp(bytes.data.get(), size);
  throw EInvalidGraphic("Unknown picture file extension (" + path + ")");
}

}  // namespace ui
