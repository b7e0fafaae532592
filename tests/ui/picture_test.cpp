// Drawing a picture from parts of others (the skill bars' cells are drawn
// this way): growth, clipping, pictures that share pixels, a picture drawn
// from itself.
#include "ui/Picture.h"

#include <gtest/gtest.h>

#include <string>

namespace ui {
namespace {

constexpr uint32_t kBlack = 0xFF000000u, kRed = 0xFFFF0000u, kBlue = 0xFF0000FFu, kGreen = 0xFF00FF00u;

Picture Filled(int w, int h, uint32_t argb) {
  Bitmap b(w, h);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) b.SetPixel(x, y, argb);
  }
  Picture p;
  p.Assign(std::move(b));
  return p;
}

// The picture row by row: "R" red, "B" blue, "G" green, "." black, "?" other.
std::string Rows(const Picture& p) {
  std::string out;
  for (int y = 0; y < p.Height(); ++y) {
    for (int x = 0; x < p.Width(); ++x) {
      const uint32_t c = p.Graphic().Pixel(x, y);
      out += c == kRed ? 'R' : c == kBlue ? 'B' : c == kGreen ? 'G' : c == kBlack ? '.' : '?';
    }
    out += '|';
  }
  return out;
}

TEST(PictureCopyRect, GrowsDrawsInPlaceAndClips) {
  Picture p;
  int changes = 0;
  p.OnChange = [&] { ++changes; };
  const Picture red = Filled(3, 2, kRed);
  p.CopyRect(2, 1, red, Rect{0, 0, 3, 2});
  EXPECT_EQ(Rows(p), ".....|..RRR|..RRR|");

  // Within the picture: the rest stays.
  p.CopyRect(0, 0, Filled(2, 2, kBlue), Rect{0, 0, 2, 2});
  EXPECT_EQ(Rows(p), "BB...|BBRRR|..RRR|");

  // Left of and above the corner nothing is drawn; a source part beyond
  // the source is cut to it.
  p.CopyRect(-1, -1, Filled(3, 3, kGreen), Rect{0, 0, 3, 3});
  EXPECT_EQ(Rows(p), "GG...|GGRRR|..RRR|");
  p.CopyRect(4, 0, Filled(2, 2, kBlue), Rect{1, 1, 5, 5});
  EXPECT_EQ(Rows(p), "GG..B|GGRRR|..RRR|");
  p.CopyRect(-5, 0, red, Rect{0, 0, 3, 2});  // wholly left of the picture
  EXPECT_EQ(Rows(p), "GG..B|GGRRR|..RRR|");

  // Growing keeps what was drawn.
  p.CopyRect(5, 3, Filled(1, 1, kBlue), Rect{0, 0, 1, 1});
  EXPECT_EQ(Rows(p), "GG..B.|GGRRR.|..RRR.|.....B|");
  EXPECT_EQ(changes, 6);
  EXPECT_TRUE(p.FileName().empty());
}

TEST(PictureCopyRect, ACopyOfThePictureKeepsItsPixels) {
  Picture p = Filled(3, 1, kRed);
  const Picture kept = p;  // shares the pixels
  p.CopyRect(1, 0, Filled(1, 1, kBlue), Rect{0, 0, 1, 1});
  EXPECT_EQ(Rows(p), "RBR|");
  EXPECT_EQ(Rows(kept), "RRR|");
  // And drawing on the copy leaves the original.
  Picture second = p;
  second.CopyRect(0, 0, Filled(1, 1, kGreen), Rect{0, 0, 1, 1});
  EXPECT_EQ(Rows(second), "GBR|");
  EXPECT_EQ(Rows(p), "RBR|");
}

TEST(PictureCopyRect, APictureDrawnFromItself) {
  Picture p = Filled(4, 2, kBlack);
  p.CopyRect(0, 0, Filled(2, 2, kRed), Rect{0, 0, 2, 2});
  p.CopyRect(1, 0, p, Rect{0, 0, 3, 2});  // overlapping, to the right
  EXPECT_EQ(Rows(p), "RRR.|RRR.|");
  p.CopyRect(0, 1, p, Rect{0, 0, 4, 2});  // overlapping, down and growing
  EXPECT_EQ(Rows(p), "RRR.|RRR.|RRR.|");
}

}  // namespace
}  // namespace ui
