#pragma once
// The generator's pieces: where files go, and the drawing of each family of
// pictures. Each draw* function returns the finished picture; the write*
// functions save a whole group into the game's data folders.
#include <string>
#include <vector>

#include "Image.h"
#include "Writers.h"

namespace artgen {

// Saves pictures under the data folder and remembers what it wrote.
class Output {
 public:
  explicit Output(std::string dataDir) : dataDir_(std::move(dataDir)) {}

  void jpeg(const std::string& folder, const std::string& name, const Image& img, Color under, int quality = 92);
  void bmp(const std::string& folder, const std::string& name, const Image& img, Color under);
  // A picture of a window shaped by the pure red colour key.
  void bmpKeyed(const std::string& folder, const std::string& name, const Image& img, Color edge);
  const std::vector<std::string>& written() const { return written_; }
  std::string path(const std::string& folder, const std::string& name) const;

 private:
  std::string dataDir_;
  std::vector<std::string> written_;
};

// Shared colours of the game's look.
namespace palette {
inline Color panel() { return rgb(10, 15, 34); }  // dark panels of the game screen
inline Color navy() { return rgb(0, 0, 128); }    // title strips
}  // namespace palette

Color hsv(float hueDegrees, float saturation, float value);

// "Зендрикс 2" as a title: gold letters, a blue "2", outline, glow and shadow,
// fitted into the box (centre cx, cy; at most maxW × maxH pixels of ink).
void drawTitle(Image& img, float cx, float cy, float maxW, float maxH, float opacity = 1.0f);
// A small monitor showing coloured lines of code.
void drawMonitor(Image& img, float x, float y, float w, float h, uint32_t seed, float opacity = 1.0f);
// Night-city silhouettes standing on the line `base`, with lit windows.
void drawSkyline(Image& img, float x0, float x1, float base, float maxHeight, uint32_t seed, Color building,
                 float windowLight);
// Scattered stars over the rectangle.
void drawStars(Image& img, Rect area, int count, uint32_t seed, float brightness);

// Groups of files (Buttons.cpp, Pictures.cpp).
void writeButtonSkins(Output& out);
void writeQuickButtons(Output& out);
void writeGameScreen(Output& out);
void writeLogos(Output& out);
void writeMessageWindows(Output& out);
void writeSmallPictures(Output& out);

}  // namespace artgen
