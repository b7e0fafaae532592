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

Tapteka::Tapteka(ui::Application& app) : Screen(app, {305, 172, "Городская аптека", "farm", "Х", frame::Back(travel)}) {
  AddButtons<Tapteka>({
      {&Tapteka::hard, &Tapteka::hardl, {"hard", 15, 28, 275, 37, "Сильное лекарство (500 р)"}, &Tapteka::hardClick},
      {&Tapteka::low, &Tapteka::lowl, {"low", 15, 74, 275, 37, "Слабое лекарство (300 р)"}, &Tapteka::lowClick},
  });
  AddLabels<Tapteka>({
      {&Tapteka::Label3, "Label3", 15, 122, "Сильное +40% здоровья"},
      {&Tapteka::Label4, "Label4", 15, 142, "Слабое +25% здоровья"},
  });
  DragBy({Label3, Label4});
  ResetSkinsOver({Label3, Label4});

  // Until the first skin reset the buttons show the pictures stored with the window.
  for (auto [picture, file] : {std::pair{hard, "apteka_hard.jpg"}, std::pair{low, "apteka_low.jpg"}}) {
    try {
      picture->Picture.LoadFromFile(engine->ImagesPath + file);
    } catch (const ui::EInvalidGraphic&) {
    }
  }
}

// The buttons keep the pictures stored with the window until the mouse first moves.
void Tapteka::FormCreate() {}

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
  Screen::closeClick();
  engine->PauseGame();
}
