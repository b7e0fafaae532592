#include "city/Play.h"

#include <algorithm>

#include "career/Find_work.h"
#include "career/Now_work.h"
#include "career/Study_level.h"
#include "city/Afisha.h"
#include "city/CanCar.h"
#include "city/Devkomp.h"
#include "city/GameCalendar.h"
#include "city/Lines.h"
#include "city/Person.h"
#include "city/Sanatory.h"
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

// An index outside its list wraps round, so the calendar goes on in order
// from wherever an inconsistent start left it.
int Wrap(int index, int size) { return ((index % size) + size) % size; }

}  // namespace

ui::Timer* Tmenu::MakeTimer(const char* timerName, int interval, void (Tmenu::*handler)()) {
  auto* timer = new ui::Timer(this);
  timer->Name = timerName;
  timer->Enabled = false;
  timer->Interval = interval;
  timer->OnTimer = [this, handler](ui::Control&) { (this->*handler)(); };
  return timer;
}

Tmenu::Tmenu(ui::Application& app) : ui::Form(app) {
  frame::UseScreenLook(this, 756, 566);

  wnd = new ui::Image(this);
  wnd->Name = "wnd";
  wnd->SetBounds(0, 0, 756, 566);
  top = frame::MakeTitle(this, "Игра \"Зендрикс 2\"");
  close = frame::MakeCloseLabel(this, "Х", 741);
  close->Hint = "Выход в главное меню";
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
  struct NavRow {
    ui::Image*& picture;
    ui::Label*& label;
    const char* name;
    const char* labelName;
    const char* caption;
    void (Tmenu::*click)();
  };
  const NavRow nav[] = {
      {trav, travell, "trav", "travell", "Поездка", &Tmenu::travClick},
      {computer, computerl, "computer", "computerl", "Мой компьютер", &Tmenu::computerClick},
      {player, playerl, "player", "playerl", "Персонаж", &Tmenu::playerClick},
      {work, workl, "work", "workl", "Работа", &Tmenu::workClick},
      {teach, teachl, "teach", "teachl", "Обучение", &Tmenu::teachClick},
      {dev, devl, "dev", "devl", "Разработка", &Tmenu::devClick},
      {bill, billl, "bill", "billl", "Афиша", &Tmenu::billClick},
      {main, mainl, "main", "mainl", "Главное меню", &Tmenu::mainClick},
  };
  int navTop = kNavTop;
  for (const NavRow& row : nav) {
    const frame::Button made = frame::MakeButton(this, &navSkins_,
                                                 {.name = row.name,
                                                  .left = kNavLeft,
                                                  .top = navTop,
                                                  .width = 200,
                                                  .height = 37,
                                                  .caption = row.caption,
                                                  .place = frame::CaptionPlace::At,
                                                  .captionDown = 9,
                                                  .captionLeft = kNavLeft + 20,
                                                  .labelName = row.labelName},
                                                 [this, click = row.click] { (this->*click)(); });
    row.picture = made.picture;
    row.label = made.label;
    navTop += kNavStep;
  }

  // The quick buttons under them, with their own bitmaps.
  struct QuickRow {
    ui::Image*& picture;
    const char* name;
    int left;
    const char* skin;
    const char* hint;
    void (Tmenu::*click)();
  };
  const QuickRow quick[] = {
      {qsettins, "qsettins", kNavLeft + 75 - 56, "qs.bmp", "Настройки игры", &Tmenu::qsettinsClick},
      {qload, "qload", kNavLeft + 75 - 16, "ql.bmp", "Загрузка игры", &Tmenu::qloadClick},
      {qexit, "qexit", kNavLeft + 75 + 24, "qe.bmp", "Выход из игры", &Tmenu::qexitClick},
  };
  for (const QuickRow& row : quick) {
    row.picture = frame::MakeButton(this, &navSkins_,
                                    {.name = row.name,
                                     .left = row.left,
                                     .top = kQuickTop,
                                     .width = 32,
                                     .height = 32,
                                     .caption = nullptr,
                                     .skin = row.skin},
                                    [this, click = row.click] { (this->*click)(); })
                      .picture;
    row.picture->Hint = row.hint;
  }

  close->OnClick = [this](ui::Control&) { closeClick(); };
  min->OnClick = [this](ui::Control&) { minClick(); };
  ico->OnClick = [this](ui::Control&) { icoClick(); };
  N7->OnClick = [this](ui::Control&) { N7Click(); };

  tfun = MakeTimer("tfun", 2000, &Tmenu::tfunTimer);
  thp = MakeTimer("thp", 2900, &Tmenu::thpTimer);
  ttime = MakeTimer("ttime", 1500, &Tmenu::ttimeTimer);
  devt1 = MakeTimer("devt1", 1200, &Tmenu::devt1Timer);
  devt2 = MakeTimer("devt2", 1200, &Tmenu::devt2Timer);
  devt3 = MakeTimer("devt3", 1200, &Tmenu::devt3Timer);
  soft1 = MakeTimer("soft1", 1200, &Tmenu::soft1Timer);
  soft2 = MakeTimer("soft2", 1200, &Tmenu::soft2Timer);
  umTimer = MakeTimer("umTimer", 2500, &Tmenu::umTimerTimer);
  twork = MakeTimer("twork", 1200, &Tmenu::tworkTimer);
  cpp = MakeTimer("cpp", 11000, &Tmenu::cppTimer);
  pas = MakeTimer("pas", 11000, &Tmenu::pasTimer);
  php = MakeTimer("php", 11000, &Tmenu::phpTimer);
  cpp1level = MakeTimer("cpp1level", 4500, &Tmenu::cpp1levelTimer);
  pas1level = MakeTimer("pas1level", 4500, &Tmenu::pas1levelTimer);
  php1level = MakeTimer("php1level", 4500, &Tmenu::php1levelTimer);
  cpp2level = MakeTimer("cpp2level", 6750, &Tmenu::cpp2levelTimer);
  pas2level = MakeTimer("pas2level", 6750, &Tmenu::pas2levelTimer);
  php2level = MakeTimer("php2level", 6750, &Tmenu::php2levelTimer);
  ddoc_timer = MakeTimer("ddoc_timer", 1500, &Tmenu::ddoc_timerTimer);
  sgDevTimer = MakeTimer("sgDevTimer", 1500, &Tmenu::sgDevTimerTimer);

  OnKeyDown = [this](ui::Control&, int& key, ui::ShiftState shift) { FormKeyDown(key, shift); };
  OnCloseQuery = [this](ui::Control&, bool& canClose) { FormCloseQuery(canClose); };
  OnCreate = [this](ui::Control&) { FormCreate(); };
  OnShow = [this](ui::Control&) { FormShow(); };
  OnHide = [this](ui::Control&) { FormHide(); };
}

