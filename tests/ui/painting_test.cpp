// Drawing only what changed: after any change a form's canvas must hold
// exactly what drawing the whole form anew gives, its labels' kept text must
// follow their captions and fonts, and a window comes up once, drawn as its
// show handler left it.
#include <SDL.h>
#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/TempFolder.h"
#include "ui/Canvas.h"
#include "ui/Image.h"
#include "ui/Label.h"
#include "ui/Panel.h"
#include "ui/UiFixture.h"

namespace {

// A picture of stripes, so that a shifted or stale copy shows.
ui::Bitmap Stripes(int width, int height, ui::Color a, ui::Color b) {
  ui::Bitmap bitmap(width, height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) bitmap.SetPixel(x, y, ((x / 3 + y / 2) % 2 ? a : b).Argb() | 0xFF000000u);
  }
  return bitmap;
}

std::string FirstDifference(const ui::Bitmap& got, const ui::Bitmap& want) {
  if (got.Width() != want.Width() || got.Height() != want.Height()) return "the sizes differ";
  for (int y = 0; y < want.Height(); ++y) {
    for (int x = 0; x < want.Width(); ++x) {
      if (got.Pixel(x, y) != want.Pixel(x, y))
        return "pixel " + std::to_string(x) + "," + std::to_string(y) + " differs";
    }
  }
  return "";
}

class Painting : public UiFixture {
 protected:
  Painting() {
    form_->Color = ui::clBlack;
    form_->Font.Color = ui::clWhite;
    back_ = new ui::Image(form_);
    back_->SetBounds(10, 30, 120, 40);
    back_->Picture.Assign(Stripes(120, 40, ui::clNavy, ui::clLime));
    caption_ = new ui::Label(form_);
    caption_->Transparent = true;
    caption_->SetBounds(20, 40, 0, 0);
    caption_->Font.Style = ui::fsBold;
    caption_->Caption = "Начать новую игру";
    panel_ = new ui::Panel(form_);
    panel_->SetBounds(150, 20, 120, 100);
    panel_->Color = ui::clMaroon;
    inner_ = new ui::Label(panel_);
    inner_->SetBounds(5, 5, 0, 0);
    inner_->Caption = "Внутри";
    innerPicture_ = new ui::Image(panel_);
    innerPicture_->SetBounds(10, 40, 30, 30);
    innerPicture_->Picture.Assign(Stripes(30, 30, ui::clYellow, ui::clGreen));
    title_ = new ui::Label(form_);
    title_->AutoSize = false;
    title_->Align = ui::Align::Top;
    title_->Height = 16;
    title_->Color = ui::clNavy;
    title_->Caption = "Заголовок";
    strip_ = new ui::Label(form_);
    strip_->AutoSize = false;
    strip_->Align = ui::Align::Top;
    strip_->Height = 12;
    strip_->Color = ui::clSilver;
    strip_->Caption = "Полоса";
    form_->Render();
  }

  // Draws what changed, then the whole form anew: both must agree.
  void ExpectAsIfDrawnWhole(const std::string& change) {
    const ui::Bitmap partial = form_->Render();
    form_->MarkDirty();
    const ui::Bitmap& whole = form_->Render();
    EXPECT_EQ(FirstDifference(partial, whole), "") << "after: " << change;
  }

  ui::Image* back_ = nullptr;
  ui::Label* caption_ = nullptr;
  ui::Panel* panel_ = nullptr;
  ui::Label* inner_ = nullptr;
  ui::Image* innerPicture_ = nullptr;
  ui::Label* title_ = nullptr;
  ui::Label* strip_ = nullptr;
};

TEST_F(Painting, APartialRepaintLeavesNoStalePixels) {
  back_->Left = back_->Left + 2;
  back_->Top = back_->Top + 2;
  ExpectAsIfDrawnWhole("a picture moved down and right (the pressed look)");
  back_->Left = back_->Left - 2;
  back_->Top = back_->Top - 2;
  ExpectAsIfDrawnWhole("the picture moved back");

  caption_->Caption = "Продолжить игру, которая была";
  ExpectAsIfDrawnWhole("a longer caption");
  caption_->Caption = "Да";
  ExpectAsIfDrawnWhole("a shorter caption");
  caption_->Font.Color = ui::clBlack;
  ExpectAsIfDrawnWhole("the caption's colour");
  caption_->Enabled = false;
  ExpectAsIfDrawnWhole("the caption disabled");

  back_->Picture.Assign(Stripes(60, 20, ui::clRed, ui::clBlue));
  ExpectAsIfDrawnWhole("a smaller picture in the same control");
  back_->Center = true;
  ExpectAsIfDrawnWhole("the picture centred");
  back_->Stretch = true;
  ExpectAsIfDrawnWhole("the picture stretched");

  panel_->Left = 100;
  panel_->Top = 60;
  ExpectAsIfDrawnWhole("the panel moved over the picture, its controls with it");
  inner_->Visible = false;
  ExpectAsIfDrawnWhole("a label hidden inside the moved panel");
  innerPicture_->Left = 100;
  ExpectAsIfDrawnWhole("a picture moved partly out of its panel");
  panel_->Enabled = false;
  inner_->Visible = true;
  ExpectAsIfDrawnWhole("the panel disabled, its label shown again");
  back_->BringToFront();
  ExpectAsIfDrawnWhole("the picture brought above the panel");
  panel_->Visible = false;
  ExpectAsIfDrawnWhole("the panel hidden");

  title_->Visible = false;
  ExpectAsIfDrawnWhole("the top strip hidden: the one under it moves up");
  title_->Visible = true;
  ExpectAsIfDrawnWhole("the top strip back");

  caption_->Visible = false;
  ExpectAsIfDrawnWhole("a label hidden");
  form_->Color = ui::clGray;
  ExpectAsIfDrawnWhole("the form's colour");
}

