#include "city/Play.h"

#include <utility>

#include "career/Find_work.h"
#include "career/Now_work.h"
#include "career/Study_level.h"
#include "city/Afisha.h"
#include "city/CanCar.h"
#include "city/Devkomp.h"
#include "city/Lines.h"
#include "city/Person.h"
#include "city/Travel.h"
#include "development/Devgame.h"
#include "development/Devm.h"
#include "development/Progress.h"
#include "engine/Class.h"
#include "engine/LabelNumber.h"
#include "engine/Main.h"
#include "hardware/Computer.h"
#include "platform/Conversions.h"
#include "ui/Application.h"

Tmenu* menu = nullptr;

namespace {
const ui::Color kValueColor{255, 214, 102};
// The right panel of the backdrop, 578 to 750: the buttons stand in its middle.
constexpr int kNavLeft = 589;
constexpr int kNavTop = 42;
constexpr int kNavStep = 52;
constexpr int kQuickTop = kNavTop + 8 * kNavStep + 12;
// The left panel, 6 to 328: captions, then their values.
constexpr int kCaptionLeft = 24;
constexpr int kValueLeft = 148;
constexpr int kPanelRight = 322;

// When the resume starts a timer: always, or while a flag of the screen is
// set. A timer without a rule is the course year's choice (SelectCourseTimer).
using RunRule = bool (*)(const Tmenu&);
bool Always(const Tmenu&) { return true; }
template <bool Tmenu::*flag>
bool While(const Tmenu& m) {
  return m.*flag;
}
template <bool (Tmenu::*flags)[3], int i>
bool WhileAt(const Tmenu& m) {
  return (m.*flags)[i];
}

// The pause and the resume take the timers in three waves: the day clock and
// the decay; the calendars and education; then, once the window messages
// already queued have been handled, the year of study, the courses and the
// development runs.
enum class Wave { Clock, Calendars, Studies };

// One timer of game time: its member, name, interval and handler, its wave
// and when the resume starts it. The table's order is the order of creation,
// of the pause and of the resume.
struct TimerLine {
  ui::Timer* Tmenu::*timer;
  const char* name;
  int interval;
  void (Tmenu::*tick)();
  Wave wave;
  RunRule runs;
};

const TimerLine kTimers[] = {
    {&Tmenu::tfun, "tfun", 2000, &Tmenu::tfunTimer, Wave::Clock, Always},
    {&Tmenu::thp, "thp", 2900, &Tmenu::thpTimer, Wave::Clock, Always},
    {&Tmenu::ttime, "ttime", 1500, &Tmenu::ttimeTimer, Wave::Clock, Always},
    {&Tmenu::devt1, "devt1", 1200, &Tmenu::devt1Timer, Wave::Calendars, While<&Tmenu::Devt1On>},
    {&Tmenu::devt2, "devt2", 1200, &Tmenu::devt2Timer, Wave::Calendars, While<&Tmenu::Devt2On>},
    {&Tmenu::devt3, "devt3", 1200, &Tmenu::devt3Timer, Wave::Calendars, While<&Tmenu::Devt3On>},
    {&Tmenu::soft1, "soft1", 1200, &Tmenu::soft1Timer, Wave::Calendars, While<&Tmenu::Soft1On>},
    {&Tmenu::soft2, "soft2", 1200, &Tmenu::soft2Timer, Wave::Calendars, While<&Tmenu::Soft2On>},
    {&Tmenu::umTimer, "umTimer", 2500, &Tmenu::umTimerTimer, Wave::Calendars, Always},
    {&Tmenu::twork, "twork", 1200, &Tmenu::tworkTimer, Wave::Calendars, While<&Tmenu::TworkOn>},
    {&Tmenu::cpp, "cpp", 11000, &Tmenu::cppTimer, Wave::Studies, nullptr},
    {&Tmenu::pas, "pas", 11000, &Tmenu::pasTimer, Wave::Studies, nullptr},
    {&Tmenu::php, "php", 11000, &Tmenu::phpTimer, Wave::Studies, nullptr},
    {&Tmenu::cpp1level, "cpp1level", 4500, &Tmenu::cpp1levelTimer, Wave::Studies, WhileAt<&Tmenu::Level1CourseOn, 0>},
    {&Tmenu::pas1level, "pas1level", 4500, &Tmenu::pas1levelTimer, Wave::Studies, WhileAt<&Tmenu::Level1CourseOn, 1>},
    {&Tmenu::php1level, "php1level", 4500, &Tmenu::php1levelTimer, Wave::Studies, WhileAt<&Tmenu::Level1CourseOn, 2>},
    {&Tmenu::cpp2level, "cpp2level", 6750, &Tmenu::cpp2levelTimer, Wave::Studies, WhileAt<&Tmenu::Level2CourseOn, 0>},
    {&Tmenu::pas2level, "pas2level", 6750, &Tmenu::pas2levelTimer, Wave::Studies, WhileAt<&Tmenu::Level2CourseOn, 1>},
    {&Tmenu::php2level, "php2level", 6750, &Tmenu::php2levelTimer, Wave::Studies, WhileAt<&Tmenu::Level2CourseOn, 2>},
    {&Tmenu::ddoc_timer, "ddoc_timer", 1500, &Tmenu::ddoc_timerTimer, Wave::Studies, While<&Tmenu::DdocActive>},
    {&Tmenu::sgDevTimer, "sgDevTimer", 1500, &Tmenu::sgDevTimerTimer, Wave::Studies, While<&Tmenu::DevActive>},
};

// Stopping a timer has no other effect, so the pause takes a wave in any order.
void Stop(Tmenu& m, Wave wave) {
  for (const TimerLine& row : kTimers) {
    if (row.wave == wave) (m.*row.timer)->Enabled = false;
  }
}

void Start(Tmenu& m, Wave wave) {
  for (const TimerLine& row : kTimers) {
    if (row.wave == wave && row.runs != nullptr && row.runs(m)) (m.*row.timer)->Enabled = true;
  }
}

}  // namespace

