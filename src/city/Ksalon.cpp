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

namespace {
constexpr int kWidth = 305;
constexpr uint32_t kGamePrice = 100;
}  // namespace

Tksalon::Tksalon(ui::Application& app) : ui::Form(app) {
  frame::UseScreenLook(this, kWidth, 188);
  Position = ui::FormPosition::ScreenCenter;

  top = frame::MakeTitle(this, "Компьютерный клуб");
  close = frame::MakeCloseLabel(this, "X", kWidth - 15);
  close->OnClick = [this](ui::Control&) { closeClick(); };
  change = frame::MakeLabel(this, "change", 0, 26, "Для просмотра свойств наведите на любую из игр.");
  change->AutoSize = false;
  change->WordWrap = true;
  change->Alignment = ui::Alignment::Center;
  change->SetBounds(10, 24, kWidth - 20, 34);

  struct Row {
    ui::Image*& picture;
    ui::Label*& label;
    frame::ButtonRow button;
    void (Tksalon::*click)();
  };
  const Row rows[] = {
      {shoot,
       shootl,
       {"shoot", 15, 64, 275, 37, "Играть в 3D - Action'ы", frame::CaptionPlace::Across, 8, 0, nullptr, nullptr,
        "Играя в экшены Ваш уровень настроения повысится на 20%."},
       &Tksalon::shootClick},
      {strateg,
       strategl,
       {"strateg", 15, 104, 275, 37, "Играть в стратегии", frame::CaptionPlace::Across, 8, 0, nullptr, nullptr,
        "Играя в стратегии Ваше настроение повысится на 10% и увеличится уровень образования."},
       &Tksalon::strategClick},
      {rpg,
       rpgl,
       {"rpg", 15, 144, 275, 37, "Играть в RPG", frame::CaptionPlace::Across, 8, 0, nullptr, nullptr,
        "Играя в RPG Ваше настроение повысится на 15% и немного увеличится уровень образования."},
       &Tksalon::rpgClick},
  };
  for (const Row& row : rows) {
    const frame::Button made =
        frame::MakeButton(this, &skins_, row.button, [this, click = row.click] { (this->*click)(); });
    row.picture = made.picture;
    row.label = made.label;
  }

  for (ui::Control* handle : std::initializer_list<ui::Control*>{this, top, change}) frame::BindDrag(handle);
  for (ui::Control* reset : std::initializer_list<ui::Control*>{this, top}) {
    reset->OnMouseMove = [this](ui::Control&, ui::ShiftState, int, int) { ResetSkins(); };
  }
  OnCreate = [this](ui::Control&) { FormCreate(); };
  OnShow = [this](ui::Control&) { FormShow(); };
}

void Tksalon::FormCreate() {
  DoubleBuffered = true;
  ResetSkins();
}

void Tksalon::FormShow() { ResetSkins(); }

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

void Tksalon::Play(const Genre& genre) {
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
  engine->PlayCloseSound();
  Hide();
  travel->Show();
  engine->PauseGame();
}
