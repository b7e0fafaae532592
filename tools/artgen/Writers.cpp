#include "Writers.h"

#include <jpeglib.h>

#include <algorithm>
#include <cmath>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <stdexcept>

namespace artgen {

namespace {

uint8_t toByte(float v, float offset) {
  return static_cast<uint8_t>(std::clamp(std::floor(v * 255.0f + 0.5f + offset), 0.0f, 255.0f));
}

void writeFile(const std::string& path, const std::vector<uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  if (!out) throw std::runtime_error("cannot create " + path);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + path);
}

void put16(std::vector<uint8_t>& b, uint32_t v) {
  b.push_back(v & 0xFF);
  b.push_back((v >> 8) & 0xFF);
}
void put32(std::vector<uint8_t>& b, uint32_t v) {
  put16(b, v & 0xFFFF);
  put16(b, v >> 16);
}

struct JpegError {
  jpeg_error_mgr mgr;
  std::jmp_buf jump;
  char message[JMSG_LENGTH_MAX];
};

void onJpegError(j_common_ptr cinfo) {
  auto* err = reinterpret_cast<JpegError*>(cinfo->err);
  (*cinfo->err->format_message)(cinfo, err->message);
  std::longjmp(err->jump, 1);
}

}  // namespace

Rgb8 flatten(const Image& img, Color under, bool dither) {
  Rgb8 out{img.width(), img.height(), {}};
  out.data.reserve(static_cast<size_t>(img.width()) * img.height() * 3);
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x) {
      const Color& c = img.at(x, y);
      float a = std::clamp(c.a, 0.0f, 1.0f);
      float off = dither ? hashUnit(x, y, 0xD17E) - 0.5f : 0.0f;
      out.data.push_back(toByte(c.r * a + under.r * (1 - a), off));
      out.data.push_back(toByte(c.g * a + under.g * (1 - a), off));
      out.data.push_back(toByte(c.b * a + under.b * (1 - a), off));
    }
  return out;
}

Rgb8 flattenKeyed(const Image& img, Color edge) {
  Rgb8 out = flatten(img, edge, false);
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x) {
      uint8_t* p = &out.data[(static_cast<size_t>(y) * img.width() + x) * 3];
      if (img.at(x, y).a < 0.5f) {
        p[0] = 255, p[1] = 0, p[2] = 0;
      } else if (p[0] == 255 && p[1] == 0 && p[2] == 0) {
        p[0] = 254;
      }
    }
  return out;
}

void writeJpeg(const Rgb8& pixels, const std::string& path, int quality) {
  jpeg_compress_struct cinfo;
  JpegError err;
  cinfo.err = jpeg_std_error(&err.mgr);
  err.mgr.error_exit = onJpegError;
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  if (setjmp(err.jump)) {
    jpeg_destroy_compress(&cinfo);
    std::free(buffer);
    throw std::runtime_error("JPEG encoding of " + path + " failed: " + err.message);
  }
  jpeg_create_compress(&cinfo);
  jpeg_mem_dest(&cinfo, &buffer, &size);
  cinfo.image_width = static_cast<JDIMENSION>(pixels.width);
  cinfo.image_height = static_cast<JDIMENSION>(pixels.height);
  cinfo.input_components = 3;
  cinfo.in_color_space = JCS_RGB;
  jpeg_set_defaults(&cinfo);
  jpeg_set_quality(&cinfo, quality, TRUE);
  // Full-resolution colour: the skins are small and their edges are thin.
  for (int i = 0; i < cinfo.num_components; ++i) {
    cinfo.comp_info[i].h_samp_factor = 1;
    cinfo.comp_info[i].v_samp_factor = 1;
  }
  cinfo.optimize_coding = TRUE;
  jpeg_start_compress(&cinfo, TRUE);
  while (cinfo.next_scanline < cinfo.image_height) {
    JSAMPROW row = const_cast<JSAMPROW>(&pixels.data[static_cast<size_t>(cinfo.next_scanline) * pixels.width * 3]);
    jpeg_write_scanlines(&cinfo, &row, 1);
  }
  jpeg_finish_compress(&cinfo);
  jpeg_destroy_compress(&cinfo);
  std::vector<uint8_t> bytes(buffer, buffer + size);
  std::free(buffer);
  writeFile(path, bytes);
}

void writeBmp(const Rgb8& pixels, const std::string& path) {
  const uint32_t stride = (static_cast<uint32_t>(pixels.width) * 3 + 3) & ~3u;
  const uint32_t imageSize = stride * static_cast<uint32_t>(pixels.height);
  std::vector<uint8_t> b;
  b.reserve(54 + imageSize);
  b.push_back('B');
  b.push_back('M');
  put32(b, 54 + imageSize);  // file size
  put32(b, 0);               // reserved
  put32(b, 54);              // offset of the pixels
  put32(b, 40);              // BITMAPINFOHEADER
  put32(b, static_cast<uint32_t>(pixels.width));
  put32(b, static_cast<uint32_t>(pixels.height));  // positive: bottom-up
  put16(b, 1);                                     // planes
  put16(b, 24);                                    // bits per pixel
  put32(b, 0);                                     // BI_RGB
  put32(b, imageSize);
  put32(b, 2835);  // 72 dpi
  put32(b, 2835);
  put32(b, 0);
  put32(b, 0);
  for (int y = pixels.height - 1; y >= 0; --y) {
    const uint8_t* row = &pixels.data[static_cast<size_t>(y) * pixels.width * 3];
    for (int x = 0; x < pixels.width; ++x) {
      b.push_back(row[x * 3 + 2]);
      b.push_back(row[x * 3 + 1]);
      b.push_back(row[x * 3 + 0]);
    }
    for (uint32_t pad = static_cast<uint32_t>(pixels.width) * 3; pad < stride; ++pad) b.push_back(0);
  }
  writeFile(path, b);
}

void writeWav(const std::vector<float>& samples, int sampleRate, const std::string& path) {
  const uint32_t dataSize = static_cast<uint32_t>(samples.size() * 2);
  std::vector<uint8_t> b;
  b.reserve(44 + dataSize);
  for (char c : {'R', 'I', 'F', 'F'}) b.push_back(static_cast<uint8_t>(c));
  put32(b, 36 + dataSize);
  for (char c : {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '}) b.push_back(static_cast<uint8_t>(c));
  put32(b, 16);
  put16(b, 1);  // PCM
  put16(b, 1);  // mono
  put32(b, static_cast<uint32_t>(sampleRate));
  put32(b, static_cast<uint32_t>(sampleRate) * 2);  // bytes per second
  put16(b, 2);                                      // block align
  put16(b, 16);                                     // bits per sample
  for (char c : {'d', 'a', 't', 'a'}) b.push_back(static_cast<uint8_t>(c));
  put32(b, dataSize);
  for (float s : samples) {
    long v = std::lround(std::clamp(s, -1.0f, 1.0f) * 32767.0f);
    put16(b, static_cast<uint32_t>(static_cast<uint16_t>(static_cast<int16_t>(v))));
  }
  writeFile(path, b);
}

}  // namespace artgen