TEST_F(Painting, OnlyTheChangedPartIsDrawnAndAPictureLoadedAgainDrawsNothing) {
  testing_support::TempFolder folder;
  SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormat(0, 120, 40, 24, SDL_PIXELFORMAT_RGB24);
  ASSERT_NE(surface, nullptr);
  SDL_FillRect(surface, nullptr, SDL_MapRGB(surface->format, 200, 10, 10));
  const std::string red = folder.path() + "/red.bmp";
  ASSERT_EQ(SDL_SaveBMP(surface, red.c_str()), 0);
  SDL_FillRect(surface, nullptr, SDL_MapRGB(surface->format, 10, 200, 10));
  const std::string green = folder.path() + "/green.bmp";
  ASSERT_EQ(SDL_SaveBMP(surface, green.c_str()), 0);
  SDL_FreeSurface(surface);

  back_->Picture.LoadFromFile(red);
  ExpectAsIfDrawnWhole("a picture loaded");
  back_->Picture.LoadFromFile(red);
  EXPECT_EQ(back_->Picture.LoadCount(), 2) << "the file is read again every time";
  EXPECT_FALSE(form_->Dirty()) << "the same pixels again need no drawing";
  back_->Picture.LoadFromFile(green);
  ASSERT_TRUE(form_->Dirty());
  ExpectAsIfDrawnWhole("another file of the same size");
  EXPECT_EQ(form_->Render().ColorAt(back_->Left + 1, back_->Top + 1), (ui::Color{10, 200, 10}));

  inner_->Caption = "Снаружи";
  form_->Render();
  ASSERT_EQ(form_->Repainted().size(), 1u);
  const ui::Rect drawn = form_->Repainted()[0];
  EXPECT_TRUE(panel_->FormRect().Contains(drawn)) << "a label's change draws within its panel only";
}

// The kept text of a label against a label made with the same caption and
// font from the start.
TEST_F(Painting, ALabelsKeptTextFollowsItsCaptionFontAndWidth) {
  auto make = [](ui::Form* owner) {
    auto* label = new ui::Label(owner);
    label->SetBounds(10, 30, 0, 0);
    label->Font.Color = ui::clWhite;
    return label;
  };
  ui::Label* kept = make(form_);
  kept->Caption = "Первый";
  form_->Render();
  auto expectLikeFresh = [&](const std::string& change, auto setUp) {
    setUp(kept);
    const ui::Bitmap got = form_->Render();
    ui::Form* fresh = nullptr;
    app_->CreateForm(fresh);
    fresh->SetClientSize(form_->Width, form_->Height);
    fresh->Color = form_->Color();
    ui::Label* other = make(fresh);
    setUp(other);
    const ui::Bitmap& want = fresh->Render();
    const ui::Rect area = kept->FormRect().Union(other->FormRect());
    for (int y = area.top; y < area.bottom(); ++y) {
      for (int x = area.left; x < area.right(); ++x) {
        if (got.Pixel(x, y) != want.Pixel(x, y)) {
          ADD_FAILURE() << "after " << change << ": pixel " << x << "," << y << " differs";
          return;
        }
      }
    }
  };
  // Other controls of the form lie elsewhere; only the label's area is compared.
  back_->Visible = false;
  caption_->Visible = false;
  expectLikeFresh("a new caption", [](ui::Label* l) { l->Caption = "Второй"; });
  expectLikeFresh("a larger font", [](ui::Label* l) {
    l->Caption = "Второй";
    l->Font.Size = 18;
  });
  expectLikeFresh("a bold font", [](ui::Label* l) {
    l->Caption = "Второй";
    l->Font.Size = 18;
    l->Font.Style = ui::fsBold;
  });
  expectLikeFresh("another colour", [](ui::Label* l) {
    l->Caption = "Второй";
    l->Font.Size = 18;
    l->Font.Style = ui::fsBold;
    l->Font.Color = ui::clYellow;
  });
  expectLikeFresh("wrapped in a narrower width", [](ui::Label* l) {
    l->Caption = "Второй третий четвёртый";
    l->Font.Size = 18;
    l->Font.Style = ui::fsBold;
    l->Font.Color = ui::clYellow;
    l->AutoSize = false;
    l->WordWrap = true;
    l->SetBounds(10, 30, 90, 80);
  });
}