void Tmenu::FormCreate() {
  CourseYear = 1;
  Devt1On = true, Devt2On = false, Devt3On = false;
  NewYearDone = false;
  YearTurnedByStay = false;
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

  for (ui::Label* l : {travell, computerl, playerl, workl, teachl, devl, billl, mainl}) l->Font.Color = ui::clBlack;
  DoubleBuffered = true;
  wnd->Picture.LoadFromFile(engine->ImagesPath + "zenx.jpg");
  LoadNavSkins();
  // Centre the captions on the buttons now that the skins gave their size.
  const std::pair<ui::Image*, ui::Label*> nav[] = {{trav, travell}, {computer, computerl}, {player, playerl},
                                                   {work, workl},   {teach, teachl},       {dev, devl},
                                                   {bill, billl},   {main, mainl}};
  for (const auto& [picture, label] : nav) {
    const ui::Rect box{picture->Left, picture->Top, picture->Width, picture->Height};
    label->PlaceBySize([box](ui::Label& l) {
      l.Left = box.left + (box.width - l.Width) / 2;
      l.Top = box.top + (box.height - l.Height) / 2;
    });
  }
  ico->Picture.LoadFromFile(engine->ImagesPath + "menu_ico.bmp");

  for (ui::Control* c : std::initializer_list<ui::Control*>{
           wnd,    top,        Label1,  Label2,  Label3,  Label4,  Label5,  Label6,  Label7,  Label8,
           Label9, Label10,    Label11, Label12, Label13, Label14, Label15, Label16, Label17, name,
           sname,  nick,       hp,      funny,   status,  xp,      money,   home,    mark,    office,
           zp,     stipendiya, day,     dow,     month,   year,    smile,   ico,     ver}) {
    if (c == ico) continue;  // the icon's press belongs to its menu
    frame::BindDrag(c);
  }
  wnd->OnMouseMove = [this](ui::Control&, ui::ShiftState, int, int) { LoadNavSkins(); };
  ver->OnMouseMove = [this](ui::Control&, ui::ShiftState, int, int) { LoadNavSkins(); };
}

