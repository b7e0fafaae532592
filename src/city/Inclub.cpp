#include "city/Inclub.h"

#include <cstdlib>
#include <ctime>

#include "city/Play.h"
#include "city/Travel.h"
#include "engine/Class.h"
#include "engine/LabelNumber.h"
#include "ui/StringList.h"

Tinclub* inclub = nullptr;

namespace disco {

int Bonus(int seconds, bool trackEnded, int maxFun) {
  if (seconds <= 5) return 10;
  if (seconds <= 10) return 20;
  if (seconds <= 15) return 40;
  if (seconds <= 20) return 60;
  if (seconds <= 30) return 80;
  return trackEnded ? 100 : maxFun;
}

std::vector<std::string> ReadTrackList(const std::string& path) {
  ui::StringList list;
  list.LoadFromFile(path);
  list.SetCommaText(list.Text());
  return list.Items();
}

}  // namespace disco

namespace {

// Which pictures each frame of the light show lights, f1 = 1.
const std::vector<int> kFrames[10] = {
    {1, 5, 9},  {2, 6, 10}, {3, 7, 11}, {4, 8},  {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11},
    {4, 7, 10}, {3, 6, 9},  {2, 5, 8},  {1, 11}, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11},
};

}  // namespace

Tinclub::Tinclub(ui::Application& app) : Screen(app, {560, 330, "Дискотека", nullptr, "X", frame::Back(travel)}) {
  DoubleBuffered = false;
  AddLabels<Tinclub>({
      {&Tinclub::Label1, "Label1", 12, 26, "Если прослушать музыку до конца, то настроение станет максимальным."},
      {&Tinclub::Label2, "Label2", 12, 44, "Но можно закончить прослушивание в любое время и тогда настроение будет"},
      {&Tinclub::Label3, "Label3", 12, 62, "зависеть от того, сколько времени Вы провели в клубе."},
  });
  for (ui::Label* l : {Label1, Label2, Label3}) l->Font.Size = 12;

  // Three rows of lights: four, three, four.
  const int lefts[11] = {112, 208, 304, 400, 160, 256, 352, 112, 208, 304, 400};
  const int tops[11] = {96, 96, 96, 96, 156, 156, 156, 216, 216, 216, 216};
  for (int i = 0; i < 11; ++i) {
    f[i] = new ui::Image(this);
    // 'f', not "f": GCC 12 at -O3 warns falsely of an overlapping copy in a
    // one-letter literal + std::string (-Wrestrict, GCC bug 105329).
    f[i]->Name = 'f' + std::to_string(i + 1);
    f[i]->SetBounds(lefts[i], tops[i], 48, 48);
    f[i]->Visible = false;
    frame::BindDrag(f[i]);
  }

  exit = frame::MakeLabel(this, "exit", 0, 292, "Уйти с дискотеки...");
  exit->Font.Color = ui::clRed;
  exit->Font.Style = ui::fsBold | ui::fsUnderline;
  exit->PlaceBySize([](ui::Label& l) { l.Left = 560 - 16 - l.Width; });
  exit->Cursor = ui::Cursor::HandPoint;
  exit->OnMouseDown = [](ui::Control& c, ui::MouseButton, ui::ShiftState, int, int) { c.Font.Color = ui::clBlue; };
  exit->OnMouseUp = [](ui::Control& c, ui::MouseButton, ui::ShiftState, int, int) { c.Font.Color = ui::clRed; };
  exit->OnClick = [this](ui::Control&) { exitClick(); };

  mp = new ui::MediaPlayer(this);
  mp->Name = "mp";
  frame::AddTimers(this, {
                             {&Tinclub::t_on_end, "t_on_end", 1000, &Tinclub::t_on_endTimer},
                             {&Tinclub::fun_timer, "fun_timer", 1000, &Tinclub::fun_timerTimer},
                         });
  // 's', not "s": GCC bug 105329, as for the frames above.
  for (int i = 0; i < 10; ++i) {
    s[i] = frame::MakeTimer(this, 's' + std::to_string(i + 1), 500, [this, i] { FrameTimer(i + 1); });
  }
  DragBy({Label1, Label2, Label3});
}

void Tinclub::FormCreate() {
  std::srand(static_cast<unsigned>(std::time(nullptr)));
  SecondsCap = 35;
  Bonus = 0;
  Seconds = 0;
  for (int i = 0; i < 11; ++i) {
    // A missing light stays dark; the show goes on without it.
    try {
      f[i]->Picture.LoadFromFile(engine->ImagesPath + "inclub_f" + std::to_string(i + 1) + ".bmp");
    } catch (const std::exception&) {
    }
  }
}

bool Tinclub::PrepareVisit() {
  std::vector<std::string> entries;
  try {
    entries = disco::ReadTrackList(engine->MusicPath + "clublist.txt");
  } catch (const std::exception&) {
    return false;
  }
  mp->FileName = "";
  const size_t n = entries.size();
  if (n == 0) return false;
  const size_t index = static_cast<size_t>(std::rand()) % n;
  if (entries[index].empty()) return false;
  mp->FileName = engine->MusicPath + entries[index];
  try {
    mp->Open();
  } catch (const ui::EMCIDeviceError&) {
    mp->FileName = "";
    return false;
  }
  return true;
}

void Tinclub::FormShow() {
  // A track that could not start ends the visit at the first watch.
  if (mp->Mode() != ui::MediaMode::NotReady) mp->Play();
  close->Visible = false;
  t_on_end->Enabled = true;
  s[0]->Enabled = true;
  fun_timer->Enabled = true;
}

void Tinclub::fun_timerTimer() {
  if (Seconds > SecondsCap) {
    fun_timer->Enabled = false;
  } else {
    Seconds += 1;
  }
}

void Tinclub::FrameTimer(int frame) {
  std::array<bool, 11> lit{};
  for (int picture : kFrames[frame - 1]) lit[picture - 1] = true;
  for (int i = 0; i < 11; ++i) f[i]->Visible = lit[i];
  s[frame - 1]->Enabled = false;
  s[frame % 10]->Enabled = true;
}

// The mood of the visit: worked out from its seconds, added, shown on the game screen.
void Tinclub::AddBonus(bool trackEnded) {
  Bonus = disco::Bonus(Seconds, trackEnded, engine->MaxFun);
  engine->Fun += Bonus;
  menu->funny->Caption = labels::Unsigned(engine->Fun);
}

// The lights go out, the player hears of the mood and is back at travel, and
// the next visit counts from nothing.
void Tinclub::EndVisit() {
  for (ui::Timer* t : s) t->Enabled = false;
  for (ui::Image* picture : f) picture->Visible = false;
  closeClick();
  Seconds = 0;
  Bonus = 0;
  fun_timer->Enabled = false;
}

void Tinclub::t_on_endTimer() {
  if (mp->Mode() == ui::MediaMode::Playing) return;
  mp->FileName = "";
  t_on_end->Enabled = false;
  engine->Fun = labels::ReadCount(menu->funny);
  AddBonus(true);
  EndVisit();
}

// No click sound: the way out makes none.
void Tinclub::exitClick() {
  AddBonus(false);
  mp->Stop();
  mp->FileName = "";
  t_on_end->Enabled = false;
  EndVisit();
}

void Tinclub::closeClick() {
  engine->ShowInfoMessage("Ваше настроение повысилось на " + std::to_string(Bonus) + "%!");
  engine->PlayCloseSound();
  Hide();
  travel->Show();
}
