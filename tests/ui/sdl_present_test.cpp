// The real windows' present path on SDL's dummy display: what a window's
// surface holds after windows are drawn part by part, hidden and shown again
// is exactly the form drawn whole; a hidden window holds no pixels.
#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

#include "ui/Application.h"
#include "ui/Image.h"
#include "ui/Label.h"
#include "ui/SdlBackend.h"

namespace {

SDL_Window* WindowTitled(const std::string& title) {
  for (Uint32 id = 1; id < 1000; ++id) {
    SDL_Window* w = SDL_GetWindowFromID(id);
    if (w != nullptr && title == SDL_GetWindowTitle(w)) return w;
  }
  return nullptr;
}

// The first pixel where the window shows other colours than the canvas.
std::string Mismatch(SDL_Window* window, const ui::Bitmap& canvas) {
  SDL_Surface* surface = SDL_GetWindowSurface(window);
  if (surface == nullptr) return "no window surface";
  if (surface->w != canvas.Width() || surface->h != canvas.Height()) return "the sizes differ";
  for (int y = 0; y < canvas.Height(); ++y) {
    for (int x = 0; x < canvas.Width(); ++x) {
      Uint32 raw = 0;
      std::memcpy(&raw, static_cast<uint8_t*>(surface->pixels) + y * surface->pitch + x * 4, 4);
      Uint8 r = 0, g = 0, b = 0;
      SDL_GetRGB(raw, surface->format, &r, &g, &b);
      const ui::Color want = canvas.ColorAt(x, y);
      if (r != want.r || g != want.g || b != want.b)
        return "pixel " + std::to_string(x) + "," + std::to_string(y) + " differs";
    }
  }
  return "";
}

TEST(SdlPresent, TheWindowShowsTheFormDrawnWholeAfterEveryPartialPresent) {
  setenv("SDL_VIDEODRIVER", "dummy", 1);
  setenv("SDL_AUDIODRIVER", "dummy", 1);
  ui::Application app(std::make_unique<ui::SdlBackend>());
  ui::Form* form = nullptr;
  app.CreateForm(form);
  form->Caption = "проба окна";
  form->SetClientSize(240, 160);
  form->Color = ui::clBlack;
  auto* picture = new ui::Image(form);
  picture->SetBounds(20, 20, 100, 40);
  ui::Bitmap stripes(100, 40);
  for (int y = 0; y < 40; ++y) {
    for (int x = 0; x < 100; ++x) stripes.SetPixel(x, y, (x / 4 + y / 3) % 2 ? 0x80FF8000u : 0xFF0000FFu);
  }
  picture->Picture.Assign(stripes);
  auto* label = new ui::Label(form);
  label->Transparent = true;
  label->Font.Color = ui::clWhite;
  label->SetBounds(30, 30, 0, 0);
  label->Caption = "Начать";
  auto* corner = new ui::Label(form);
  corner->Font.Color = ui::clYellow;
  corner->SetBounds(150, 120, 0, 0);
  corner->Caption = "1";
  form->Show();
  app.ProcessMessages();
  SDL_Window* window = WindowTitled("проба окна");
  ASSERT_NE(window, nullptr);

  auto expectWhole = [&](const std::string& after) {
    app.ProcessMessages();
    ASSERT_FALSE(form->Dirty());
    form->MarkDirty();
    EXPECT_EQ(Mismatch(window, form->Render()), "") << "after " << after;
  };
  expectWhole("the window came up");
  picture->Left = 22;
  picture->Top = 22;
  corner->Caption = "2";
  expectWhole("the picture moved and a caption far from it changed");
  label->Caption = "Продолжить игру";
  expectWhole("a longer caption");
  label->Visible = false;
  expectWhole("the caption hidden");
  form->Hide();
  app.ProcessMessages();
  picture->Left = 120;
  label->Visible = true;
  form->Show();
  expectWhole("the window hidden, changed and shown again");
  form->SetClientSize(200, 120);
  expectWhole("the window made smaller");
  app.DestroyForms();
}

// Counts how often it is drawn.
class Counted : public ui::Control {
 public:
  using ui::Control::Control;
  int paints = 0;

 protected:
  void Paint(ui::Canvas&) override { ++paints; }
};

TEST(SdlPresent, AHiddenWindowGivesBackItsPixelsAndComesBackDrawnOnce) {
  setenv("SDL_VIDEODRIVER", "dummy", 1);
  setenv("SDL_AUDIODRIVER", "dummy", 1);
  ui::Application app(std::make_unique<ui::SdlBackend>());
  ui::Form* form = nullptr;
  app.CreateForm(form);
  form->Caption = "окно без пикселей";
  form->SetClientSize(300, 200);
  form->Color = ui::clNavy;
  auto* counted = new Counted(form);
  counted->SetBounds(10, 10, 50, 50);
  form->Show();
  app.ProcessMessages();
  SDL_Window* window = WindowTitled("окно без пикселей");
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(counted->paints, 1);
  for (int round = 1; round <= 2; ++round) {
    form->Hide();
    app.ProcessMessages();
    const SDL_Surface* hidden = SDL_GetWindowSurface(window);
    ASSERT_NE(hidden, nullptr);
    EXPECT_LE(hidden->w * hidden->h, 1) << "round " << round;
    if (round == 2) form->SetClientSize(280, 190);  // a size set while hidden is the one shown
    const int paints = counted->paints;
    form->Show();
    app.ProcessMessages();
    app.ProcessMessages();
    EXPECT_EQ(counted->paints, paints + 1) << "drawn once when shown, round " << round;
    form->MarkDirty();
    EXPECT_EQ(Mismatch(window, form->Render()), "") << "round " << round;
  }
  app.DestroyForms();
}

}  // namespace