// The eight navigation pictures, then the three quick buttons.
void Tmenu::LoadNavSkins() { navSkins_.Reset(); }

void Tmenu::StopGameTimers() {
  tfun->Enabled = false;
  ttime->Enabled = false;
  thp->Enabled = false;
  try {
    engine->Money = labels::ReadAmount(money);
    if (canCar->Learning) canCar->timer->Enabled = false;
  } catch (const std::exception&) {
    engine->WriteLog("Игра вырублена через: ПКМ->Закрыть");
  }
  engine->ShowHomeInfo();
  engine->ApplyHomeMaxMood();
  for (ui::Timer* t : {devt1, devt2, devt3, soft1, soft2, umTimer, twork}) t->Enabled = false;
  App().ProcessMessages();
  for (ui::Timer* t :
       {cpp, pas, php, cpp1level, pas1level, php1level, cpp2level, pas2level, php2level, ddoc_timer, sgDevTimer}) {
    t->Enabled = false;
  }
}

void Tmenu::StartGameTimers() {
  tfun->Enabled = true;
  engine->OnGame = true;
  thp->Enabled = true;
  engine->OnPlay = true;
  ttime->Enabled = true;
  canCar->timer->Enabled = canCar->Learning;
  engine->ShowHomeInfo();
  engine->ApplyHomeMaxMood();
  engine->Money = labels::ReadAmount(money);
  money->Caption = labels::Unsigned(engine->Money);
  funny->Caption = labels::Unsigned(engine->Fun);
  hp->Caption = labels::Unsigned(engine->Health);
  if (Devt1On) devt1->Enabled = true;
  if (Devt2On) devt2->Enabled = true;
  if (Devt3On) devt3->Enabled = true;
  if (Soft1On) soft1->Enabled = true;
  if (Soft2On) soft2->Enabled = true;
  umTimer->Enabled = true;
  if (TworkOn) twork->Enabled = true;
  App().ProcessMessages();
  SelectCourseTimer();
  if (Level1CourseOn[0]) cpp1level->Enabled = true;
  if (Level1CourseOn[1]) pas1level->Enabled = true;
  if (Level1CourseOn[2]) php1level->Enabled = true;
  if (Level2CourseOn[0]) cpp2level->Enabled = true;
  if (Level2CourseOn[1]) pas2level->Enabled = true;
  if (Level2CourseOn[2]) php2level->Enabled = true;
  if (DdocActive) ddoc_timer->Enabled = true;
  if (DevActive) sgDevTimer->Enabled = true;
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
  engine->PlayClickSound();
  Hide();
  travel->Show();
  StopGameTimers();
}

void Tmenu::computerClick() {
  engine->PlayClickSound();
  Hide();
  comp->Show();
}

void Tmenu::playerClick() {
  engine->PlayClickSound();
  Hide();
  person->Show();
}

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

void Tmenu::teachClick() {
  engine->PlayClickSound();
  teach_lev->Show();
  Hide();
}

void Tmenu::devClick() {
  engine->PlayClickSound();
  if (devl->Caption == "Разработка") {
    Hide();
    devmenu->Show();
  } else if (devl->Caption == "Разработка игры") {
    Hide();
    gameDev->Show();
  } else if (devl->Caption == "Разработка игры...") {
    Hide();
    devProgress->Show();
  }
}

void Tmenu::billClick() {
  engine->PlayClickSound();
  Hide();
  afisha->Show();
}

void Tmenu::mainClick() {
  engine->PlayClickSound();
  StopGameTimers();
  Hide();
  Form1->Show();
  engine->OnGame = false;
  engine->OnPlay = true;
}

