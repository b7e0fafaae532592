#include "city/Inclub.h"

#include <cstdlib>
#include <ctime>

#include "city/Play.h"
#include "city/Travel.h"
#include "engine/Class.h"
#include "engine/Frame.h"
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

Tinclub::Tinclub(ui::Application& app) : ui::Form(app) {
  frame::UseScreenLook(this, 560, 330);
  Position = ui::FormPosition::ScreenCenter;

  top = frame::MakeTitle(this, "Дискотека");
  close = frame::MakeCloseLabel(this, "X", 545);
  close->OnClick = [this](ui::Control&) { closeClick(); };
  Label1 =
      frame::MakeLabel(this, "Label1", 12, 26, "Если прослушать музыку до конца, то настроение станет максимальным.");
  Label2 = frame::MakeLabel(this, "Label2", 12, 44,
                            "Но можно закончить прослушивание в любое время и тогда настроение будет");
  Label3 = frame::MakeLabel(this, "Label3", 12, 62, "зависеть от того, сколько времени Вы провели в клубе.");
  for (ui::Label* l : {Label1, Label2, Label3}) l->Font.Size = 12;

  // Three rows of lights: four, three, four.
  const int lefts[11] = {112, 208, 304, 400, 160, 256, 352, 112, 208, 304, 400};
  const int tops[11] = {96, 96, 96, 96, 156, 156, 156, 216, 216, 216, 216};
  for (int i = 0; i < 11; ++i) {
    f[i] = new ui::Image(this);
    f[i]->Name = "f" + std::to_string(i + 1);
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
  auto timer = [this](const std::string& name, int interval, std::function<void()> tick) {
    auto* t = new ui::Timer(this);
    t->Name = name;
    t->Enabled = false;
    t->Interval = interval;
    t->OnTimer = [tick = std::move(tick)](ui::Control&) { tick(); };
    return t;
  };
  t_on_end = timer("t_on_end", 1000, [this] { t_on_endTimer(); });
  fun_timer = timer("fun_timer", 1000, [this] { fun_timerTimer(); });
  for (int i = 0; i < 10; ++i) s[i] = timer("s" + std::to_string(i + 1), 500, [this, i] { FrameTimer(i + 1); });

  for (ui::Control* c : std::initializer_list<ui::Control*>{this, Label1, Label2, Label3}) frame::BindDrag(c);
  OnCreate = [this](ui::Control&) { FormCreate(); };
  OnShow = [this](ui::Control&) { FormShow(); };
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

void Tinclub::StopShow() {
  for (ui::Timer* t : s) t->Enabled = false;
  for (ui::Image* picture : f) picture->Visible = false;
}

void Tinclub::t_on_endTimer() {
  if (mp->Mode() == ui::MediaMode::Playing) return;
  mp->FileName = "";
  t_on_end->Enabled = false;
  engine->Fun = labels::ReadCount(menu->funny);
  Bonus = disco::Bonus(Seconds, true, engine->MaxFun);
  engine->Fun += Bonus;
  menu->funny->Caption = labels::Unsigned(engine->Fun);
  StopShow();
  closeClick();
  Seconds = 0;
  Bonus = 0;
  fun_timer->Enabled = false;
}

// No click sound: the way out makes none.
void Tinclub::exitClick() {
  Bonus = disco::Bonus(Seconds, false, engine->MaxFun);
  engine->Fun += Bonus;
  menu->funny->Caption = labels::Unsigned(engine->Fun);
  mp->Stop();
  mp->FileName = "";
  t_on_end->Enabled = false;
  StopShow();
  closeClick();
  Bonus = 0;
  Seconds = 0;
  fun_timer->Enabled = false;
}

void Tinclub::closeClick() {
  engine->ShowInfoMessage("Ваше настроение повысилось на " + std::to_string(Bonus) + "%!");
  engine->PlayCloseSound();
  Hide();
  travel->Show();
}
