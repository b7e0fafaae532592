#include "BareJpeg.h"

#include <SDL.h>
#include <fcntl.h>
#include <jpeglib.h>
#include <strings.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csetjmp>
#include <cstring>
#include <ctime>
#include <stdexcept>

namespace bench {
namespace {

struct Error {
  jpeg_error_mgr manager;
  std::jmp_buf jump;
};

void Fail(j_common_ptr info) { std::longjmp(reinterpret_cast<Error*>(info->err)->jump, 1); }

// Kept out of the function that calls setjmp.
struct Job {
  jpeg_decompress_struct info{};
  Error error{};
  std::unique_ptr<uint8_t[]> file;
  std::unique_ptr<JSAMPROW[]> rows;
  BarePicture picture;
};

bool Decode(Job& job, size_t size) {
  job.info.err = jpeg_std_error(&job.error.manager);
  job.error.manager.error_exit = Fail;
  if (setjmp(job.error.jump)) {
    jpeg_destroy_decompress(&job.info);
    return false;
  }
  jpeg_create_decompress(&job.info);
  jpeg_mem_src(&job.info, job.file.get(), static_cast<unsigned long>(size));
  jpeg_read_header(&job.info, TRUE);
  job.info.out_color_space = JCS_EXT_BGRA;
  jpeg_start_decompress(&job.info);
  const int w = static_cast<int>(job.info.output_width), h = static_cast<int>(job.info.output_height);
  job.picture.width = w;
  job.picture.height = h;
  job.picture.pixels.reset(new uint32_t[static_cast<size_t>(w) * h]);
  job.rows.reset(new JSAMPROW[h]);
  for (int y = 0; y < h; ++y) job.rows[y] = reinterpret_cast<JSAMPROW>(job.picture.pixels.get() + size_t(y) * w);
  while (job.info.output_scanline < job.info.output_height) {
    jpeg_read_scanlines(&job.info, job.rows.get() + job.info.output_scanline,
                        job.info.output_height - job.info.output_scanline);
  }
  jpeg_finish_decompress(&job.info);
  jpeg_destroy_decompress(&job.info);
  return true;
}

}  // namespace

BarePicture BareJpegDecode(const std::string& path) {
  Job job;
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) throw std::runtime_error("cannot open " + path);
  struct stat st {};
  ::fstat(fd, &st);
  const size_t size = static_cast<size_t>(st.st_size);
  job.file.reset(new uint8_t[size + 1]);
  const ssize_t got = ::read(fd, job.file.get(), size);
  ::close(fd);
  if (got != static_cast<ssize_t>(size) || !Decode(job, size)) throw std::runtime_error("cannot decode " + path);
  return std::move(job.picture);
}

BarePicture BareDecode(const std::string& path) {
  const size_t n = path.size();
  if (n < 4 || (strcasecmp(path.c_str() + n - 4, ".bmp") != 0)) return BareJpegDecode(path);
  SDL_Surface* loaded = SDL_LoadBMP(path.c_str());
  if (loaded == nullptr) throw std::runtime_error("cannot decode " + path);
  SDL_Surface* argb = SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_ARGB8888, 0);
  SDL_FreeSurface(loaded);
  if (argb == nullptr) throw std::runtime_error("cannot convert " + path);
  BarePicture picture;
  picture.width = argb->w;
  picture.height = argb->h;
  picture.pixels.reset(new uint32_t[static_cast<size_t>(argb->w) * argb->h]);
  for (int y = 0; y < argb->h; ++y) {
    std::memcpy(picture.pixels.get() + static_cast<size_t>(y) * argb->w,
                static_cast<const uint8_t*>(argb->pixels) + static_cast<size_t>(y) * argb->pitch,
                static_cast<size_t>(argb->w) * 4);
  }
  SDL_FreeSurface(argb);
  return picture;
}

double ProcessCpuSeconds() {
  timespec t{};
  ::clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

double WallSeconds() {
  timespec t{};
  ::clock_gettime(CLOCK_MONOTONIC, &t);
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

}  // namespace bench