Tmenu::Tmenu(ui::Application& app)
    : Screen(app, {756, 566, "Игра \"Зендрикс 2\"", "main", "Х", nullptr, SkinSet::Mode::Solo}) {
  // The backdrop fills the window under the frame's title and close label.
  wnd = new ui::Image(this);
  wnd->Name = "wnd";
  wnd->SetBounds(0, 0, 756, 566);
  wnd->SendToBack();
  close->Hint = "Выход в главное меню";
  // Over the title strip the buttons keep their skins.
  top->OnMouseMove = nullptr;
  min = frame::MakeCloseLabel(this, "_", 726);
  min->Name = "min";
  min->Hint = "Свернуть игру";
  ico = new ui::Image(this);
  ico->Name = "ico";
  ico->SetBounds(1, 0, 17, 18);
  ico->Hint = "Информация и мини-игра";
  pm = new ui::PopupMenu(this);
  pm->Add("Информация");
  pm->Add("-");
  N7 = pm->Add("Мини-игра");
  N7->Name = "N7";
  ico->PopupMenu = pm;
  // The column of the player's state: section headings, captions, values.
  // A heading is bold, a value gold; a long text ends at the panel's edge.
  enum class Look { Heading, Caption, LongCaption, Value, LongValue };
  struct LabelRow {
    ui::Label*& label;
    const char* name;
    int left;
    int top;
    const char* caption;
    Look look;
    const char* hint;
  };
  const int C = kCaptionLeft, I = kCaptionLeft + 16, V = kValueLeft;
  const LabelRow labels[] = {
      {Label1, "Label1", C, 36, "Личные данные:", Look::Heading, "Имя, фамилия и ник персонажа"},
      {name, "name", I, 58, "Имя:", Look::LongCaption, ""},
      {sname, "sname", I, 78, "Фамилия:", Look::LongCaption, ""},
      {nick, "nick", I, 98, "Ник:", Look::LongCaption, ""},
      {Label2, "Label2", C, 132, "Состояние:", Look::Heading, "Здоровье, настроение, статус, опыт, деньги и жильё"},
      {Label3, "Label3", I, 154, "Здоровье:", Look::Caption, "Здоровье: когда оно дойдёт до нуля, игра закончится"},
      {hp, "hp", V, 154, "----", Look::Value, ""},
      {Label4, "Label4", I, 174, "Настроение:", Look::Caption, "Настроение: когда оно дойдёт до нуля, игра закончится"},
      {funny, "funny", V, 174, "----", Look::Value, ""},
      {Label5, "Label5", I, 194, "Статус:", Look::Caption, "Ваш статус"},
      {status, "status", V, 194, "----", Look::LongValue, ""},
      {Label6, "Label6", I, 214, "Опыт:", Look::Caption, "Накопленный опыт"},
      {xp, "xp", V, 214, "10", Look::Value, ""},
      {Label11, "Label11", I, 234, "Деньги:", Look::Caption, "Наличные деньги в рублях"},
      {money, "money", V, 234, "----", Look::Value, ""},
      {Label17, "Label17", I, 254, "Квартира:", Look::Caption, ""},  // its hint names the flat
      {home, "home", V, 254, "----", Look::LongValue, ""},
      {Label7, "Label7", C, 288, "Работа:", Look::Heading, "Учёба и работа"},
      {Label8, "Label8", I, 310, "Род занятий:", Look::Caption, "Чем Вы сейчас заняты"},
      {mark, "mark", V, 310, "----", Look::LongValue, ""},
      {Label9, "Label9", I, 330, "Профессия:", Look::Caption, "Ваша должность"},
      {office, "office", V, 330, "----", Look::LongValue, ""},
      {Label10, "Label10", I, 350, "Зарплата:", Look::Caption, "Зарплата, которую Вы получаете в день зарплаты"},
      {zp, "zp", V, 350, "0", Look::Value, ""},
      {stipendiya, "stipendiya", I, 370, "Стипендия: 350 руб.", Look::Caption, ""},
      {Label12, "Label12", C, 404, "Другое:", Look::Heading, "Игровой календарь"},
      {Label13, "Label13", I, 426, "День:", Look::Caption, "День месяца"},
      {day, "day", V, 426, "2", Look::Value, ""},
      {Label14, "Label14", I, 446, "День недели:", Look::Caption, "День недели"},
      {dow, "dow", V, 446, "Среда", Look::Value, ""},
      {Label15, "Label15", I, 466, "Месяц:", Look::Caption, "Месяц"},
      {month, "month", V, 466, "Сентябрь", Look::Value, ""},
      {Label16, "Label16", I, 486, "Год:", Look::Caption, "Год"},
      {year, "year", V, 486, "2006", Look::Value, ""},
  };
  for (const LabelRow& row : labels) {
    row.label = frame::MakeLabel(this, row.name, row.left, row.top, row.caption);
    row.label->Hint = row.hint;
    if (row.look == Look::Heading) row.label->Font.Style = ui::fsBold;
    if (row.look == Look::Value || row.look == Look::LongValue) row.label->Font.Color = kValueColor;
    if (row.look == Look::LongCaption || row.look == Look::LongValue) {
      row.label->AutoSize = false;
      row.label->SetBounds(row.left, row.top, kPanelRight - row.left, 16);
    }
    frame::BindDrag(row.label);
  }
  smile = new ui::Image(this);
  smile->Name = "smile";
  smile->SetBounds(C - 14, 170, 25, 25);  // at the left of the mood's row
  smile->Transparent = true;
  ver = frame::MakeLabel(this, "ver", 0, 540, "Зендрикс 2, бета-версия (3)");
  ver->Font.Size = 11;
  ver->PlaceBySize([](ui::Label& l) { l.Left = kNavLeft + 75 - l.Width / 2; });

  // The navigation buttons, one under another; over and press change only
  // the button concerned (FormCreate centres the captions on their skins).
  // The quick buttons under them have their own bitmaps.
  auto nav = [](int row, const char* name, const char* caption, const char* labelName = nullptr) {
    const int y = kNavTop + row * kNavStep;
    return frame::ButtonRow{name, kNavLeft, y, 200, 37, caption, frame::CaptionPlace::At, 9, kNavLeft + 20, labelName};
  };
  auto quick = [](int offset, const char* name, const char* skin, const char* hint) {
    frame::ButtonRow look{name, kNavLeft + 75 + offset, kQuickTop, 32, 32, nullptr};
    look.skin = skin;
    look.hint = hint;
    return look;
  };
  AddButtons<Tmenu>({
      {&Tmenu::trav, &Tmenu::travell, nav(0, "trav", "Поездка", "travell"), &Tmenu::travClick},
      {&Tmenu::computer, &Tmenu::computerl, nav(1, "computer", "Мой компьютер"), &Tmenu::computerClick},
      {&Tmenu::player, &Tmenu::playerl, nav(2, "player", "Персонаж"), &Tmenu::playerClick},
      {&Tmenu::work, &Tmenu::workl, nav(3, "work", "Работа"), &Tmenu::workClick},
      {&Tmenu::teach, &Tmenu::teachl, nav(4, "teach", "Обучение"), &Tmenu::teachClick},
      {&Tmenu::dev, &Tmenu::devl, nav(5, "dev", "Разработка"), &Tmenu::devClick},
      {&Tmenu::bill, &Tmenu::billl, nav(6, "bill", "Афиша"), &Tmenu::billClick},
      {&Tmenu::main, &Tmenu::mainl, nav(7, "main", "Главное меню"), &Tmenu::mainClick},
      {&Tmenu::qsettins, nullptr, quick(-56, "qsettins", "qs.bmp", "Настройки игры"), &Tmenu::qsettinsClick},
      {&Tmenu::qload, nullptr, quick(-16, "qload", "ql.bmp", "Загрузка игры"), &Tmenu::qloadClick},
      {&Tmenu::qexit, nullptr, quick(24, "qexit", "qe.bmp", "Выход из игры"), &Tmenu::qexitClick},
  });
  // A press on the window, the state's labels, the mood picture or the
  // version line drags the window; the icon's press belongs to its menu.
  DragBy({wnd, smile, ver});
  ResetSkinsOver({wnd, ver});

  min->OnClick = [this](ui::Control&) { minClick(); };
  ico->OnClick = [this](ui::Control&) { icoClick(); };
  N7->OnClick = [this](ui::Control&) { N7Click(); };

  for (const TimerLine& row : kTimers) {
    auto* timer = new ui::Timer(this);
    timer->Name = row.name;
    timer->Enabled = false;
    timer->Interval = row.interval;
    timer->OnTimer = [this, tick = row.tick](ui::Control&) { (this->*tick)(); };
    this->*row.timer = timer;
  }

  OnKeyDown = [this](ui::Control&, int& key, ui::ShiftState shift) { FormKeyDown(key, shift); };
  OnCloseQuery = [this](ui::Control&, bool& canClose) { FormCloseQuery(canClose); };
  OnHide = [this](ui::Control&) { FormHide(); };
}

