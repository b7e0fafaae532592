#include "career/Profiles.h"

#include "city/Play.h"
#include "engine/Class.h"

namespace {

constexpr int kLeft = 12;
constexpr int kFirstTop = 30;
constexpr int kStep = 46;
constexpr int kWidth = kLeft + 275 + 12;

const ProfileLevel kLevel1{
    "Обучение на первом уровне",
    {{{"Математика и С++", "С++ повышается на 1 уровень, образование на 0.4. Цена: 1500р.", 1500, &Tzenx::CppCompiler,
       "Чтобы устроиться на обучение Вам необходимо иметь компилятор С++!"},
      {"Математика и Pascal", "Pascal повышается на 1 уровень, образование на 0.4. Цена: 1300р.", 1300,
       &Tzenx::PascalCompiler, "Чтобы устроиться на обучение Вам необходимо иметь компилятор Pascal!"},
      {"Веб-дизайн и РНР", "PHP повышается на 1 уровень, образование на 0.3. Цена: 1100р.", 1100, &Tzenx::PhpCompiler,
       "Чтобы устроиться на обучение Вам необходимо иметь компилятор PHP!"}}}};

const ProfileLevel kLevel2{
    "Обучение на втором уровне",
    {{{"Высшая алгебра и С++", "С++ повышается на 1.5 уровня, образование на 0.4. Цена: 2500р.", 2500,
       &Tzenx::CppCompiler, "Чтобы устроиться на обучение Вам необходимо иметь компилятор С++!"},
      {"Высшая алгебра и Pascal", "Pascal повышается на 1.5 уровня, образование на 0.4. Цена: 2300р.", 2300,
       &Tzenx::PascalCompiler, "Чтобы устроиться на обучение Вам необходимо иметь компилятор Pascal!"},
      {"Веб-дизайн и РНР", "PHP повышается на 1.5 уровня, образование на 0.3. Цена: 2100р.", 2100, &Tzenx::PhpCompiler,
       "Чтобы устроиться на обучение Вам необходимо иметь компилятор PHP!"}}}};

}  // namespace

const ProfileLevel& ProfilesOfLevel(int level) { return level == 2 ? kLevel2 : kLevel1; }

Tprofiles::Tprofiles(ui::Application& app, int level, const ProfileLevel& design)
    : Screen(app, {kWidth, kFirstTop + 3 * kStep + 2, design.title, "farm", "X", frame::Back(menu)}),
      level_(level),
      design_(design) {
  // Its title strip leaves the skins as they are.
  top->OnMouseMove = nullptr;
  AddButtons<Tprofiles>({
      {&Tprofiles::cpp, &Tprofiles::cppl, CourseButton("cpp", 0), &Tprofiles::cppClick},
      {&Tprofiles::pas, &Tprofiles::pasl, CourseButton("pas", 1), &Tprofiles::pasClick},
      {&Tprofiles::php, &Tprofiles::phpl, CourseButton("php", 2), &Tprofiles::phpClick},
  });
}

// The courses stand one under another, the profile name centred on the button.
frame::ButtonRow Tprofiles::CourseButton(const char* name, int i) const {
  const Profile& p = design_.profiles[i];
  frame::ButtonRow row{name, kLeft, kFirstTop + i * kStep, 275, 37, p.name, frame::CaptionPlace::Centred};
  row.hint = p.hint;
  return row;
}

void Tprofiles::FormCreate() {
  ResetSkins();
  ProfileAvailable = {true, true, true};
}

void Tprofiles::EnableProfile(int i, bool enabled) {
  ui::Image* const pictures[3] = {cpp, pas, php};
  ui::Label* const labels[3] = {cppl, pasl, phpl};
  pictures[i]->Enabled = enabled;
  labels[i]->Enabled = enabled;
}

void Tprofiles::Enrol(int i) {
  if (!ProfileAvailable[i]) return;  // a course is taken once in a run
  const Profile& p = design_.profiles[i];
  engine->PlayClickSound();
  if ((engine->*p.compiler).empty()) {
    engine->ShowInfoMessage(p.noCompiler);
    return;
  }
  if (!engine->SpendMoney(p.fee)) return;
  (level_ == 2 ? menu->Level2CourseOn : menu->Level1CourseOn)[i] = true;
  ProfileAvailable[i] = false;
  for (int k = 0; k < 3; ++k) EnableProfile(k, false);
  engine->Studing = true;
  engine->ShowInfoMessage(std::string("Поздравляем! Вы устроились на обучение в профиль '") + p.name + "'!");
}

void Tprofiles::EnableRemainingProfiles() {
  for (int i = 0; i < 3; ++i) {
    if (ProfileAvailable[i]) EnableProfile(i, true);
  }
}
