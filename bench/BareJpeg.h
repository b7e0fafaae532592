#pragma once
// The floor under every picture the game decodes: the file read in one go
// and decoded by libjpeg-turbo's own API straight into 32-bit pixels, with
// nothing of ours in between.
#include <cstdint>
#include <memory>
#include <string>

namespace bench {

struct BarePicture {
  int width = 0, height = 0;
  std::unique_ptr<uint32_t[]> pixels;
};

// Throws std::runtime_error when the file cannot be read or decoded.
BarePicture BareJpegDecode(const std::string& path);
// A ".jpg" as above; a ".bmp" read by SDL and converted to 32-bit pixels,
// as SDL's own example would.
BarePicture BareDecode(const std::string& path);

// Seconds on the process's CPU clock and on the monotonic clock.
double ProcessCpuSeconds();
double WallSeconds();

}  // namespace bench