void Tmenu::FormCreate() {
  CourseYear = 1;
  Devt1On = true, Devt2On = false, Devt3On = false;
  NewYearDone = false;
  YearShownEarly = false;
  NewYearShown = false;
  Soft1On = true, Soft2On = false;
  TworkOn = true;
  MoodWarned = false, HealthWarned = false;
  AttendsUniversity = true;
  GameEnding = false;
  UmTicks = 0;
  for (int i = 0; i < 3; ++i) {
    Level1CourseOn[i] = Level2CourseOn[i] = false;
    Level1CourseTicks[i] = Level2CourseTicks[i] = 0;
  }
  PayDay = 0;
  DdocLength = DdocDay = 0;
  ProjectKind.clear();
  DdocActive = false;
  DevSteps = DevStep = 0;
  DevActive = false;
  DevLanguage.clear();
  DevName.clear();

  wnd->Picture.LoadFromFile(engine->ImagesPath + "zenx.jpg");
  ResetSkins();
  // The captions are black and centred on their buttons, now that the skins
  // gave the buttons their size.
  const std::pair<ui::Image*, ui::Label*> nav[] = {{trav, travell}, {computer, computerl}, {player, playerl},
                                                   {work, workl},   {teach, teachl},       {dev, devl},
                                                   {bill, billl},   {main, mainl}};
  for (const auto& [picture, label] : nav) {
    label->Font.Color = ui::clBlack;
    const ui::Rect box{picture->Left, picture->Top, picture->Width, picture->Height};
    label->PlaceBySize([box](ui::Label& l) {
      l.Left = box.left + (box.width - l.Width) / 2;
      l.Top = box.top + (box.height - l.Height) / 2;
    });
  }
  ico->Picture.LoadFromFile(engine->ImagesPath + "menu_ico.bmp");
}

