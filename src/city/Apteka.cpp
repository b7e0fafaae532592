#include "city/Apteka.h"

#include "city/Play.h"
#include "city/Travel.h"
#include "engine/Class.h"
#include "engine/LabelNumber.h"

Tapteka* apteka = nullptr;

// A medicine: its price; below `healthBelow` it adds `gain`, otherwise health
// becomes 100. The strong one speaks in the information window, the weak one
// in the game message window.
struct Tapteka::Medicine {
  uint32_t price;
  uint32_t healthBelow;
  uint32_t gain;
  uint32_t moodAfterGain;
  bool infoWindow;
};

namespace {
constexpr int kWidth = 305;
}  // namespace

Tapteka::Tapteka(ui::Application& app) : ui::Form(app) {
  frame::UseScreenLook(this, kWidth, 172);
  Position = ui::FormPosition::ScreenCenter;

  top = frame::MakeTitle(this, "Городская аптека");
  close = frame::MakeCloseLabel(this, "Х", kWidth - 15);
  close->OnClick = [this](ui::Control&) { closeClick(); };

  const frame::Button strong =
      frame::MakeButton(this, &skins_, {"hard", 15, 28, 275, 37, "Сильное лекарство (500 р)"}, [this] { hardClick(); });
  hard = strong.picture;
  hardl = strong.label;
  const frame::Button weak =
      frame::MakeButton(this, &skins_, {"low", 15, 74, 275, 37, "Слабое лекарство (300 р)"}, [this] { lowClick(); });
  low = weak.picture;
  lowl = weak.label;
  Label3 = frame::MakeLabel(this, "Label3", 15, 122, "Сильное +40% здоровья");
  Label4 = frame::MakeLabel(this, "Label4", 15, 142, "Слабое +25% здоровья");

  // Until the first skin reset the buttons show the pictures stored with the window.
  for (auto [picture, file] : {std::pair{hard, "apteka_hard.jpg"}, std::pair{low, "apteka_low.jpg"}}) {
    try {
      picture->Picture.LoadFromFile(engine->ImagesPath + file);
    } catch (const ui::EInvalidGraphic&) {
    }
  }

  for (ui::Control* handle : std::initializer_list<ui::Control*>{this, top, Label3, Label4}) {
    frame::BindDrag(handle);
    handle->OnMouseMove = [this](ui::Control&, ui::ShiftState, int, int) { ResetSkins(); };
  }
  OnCreate = [this](ui::Control&) { FormCreate(); };
}

void Tapteka::FormCreate() { DoubleBuffered = true; }

void Tapteka::hardClick() { Buy({500, 60, 40, 1, true}); }
void Tapteka::lowClick() { Buy({300, 75, 25, 0, false}); }

void Tapteka::Buy(const Medicine& medicine) {
  engine->PlayClickSound();
  engine->PauseGame();
  if (!engine->SpendMoney(medicine.price)) return;
  auto say = [&medicine](const char* text) {
    if (medicine.infoWindow) {
      engine->ShowInfoMessage(text);
    } else {
      engine->ShowGameMessage(text);
    }
  };
  engine->Health = labels::ReadCount(menu->hp);
  if (static_cast<uint32_t>(engine->Health) < medicine.healthBelow) {
    engine->Health = static_cast<int>(static_cast<uint32_t>(engine->Health) + medicine.gain);
    menu->hp->Caption = labels::Unsigned(engine->Health);
    menu->HealthWarned = false;
    say("Теперь уровень Вашего здоровья повышен!");
    if (medicine.moodAfterGain > 0) engine->AddMood(medicine.moodAfterGain);
  } else {
    engine->Health = 100;
    menu->hp->Caption = "100";
    menu->HealthWarned = false;
    say("Отлично! Теперь Ваше здоровье в отличной форме!");
    engine->AddMood(2);
  }
  engine->PauseGame();
}

void Tapteka::closeClick() {
  engine->PlayCloseSound();
  Hide();
  travel->Show();
  engine->PauseGame();
}
