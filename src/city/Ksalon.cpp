#include "city/Ksalon.h"

#include "city/Play.h"
#include "city/Travel.h"
#include "engine/Class.h"
#include "engine/LabelNumber.h"

Tksalon* ksalon = nullptr;

// A genre: the mood it gives, the education points it adds, and what the
// player is told after a gain and when mood reaches its cap.
struct Tksalon::Genre {
  uint32_t moodGain;
  uint32_t educationPoints;
  const char* raised;
  const char* full;
};

Tksalon::Tksalon(ui::Application& app)
    : Screen(app, {305, 188, "Компьютерный клуб", "farm", "X", frame::Back(travel)}) {
  frame::AddTexts(this,
                  {{&Tksalon::change, "change", 10, 24, 285, 34, "Для просмотра свойств наведите на любую из игр."}});
  change->Alignment = ui::Alignment::Center;
  AddButtons<Tksalon>({
      {&Tksalon::shoot, &Tksalon::shootl,
       frame::Hinted({"shoot", 15, 64, 275, 37, "Играть в 3D - Action'ы"},
                     "Играя в экшены Ваш уровень настроения повысится на 20%."),
       &Tksalon::shootClick},
      {&Tksalon::strateg, &Tksalon::strategl,
       frame::Hinted({"strateg", 15, 104, 275, 37, "Играть в стратегии"},
                     "Играя в стратегии Ваше настроение повысится на 10% и увеличится уровень образования."),
       &Tksalon::strategClick},
      {&Tksalon::rpg, &Tksalon::rpgl,
       frame::Hinted({"rpg", 15, 144, 275, 37, "Играть в RPG"},
                     "Играя в RPG Ваше настроение повысится на 15% и немного увеличится уровень образования."),
       &Tksalon::rpgClick},
  });
  DragBy({change});
}

void Tksalon::shootClick() {
  Play({20, 0, "Вы поиграли в шутеры и Ваше настроение увеличилось!",
        "Вы поиграли в шутеры и Ваше настроение в отличной форме!"});
}

void Tksalon::strategClick() {
  Play({10, 2, "Вы поиграли в стратегии и Ваше настроение увеличилось!",
        "Вы поиграли в стратегии и Ваше настроение в отличной форме!"});
}

void Tksalon::rpgClick() {
  Play({15, 1, "Вы поиграли в RPG и Ваше настроение увеличилось!",
        "Вы поиграли в RPG и Ваше настроение в отличной форме!"});
}

// An hour of play costs 100.
void Tksalon::Play(const Genre& genre) {
  constexpr uint32_t kGamePrice = 100;
  engine->PlayClickSound();
  engine->PauseGame();
  if (!engine->SpendMoney(kGamePrice)) {
    engine->ShowGameMessage("У Вас недостаточно денег для игры в салоне!");
    return;
  }
  engine->Fun = labels::ReadCount(menu->funny);
  const auto maxFun = static_cast<uint32_t>(engine->MaxFun);
  const bool raised = static_cast<uint32_t>(engine->Fun) < maxFun - genre.moodGain;
  engine->Fun = raised ? static_cast<int>(static_cast<uint32_t>(engine->Fun) + genre.moodGain) : engine->MaxFun;
  menu->funny->Caption = labels::Unsigned(engine->Fun);
  menu->MoodWarned = false;
  if (genre.educationPoints > 0) engine->AddEducationPoints(genre.educationPoints);
  engine->ShowGameMessage(raised ? genre.raised : genre.full);
  engine->PauseGame();
}

void Tksalon::closeClick() {
  Screen::closeClick();
  engine->PauseGame();
}