void Tmenu::StopGameTimers() {
  Stop(*this, Wave::Clock);
  try {
    engine->Money = labels::ReadAmount(money);
    if (canCar->Learning) canCar->timer->Enabled = false;
  } catch (const std::exception&) {
    engine->WriteLog("Игра вырублена через: ПКМ->Закрыть");
  }
  engine->ShowHomeInfo();
  engine->ApplyHomeMaxMood();
  Stop(*this, Wave::Calendars);
  App().ProcessMessages();
  Stop(*this, Wave::Studies);
}

void Tmenu::StartGameTimers() {
  Start(*this, Wave::Clock);
  engine->OnGame = true;
  engine->OnPlay = true;
  canCar->timer->Enabled = canCar->Learning;
  engine->ShowHomeInfo();
  engine->ApplyHomeMaxMood();
  engine->Money = labels::ReadAmount(money);
  money->Caption = labels::Unsigned(engine->Money);
  funny->Caption = labels::Unsigned(engine->Fun);
  hp->Caption = labels::Unsigned(engine->Health);
  Start(*this, Wave::Calendars);
  App().ProcessMessages();
  SelectCourseTimer();
  Start(*this, Wave::Studies);
}

void Tmenu::FormShow() {
  ShowMoodIcon();
  nick->Caption = "Ник: " + engine->PlayerNick;
  name->Caption = "Имя: " + engine->PlayerName;
  sname->Caption = "Фамилия: " + engine->PlayerSurname;
  hp->Caption = labels::Unsigned(engine->Health);
  funny->Caption = labels::Unsigned(engine->Fun);
  status->Caption = engine->Status;
  xp->Caption = labels::Unsigned(engine->Xp);
  money->Caption = labels::Unsigned(engine->Money);
  mark->Caption = engine->Mark;
  office->Caption = engine->Office;
  zp->Caption = labels::Unsigned(engine->Zp);
  StartGameTimers();
  engine->ShowHomeInfo();
  UpdateCourseYear();
  ClampMood();
  SelectCourseTimer();
  engine->OnGame = true;
  // While a design document is being written the button rests.
  dev->Enabled = engine->Computer && !DdocActive;
  devl->Enabled = engine->Computer && !DdocActive;
}

