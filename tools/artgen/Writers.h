#pragma once
// File encoders: baseline JPEG (libjpeg-turbo), 24-bit BMP and 16-bit PCM WAV.
#include <cstdint>
#include <string>
#include <vector>

#include "Image.h"

namespace artgen {

// 8-bit RGB pixels, top row first.
struct Rgb8 {
  int width = 0, height = 0;
  std::vector<uint8_t> data;
};

// Composites the image over `under` and rounds to 8 bits; `dither` adds a
// fixed sub-LSB pattern that hides banding in wide gradients.
Rgb8 flatten(const Image& img, Color under, bool dither);

// For windows shaped by a colour key: pixels with less than half coverage
// become pure red (255, 0, 0); every other pixel is composited over `edge`
// and kept off pure red, so the key appears exactly where the window is open.
Rgb8 flattenKeyed(const Image& img, Color edge);

// Each writer throws std::runtime_error when the file cannot be written.
void writeJpeg(const Rgb8& pixels, const std::string& path, int quality);
void writeBmp(const Rgb8& pixels, const std::string& path);
void writeWav(const std::vector<float>& samples, int sampleRate, const std::string& path);

}  // namespace artgen
