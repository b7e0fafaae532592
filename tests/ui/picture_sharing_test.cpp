// Pictures loaded from one file share its pixels: drawing on one of them,
// or the file changing on disk, must not show in the others.
#include <SDL.h>
#include <gtest/gtest.h>

#include <string>

#include "platform/TempFolder.h"
#include "ui/Picture.h"

namespace ui {
namespace {

std::string SaveFilled(const testing_support::TempFolder& folder, const char* name, Uint8 r, Uint8 g, Uint8 b) {
  SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormat(0, 4, 3, 24, SDL_PIXELFORMAT_RGB24);
  SDL_FillRect(surface, nullptr, SDL_MapRGB(surface->format, r, g, b));
  const std::string path = folder.File(name);
  SDL_SaveBMP(surface, path.c_str());
  SDL_FreeSurface(surface);
  return path;
}

TEST(PictureSharing, APictureDrawnOnOrAFileChangedLeavesTheOthersAsTheyWere) {
  testing_support::TempFolder folder;
  const std::string skin = SaveFilled(folder, "skin.bmp", 200, 0, 0);
  Picture first, second, third;
  first.LoadFromFile(skin);
  second.LoadFromFile(skin);
  ASSERT_EQ(first.Graphic().ColorAt(0, 0), (Color{200, 0, 0}));

  Picture blue;
  Bitmap cell(1, 1, Color{0, 0, 255});
  blue.Assign(cell);
  first.CopyRect(1, 1, blue, Rect{0, 0, 1, 1});
  EXPECT_EQ(first.Graphic().ColorAt(1, 1), (Color{0, 0, 255}));
  EXPECT_EQ(second.Graphic().ColorAt(1, 1), (Color{200, 0, 0})) << "drawn on through a picture sharing its pixels";

  // The file is replaced: a new load shows the new pixels, the others keep theirs.
  SaveFilled(folder, "skin.bmp", 0, 150, 0);
  third.LoadFromFile(skin);
  EXPECT_EQ(third.Graphic().ColorAt(0, 0), (Color{0, 150, 0}));
  EXPECT_EQ(second.Graphic().ColorAt(0, 0), (Color{200, 0, 0}));
  second.LoadFromFile(skin);
  EXPECT_TRUE(second.PixelsChanged());
  EXPECT_EQ(second.Graphic().ColorAt(2, 2), (Color{0, 150, 0}));

  // Drawn on alone, a picture still draws only on its own pixels.
  third.CopyRect(0, 0, blue, Rect{0, 0, 1, 1});
  EXPECT_EQ(second.Graphic().ColorAt(0, 0), (Color{0, 150, 0}));

  // Loaded again from the unchanged file, a picture drawn on shows the file.
  third.LoadFromFile(skin);
  EXPECT_TRUE(third.PixelsChanged());
  EXPECT_EQ(third.Graphic().ColorAt(0, 0), (Color{0, 150, 0}));
  third.LoadFromFile(skin);
  EXPECT_FALSE(third.PixelsChanged());
}

}  // namespace
}  // namespace ui