void Tmenu::FormHide() {
  if (!GameEnding) StopGameTimers();
  engine->OnGame = false;
}

void Tmenu::ClampMood() {
  const int mood = labels::ReadCount(funny);
  if (engine->MaxFun < mood) funny->Caption = platform::IntToStr(engine->MaxFun);
}

void Tmenu::ShowMoodIcon() {
  const int fun = engine->Fun;
  const char* file = nullptr;
  if (fun >= 75 && fun <= 100) {
    file = "high.bmp";
  } else if (fun >= 50 && fun <= 74) {
    file = "good.bmp";
  } else if (fun >= 25 && fun <= 49) {
    file = "middle.bmp";
  } else if (fun >= 0 && fun <= 24) {
    file = "bad.bmp";
  }
  if (file == nullptr) return;
  // Read from disk when the mood moves to another picture; the decay timer
  // asks every two seconds for the one already shown.
  const std::string path = engine->ImagesPath + file;
  if (smile->Picture.FileName() != path) smile->Picture.LoadFromFile(path);
}

// --- navigation ---

void Tmenu::travClick() {
  frame::HideThenShow(this, travel);
  StopGameTimers();
}

void Tmenu::computerClick() { frame::HideThenShow(this, comp); }
void Tmenu::playerClick() { frame::HideThenShow(this, person); }
void Tmenu::billClick() { frame::HideThenShow(this, afisha); }
void Tmenu::teachClick() { frame::ShowThenHide(this, teach_lev); }