void Tmenu::closeClick() {
  engine->PlayCloseSound();
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

// --- the day clock ---

void Tmenu::ttimeTimer() {
  const std::string M = month->Caption();
  const int n = labels::ReadCount(day) + 1;
  const int Y = labels::ReadCount(year);
  engine->Student = Y < 2011;
  if (engine->Car) engine->CheckCarAccident();
  if (App().Terminated()) return;  // the accident ended the game
  // The month turns when the new day reaches the day that starts the next
  // month, and also when another rule (the sanatorium, a day jump) has
  // carried the day beyond the last day of the month the label names.
  const int days = calendar::DaysIn(M);
  const bool turn = n == engine->Mday || (days != 0 && n > days);
  // On the turn the day label goes from the month's last day straight to 1.
  if (!turn) day->Caption = platform::IntToStr(n);
  if (SalaryDue(n, turn, days)) {
    engine->AddMoney(static_cast<uint32_t>(engine->Zp));
    engine->ShowGameMessage("Получена зарплата в размере " + platform::IntToStr(engine->Zp) + " рублей.");
  }
  const std::string W = dow->Caption();
  if (AttendsUniversity && W != "Суббота" && W != "Пятница" && M != "Июль" && M != "Август") {
    engine->DailyCommute();
    if (App().Terminated()) return;  // expelled
  }
  if (!turn) {
    engine->Nday = Wrap(engine->Nday + 1, 7);
    dow->Caption = calendar::kWeekdays[engine->Nday];
    if (month->Caption == "Январь") {
      if (!NewYearDone) {
        // A stay from December has written this year already; the rest of
        // the new year is still to come.
        if (!YearTurnedByStay) year->Caption = platform::IntToStr(labels::ReadCount(year) + 1);
        YearTurnedByStay = false;
        NewYearDone = true;
        engine->SanInThisYear = false;
        sanatory->go->Enabled = true;
        sanatory->gol->Enabled = true;
      }
    } else {
      NewYearDone = false;
    }
    if (dow->Caption == "Вторник") engine->Nday = -1;
    if (month->Caption == "Август") engine->Nmonth = -1;
    const int marker = calendar::EndMarker(month->Caption());
    if (marker != 0) engine->Mday = marker;
    return;
  }
  engine->Nmonth = Wrap(engine->Nmonth + 1, 12);
  month->Caption = calendar::kMonths[engine->Nmonth].name;
  UpdateCourseYear();
  day->Caption = "1";
  engine->Money = static_cast<int>(static_cast<uint32_t>(labels::ReadCount(money)) + static_cast<uint32_t>(engine->St));
  money->Caption = labels::Unsigned(engine->Money);
  engine->PayRent();
}

// Every month pays once: on the pay day; a pay day of 1 on the tick that
// turns the month (the day number 1 only arises there); a pay day beyond the
// month's length on the month's last day.
bool Tmenu::SalaryDue(int n, bool monthTurns, int daysInMonth) const {
  if (PayDay == 0) return false;
  if (monthTurns) return PayDay == 1;
  return n == PayDay || (daysInMonth != 0 && n == daysInMonth && PayDay > daysInMonth);
}

// --- mood and health decay ---

void Tmenu::tfunTimer() {
  engine->Fun = static_cast<int>(static_cast<uint32_t>(labels::ReadCount(funny)) - 1u);
  funny->Caption = labels::Unsigned(engine->Fun);
  ShowMoodIcon();
  const auto fun = static_cast<uint32_t>(engine->Fun);
  if (fun < 25 && !MoodWarned) {
    StopGameTimers();
    engine->ShowGameMessage("Внимание! Ваше настроение находится на низком уровне!");
    MoodWarned = true;
    engine->ResumeGame();
  }
  if (fun == 3) {
    StopGameTimers();
    engine->ShowGameMessage("ВНИМАНИЕ! Ваше настроение почти иссякло! Срочно примите меры!");
    StartGameTimers();
  }
  if (fun == 0) {
    engine->ShowGameMessage("Для Вас, " + engine->PlayerName +
                            ", игра закончена, потому что Ваше настроение достигло самого низкого уровня!");
    engine->PauseGame();
    engine->EndGame();
  }
}

void Tmenu::thpTimer() {
  engine->Health = static_cast<int>(static_cast<uint32_t>(labels::ReadCount(hp)) - 1u);
  hp->Caption = labels::Unsigned(engine->Health);
  const auto health = static_cast<uint32_t>(engine->Health);
  if (health < 25 && !HealthWarned) {
    StopGameTimers();
    engine->ShowGameMessage("Внимание! Ваше здоровье находится на низком уровне!");
    HealthWarned = true;
    engine->ResumeGame();
  }
  if (health == 3) {
    StopGameTimers();
    engine->ShowGameMessage("ВНИМАНИЕ! Ваше здоровье почти иссякло! Срочно примите меры!");
    engine->ResumeGame();
    return;
  }
  if (health == 0) {
    engine->ShowGameMessage("Для Вас, " + engine->PlayerName +
                            ", игра закончена, потому что Ваше здоровье достигло самого низкого уровня и Вы умерли!");
    engine->PauseGame();
    engine->EndGame();
  }
}