TEST_F(Painting, TheBackgroundShowsWhereAPictureDoesNotCover) {
  ui::Image* picture = new ui::Image(form_);
  picture->SetBounds(0, 0, form_->Width, form_->Height);
  picture->Picture.Assign(Stripes(20, 20, ui::clRed, ui::clBlue));
  picture->Center = true;
  EXPECT_FALSE(picture->Opaque());
  EXPECT_EQ(form_->Render().ColorAt(2, form_->Height - 2), form_->Color()) << "around a small centred picture";
  picture->Stretch = true;
  EXPECT_TRUE(picture->Opaque());
  picture->Stretch = false;
  picture->Picture.Assign(Stripes(form_->Width, form_->Height, ui::clRed, ui::clBlue));
  EXPECT_TRUE(picture->Opaque());
  picture->Transparent = true;
  EXPECT_FALSE(picture->Opaque()) << "its key colour lets the background through";
  ExpectAsIfDrawnWhole("a transparent picture over the whole form");
}

// A backend that shows pixels and notes what the windows are told, in order.
class RecordingBackend : public ui::HeadlessBackend {
 public:
  explicit RecordingBackend(std::vector<std::string>& log) : log_(log) {}
  bool Draws() const override { return true; }
  void Present(ui::WindowId id, const ui::Bitmap&, const std::vector<ui::Rect>& changed) override {
    log_.push_back("present " + std::to_string(id));
    lastChanged = changed;
  }
  void ShowWindow(ui::WindowId id) override {
    log_.push_back("map " + std::to_string(id));
    ui::HeadlessBackend::ShowWindow(id);
  }
  std::vector<ui::Rect> lastChanged;

 private:
  std::vector<std::string>& log_;
};

TEST(Showing, AWindowComesUpOnceDrawnAsItsShowHandlerLeftIt) {
  std::vector<std::string> log;
  auto owned = std::make_unique<RecordingBackend>(log);
  RecordingBackend* backend = owned.get();
  ui::Application app(std::move(owned));
  ui::Form* menu = nullptr;
  app.CreateForm(menu);
  auto* label = new ui::Label(menu);
  menu->OnShow = [&](ui::Control&) {
    log.push_back("show handler");
    label->Caption = "Загружено";
  };
  menu->Show();
  app.ProcessMessages();
  EXPECT_EQ(log, (std::vector<std::string>{"show handler", "present 1", "map 1"}));

  // A change later presents only its part.
  log.clear();
  label->Caption = "Ещё";
  app.ProcessMessages();
  EXPECT_EQ(log, (std::vector<std::string>{"present 1"}));
  ASSERT_EQ(backend->lastChanged.size(), 1u);
  EXPECT_TRUE(label->FormRect().Union(ui::Rect{0, 0, 200, 20}).Contains(backend->lastChanged[0]));
  EXPECT_LT(backend->lastChanged[0].width, menu->Width());

  // A show handler that waits for an answer has its window up first, as do
  // windows it shows.
  ui::Form* other = nullptr;
  app.CreateForm(other);
  other->OnShow = [&](ui::Control&) {
    log.push_back("asks");
    app.MessageBox("Вопрос", "Игра", ui::MB_OK);
  };
  app.OnException = [](const std::string&) {};
  auto* headless = static_cast<ui::HeadlessBackend*>(&app.GetBackend());
  headless->OnIdle = [&](uint64_t) {
    if (ui::Form* box = app.ActiveModal()) box->ModalResult = ui::mrOk;
  };
  log.clear();
  other->Show();
  ASSERT_GE(log.size(), 4u);
  EXPECT_EQ(log[0], "asks");
  EXPECT_EQ(log[1], "present 2");
  EXPECT_EQ(log[2], "map 2");
  EXPECT_EQ(log[3], "present 3") << "the message box comes up over its window";
  app.DestroyForms();
}

TEST(Showing, AWindowWhoseShowHandlerFailedStillHidesAndShowsAgain) {
  auto owned = std::make_unique<ui::HeadlessBackend>();
  ui::HeadlessBackend* backend = owned.get();
  ui::Application app(std::move(owned));
  ui::Form* form = nullptr;
  app.CreateForm(form);
  int shows = 0, hides = 0;
  form->OnShow = [&](ui::Control&) {
    if (++shows == 1) throw std::runtime_error("a picture is missing");
  };
  form->OnHide = [&](ui::Control&) { ++hides; };
  EXPECT_THROW(form->Show(), std::runtime_error);
  EXPECT_TRUE(backend->Windows().at(form->Window()).visible) << "the window is up, as its handler left it";
  form->Hide();
  EXPECT_EQ(hides, 1);
  EXPECT_FALSE(backend->Windows().at(form->Window()).visible);
  form->Show();
  EXPECT_EQ(shows, 2);
  EXPECT_TRUE(backend->Windows().at(form->Window()).visible);
  app.DestroyForms();
}

}  // namespace