void Tmenu::workClick() {
  engine->PlayClickSound();
  if (workl->Caption == "Работа") {
    fwork->Show();
    Hide();
  } else if (workl->Caption == "На работе...") {
    nwork->Show();
    nwork->mark->Caption = engine->Mark;
    nwork->office->Caption = engine->Office;
    nwork->zp->Caption = platform::IntToStr(engine->Zp);
    Hide();
  }
}

// The development label's caption says how far the game project has come.
void Tmenu::devClick() {
  engine->PlayClickSound();
  const std::pair<const char*, ui::Form*> by[] = {
      {"Разработка", devmenu}, {"Разработка игры", gameDev}, {"Разработка игры...", devProgress}};
  for (const auto& [caption, next] : by) {
    if (devl->Caption != caption) continue;
    Hide();
    next->Show();
    return;
  }
}

void Tmenu::mainClick() { LeaveForMainMenu(&Tzenx::PlayClickSound); }
void Tmenu::closeClick() { LeaveForMainMenu(&Tzenx::PlayCloseSound); }

void Tmenu::LeaveForMainMenu(void (Tzenx::*sound)()) {
  (engine->*sound)();
  StopGameTimers();
  Hide();
  Form1->Show();
  engine->OnGame = false;
  engine->OnPlay = true;
}

void Tmenu::minClick() {
  engine->PlayCloseSound();
  App().Minimize();
}

void Tmenu::qsettinsClick() { engine->PlayClickSound(); }
void Tmenu::qloadClick() { engine->PlayClickSound(); }
void Tmenu::qexitClick() { Form1->closeClick(); }

// A left click opens the menu in the screen's top left corner; a right click
// opens it at the mouse through the icon's popup binding.
void Tmenu::icoClick() { pm->Popup(1, 1); }

void Tmenu::N7Click() {
  engine->PlayClickSound();
  lines->Show();
  lines->line->Position = 100;
  lines->t->Caption = "30";
  lines->time->Enabled = false;
  lines->ttime->Enabled = false;
  Hide();
  StopGameTimers();
}

void Tmenu::FormKeyDown(int& key, ui::ShiftState shift) {
  if (!(shift & ui::ssAlt)) return;
  if (key == 'K') {
    StopGameTimers();
    devkomp->ShowModal();
  } else if (key == 'S') {
    // A ready kit at fixed prices, each part bought on its own.
    engine->BuyDevice(2400, engine->Hdd2, "винчестер");
    engine->BuyDevice(1780, engine->Mb1i, "материнская плата");
    engine->BuyDevice(4000, engine->Mon1, "монитор");
    engine->BuyDevice(2100, engine->Pr1i, "процессор");
    engine->BuyDevice(680, engine->Ram1, "озу");
    engine->BuyDevice(3400, engine->Vid1g, "видео");
  }
}

void Tmenu::FormCloseQuery(bool& canClose) {
  const int answer = App().MessageBox("Вы действительно хотите выйти? \n Весь прогресс будет потерян.", "Завершение",
                                      ui::MB_YESNO | ui::MB_ICONQUESTION);
  canClose = answer == ui::IDYES;
  if (canClose) App().Terminate();
}
