#include "city/Play.h"

#include <algorithm>

#include "career/Find_work.h"
#include "career/Now_work.h"
#include "career/Study_level.h"
#include "city/Afisha.h"
#include "city/CanCar.h"
#include "city/Devkomp.h"
#include "city/Lines.h"
#include "city/Person.h"
#include "city/Sanatory.h"
#include "city/Travel.h"
#include "development/Devgame.h"
#include "development/Devm.h"
#include "development/Progress.h"
#include "engine/Class.h"
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

// The calendar of the game: September comes first, February has 29 days.
struct MonthRow {
  const char* name;
  int mday;  // the day number that starts the next month
};
constexpr MonthRow kMonths[12] = {{"Сентябрь", 31}, {"Октябрь", 32}, {"Ноябрь", 31}, {"Декабрь", 32},
                                  {"Январь", 32},   {"Февраль", 30}, {"Март", 32},   {"Апрель", 31},
                                  {"Май", 32},      {"Июнь", 31},    {"Июль", 32},   {"Август", 32}};
const char* const kWeekdays[7] = {"Среда", "Четверг", "Пятница", "Суббота", "Воскресенье", "Понедельник", "Вторник"};

// An index outside its list wraps round, so the calendar goes on in order
// from wherever an inconsistent start left it.
int Wrap(int index, int size) { return ((index % size) + size) % size; }

// A number label as the rules write it: signed, or unsigned above the signed
// range (a wrapped value). Anything else fails as the integer conversion does.
int LabelNumber(const ui::Label* label) {
  const std::string text = label->Caption();
  int32_t value = 0;
  if (platform::TryStrToInt(text, value)) return value;
  if (!text.empty() && text.size() <= 10 &&
      std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) {
    const uint64_t big = std::stoull(text);
    if (big <= 0xFFFFFFFFull) return static_cast<int>(static_cast<uint32_t>(big));
  }
  return platform::StrToInt(text);
}

std::string Unsigned(int value) { return platform::UIntToStr(static_cast<uint32_t>(value)); }

}  // namespace

ui::Label* Tmenu::MakeCaption(const char* labelName, int left, int labelTop, const char* text) {
  return frame::MakeLabel(this, labelName, left, labelTop, text);
}

ui::Image* Tmenu::NavButton(const char* pictureName, int buttonTop, ui::Label*& label, const char* labelName,
                            const char* text) {
  auto* picture = new ui::Image(this);
  picture->Name = pictureName;
  picture->SetBounds(kNavLeft, buttonTop, 200, 37);
  picture->AutoSize = true;
  label = frame::MakeLabel(this, labelName, kNavLeft + 20, buttonTop + 9, text);
  label->Font.Style = ui::fsBold;
  label->OnClick = [picture](ui::Control&) { picture->Click(); };
  // Here over and press change only the button concerned; up resets all.
  auto over = [this, picture](ui::Control&, ui::ShiftState, int, int) {
    picture->Picture.LoadFromFile(engine->ButtonsPath + "main_2.jpg");
  };
  auto down = [this, picture](ui::Control&, ui::MouseButton, ui::ShiftState, int, int) {
    picture->Picture.LoadFromFile(engine->ButtonsPath + "main_3.jpg");
  };
  auto up = [this](ui::Control&, ui::MouseButton, ui::ShiftState, int, int) { LoadNavSkins(); };
  for (ui::Control* c : {static_cast<ui::Control*>(picture), static_cast<ui::Control*>(label)}) {
    c->OnMouseMove = over;
    c->OnMouseDown = down;
    c->OnMouseUp = up;
  }
  return picture;
}

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
  const int C = kCaptionLeft, I = kCaptionLeft + 16, V = kValueLeft;
  Label1 = MakeCaption("Label1", C, 36, "Личные данные:");
  name = MakeCaption("name", I, 58, "Имя:");
  sname = MakeCaption("sname", I, 78, "Фамилия:");
  nick = MakeCaption("nick", I, 98, "Ник:");
  Label2 = MakeCaption("Label2", C, 132, "Состояние:");
  Label3 = MakeCaption("Label3", I, 154, "Здоровье:");
  hp = MakeCaption("hp", V, 154, "----");
  smile = new ui::Image(this);
  smile->Name = "smile";
  smile->SetBounds(C - 14, 170, 25, 25);
  smile->Transparent = true;
  Label4 = MakeCaption("Label4", I, 174, "Настроение:");
  funny = MakeCaption("funny", V, 174, "----");
  Label5 = MakeCaption("Label5", I, 194, "Статус:");
  status = MakeCaption("status", V, 194, "----");
  Label6 = MakeCaption("Label6", I, 214, "Опыт:");
  xp = MakeCaption("xp", V, 214, "10");
  Label11 = MakeCaption("Label11", I, 234, "Деньги:");
  money = MakeCaption("money", V, 234, "----");
  Label17 = MakeCaption("Label17", I, 254, "Квартира:");
  home = MakeCaption("home", V, 254, "----");
  Label7 = MakeCaption("Label7", C, 288, "Работа:");
  Label8 = MakeCaption("Label8", I, 310, "Род занятий:");
  mark = MakeCaption("mark", V, 310, "----");
  Label9 = MakeCaption("Label9", I, 330, "Профессия:");
  office = MakeCaption("office", V, 330, "----");
  Label10 = MakeCaption("Label10", I, 350, "Зарплата:");
  zp = MakeCaption("zp", V, 350, "0");
  stipendiya = MakeCaption("stipendiya", I, 370, "Стипендия: 350 руб.");
  Label12 = MakeCaption("Label12", C, 404, "Другое:");
  Label13 = MakeCaption("Label13", I, 426, "День:");
  day = MakeCaption("day", V, 426, "2");
  Label14 = MakeCaption("Label14", I, 446, "День недели:");
  dow = MakeCaption("dow", V, 446, "Среда");
  Label15 = MakeCaption("Label15", I, 466, "Месяц:");
  month = MakeCaption("month", V, 466, "Сентябрь");
  Label16 = MakeCaption("Label16", I, 486, "Год:");
  year = MakeCaption("year", V, 486, "2006");
  ver = MakeCaption("ver", 0, 540, "Зендрикс 2, бета-версия (3)");
  ver->Font.Size = 11;
  ver->Left = kNavLeft + 75 - ver->Width / 2;

  // Names of any length, and long texts, end at the panel's edge.
  for (ui::Label* l : {name, sname, nick}) {
    l->AutoSize = false;
    l->SetBounds(l->Left, l->Top, kPanelRight - l->Left, 16);
  }
  for (ui::Label* l : {status, home, mark, office}) {
    l->AutoSize = false;
    l->SetBounds(l->Left, l->Top, kPanelRight - l->Left, 16);
  }
  for (ui::Label* heading : {Label1, Label2, Label7, Label12}) heading->Font.Style = ui::fsBold;
  for (ui::Label* value : {hp, funny, status, xp, money, home, mark, office, zp, day, dow, month, year}) {
    value->Font.Color = kValueColor;
  }
  Label1->Hint = "Имя, фамилия и ник персонажа";
  Label2->Hint = "Здоровье, настроение, статус, опыт, деньги и жильё";
  Label3->Hint = "Здоровье: когда оно дойдёт до нуля, игра закончится";
  Label4->Hint = "Настроение: когда оно дойдёт до нуля, игра закончится";
  Label5->Hint = "Ваш статус";
  Label6->Hint = "Накопленный опыт";
  Label11->Hint = "Наличные деньги в рублях";
  Label7->Hint = "Учёба и работа";
  Label8->Hint = "Чем Вы сейчас заняты";
  Label9->Hint = "Ваша должность";
  Label10->Hint = "Зарплата, которую Вы получаете в день зарплаты";
  Label12->Hint = "Игровой календарь";
  Label13->Hint = "День месяца";
  Label14->Hint = "День недели";
  Label15->Hint = "Месяц";
  Label16->Hint = "Год";

  trav = NavButton("trav", kNavTop, travell, "travell", "Поездка");
  computer = NavButton("computer", kNavTop + kNavStep, computerl, "computerl", "Мой компьютер");
  player = NavButton("player", kNavTop + 2 * kNavStep, playerl, "playerl", "Персонаж");
  work = NavButton("work", kNavTop + 3 * kNavStep, workl, "workl", "Работа");
  teach = NavButton("teach", kNavTop + 4 * kNavStep, teachl, "teachl", "Обучение");
  dev = NavButton("dev", kNavTop + 5 * kNavStep, devl, "devl", "Разработка");
  bill = NavButton("bill", kNavTop + 6 * kNavStep, billl, "billl", "Афиша");
  main = NavButton("main", kNavTop + 7 * kNavStep, mainl, "mainl", "Главное меню");
  trav->OnClick = [this](ui::Control&) { travClick(); };
  computer->OnClick = [this](ui::Control&) { computerClick(); };
  player->OnClick = [this](ui::Control&) { playerClick(); };
  work->OnClick = [this](ui::Control&) { workClick(); };
  teach->OnClick = [this](ui::Control&) { teachClick(); };
  dev->OnClick = [this](ui::Control&) { devClick(); };
  bill->OnClick = [this](ui::Control&) { billClick(); };
  main->OnClick = [this](ui::Control&) { mainClick(); };
  close->OnClick = [this](ui::Control&) { closeClick(); };
  min->OnClick = [this](ui::Control&) { minClick(); };
  ico->OnClick = [this](ui::Control&) { icoClick(); };
  N7->OnClick = [this](ui::Control&) { N7Click(); };

  auto quick = [this](const char* quickName, int left, const char* stem, const char* hint) {
    auto* picture = new ui::Image(this);
    picture->Name = quickName;
    picture->SetBounds(left, kQuickTop, 32, 32);
    picture->Hint = hint;
    const std::string base = stem;
    picture->OnMouseMove = [picture, base](ui::Control&, ui::ShiftState, int, int) {
      picture->Picture.LoadFromFile(engine->ButtonsPath + base + "_2.bmp");
    };
    picture->OnMouseDown = [picture, base](ui::Control&, ui::MouseButton, ui::ShiftState, int, int) {
      picture->Picture.LoadFromFile(engine->ButtonsPath + base + "_3.bmp");
    };
    picture->OnMouseUp = [this](ui::Control&, ui::MouseButton, ui::ShiftState, int, int) { LoadNavSkins(); };
    return picture;
  };
  qsettins = quick("qsettins", kNavLeft + 75 - 56, "qs", "Настройки игры");
  qload = quick("qload", kNavLeft + 75 - 16, "ql", "Загрузка игры");
  qexit = quick("qexit", kNavLeft + 75 + 24, "qe", "Выход из игры");
  qsettins->OnClick = [this](ui::Control&) { qsettinsClick(); };
  qload->OnClick = [this](ui::Control&) { qloadClick(); };
  qexit->OnClick = [this](ui::Control&) { qexitClick(); };

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
    label->Left = picture->Left + (picture->Width - label->Width) / 2;
    label->Top = picture->Top + (picture->Height - label->Height) / 2;
  }
  ico->Picture.LoadFromFile(engine->ImagesPath + "menu_ico.bmp");

  for (ui::Control* c : std::initializer_list<ui::Control*>{
           wnd,    top,        Label1,  Label2,  Label3,  Label4,  Label5,  Label6,  Label7,  Label8,
           Label9, Label10,    Label11, Label12, Label13, Label14, Label15, Label16, Label17, name,
           sname,  nick,       hp,      funny,   status,  xp,      money,   home,    mark,    office,
           zp,     stipendiya, day,     dow,     month,   year,    smile,   ico,     ver}) {
    if (c == ico) continue;  // the icon's press belongs to its menu
    c->OnMouseDown = [this](ui::Control& s, ui::MouseButton b, ui::ShiftState sh, int x, int y) {
      DragMouseDown(s, b, sh, x, y);
    };
  }
  wnd->OnMouseMove = [this](ui::Control&, ui::ShiftState, int, int) { LoadNavSkins(); };
  ver->OnMouseMove = [this](ui::Control&, ui::ShiftState, int, int) { LoadNavSkins(); };
}

void Tmenu::DragMouseDown(ui::Control& sender, ui::MouseButton button, ui::ShiftState, int x, int y) {
  frame::Drag(sender, button, x, y);
}

void Tmenu::LoadNavSkins() {
  for (ui::Image* b : {trav, computer, player, work, teach, dev, bill, main}) {
    b->Picture.LoadFromFile(engine->ButtonsPath + "main_1.jpg");
  }
  qsettins->Picture.LoadFromFile(engine->ButtonsPath + "qs_1.bmp");
  qload->Picture.LoadFromFile(engine->ButtonsPath + "ql_1.bmp");
  qexit->Picture.LoadFromFile(engine->ButtonsPath + "qe_1.bmp");
}

void Tmenu::StopGameTimers() {
  tfun->Enabled = false;
  ttime->Enabled = false;
  thp->Enabled = false;
  try {
    engine->Money =
        static_cast<int>(static_cast<uint32_t>(static_cast<int64_t>(platform::StrToFloat(money->Caption()))));
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
  engine->Money = static_cast<int>(static_cast<uint32_t>(static_cast<int64_t>(platform::StrToFloat(money->Caption()))));
  money->Caption = platform::UIntToStr(static_cast<uint32_t>(engine->Money));
  funny->Caption = platform::UIntToStr(static_cast<uint32_t>(engine->Fun));
  hp->Caption = platform::UIntToStr(static_cast<uint32_t>(engine->Health));
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
  hp->Caption = platform::UIntToStr(static_cast<uint32_t>(engine->Health));
  funny->Caption = platform::UIntToStr(static_cast<uint32_t>(engine->Fun));
  status->Caption = engine->Status;
  xp->Caption = platform::UIntToStr(static_cast<uint32_t>(engine->Xp));
  money->Caption = platform::UIntToStr(static_cast<uint32_t>(engine->Money));
  mark->Caption = engine->Mark;
  office->Caption = engine->Office;
  zp->Caption = platform::UIntToStr(static_cast<uint32_t>(engine->Zp));
  StartGameTimers();
  engine->ShowHomeInfo();
  UpdateCourseYear();
  ClampMood();
  SelectCourseTimer();
  engine->OnGame = true;
  dev->Enabled = engine->Computer;
  devl->Enabled = engine->Computer;
}

void Tmenu::FormHide() {
  if (!GameEnding) StopGameTimers();
  engine->OnGame = false;
}

void Tmenu::ClampMood() {
  const int mood = LabelNumber(funny);
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
  if (file != nullptr) smile->Picture.LoadFromFile(engine->ImagesPath + file);
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
  const int n = LabelNumber(day) + 1;
  const int Y = LabelNumber(year);
  engine->Student = Y < 2011;
  if (engine->Car) engine->CheckCarAccident();
  if (App().Terminated()) return;  // the accident ended the game
  day->Caption = platform::IntToStr(n);
  if (n == PayDay) {
    engine->AddMoney(static_cast<uint32_t>(engine->Zp));
    engine->ShowGameMessage("Получена зарплата в размере " + platform::IntToStr(engine->Zp) + " рублей.");
  }
  const std::string W = dow->Caption();
  if (AttendsUniversity && W != "Суббота" && W != "Пятница" && M != "Июль" && M != "Август") {
    engine->DailyCommute();
    if (App().Terminated()) return;  // expelled
  }
  // The month turns once the day reaches the month's end, also when another
  // rule (the sanatorium, a day jump) has carried the day past it.
  if (n < engine->Mday) {
    engine->Nday = Wrap(engine->Nday + 1, 7);
    dow->Caption = kWeekdays[engine->Nday];
    if (month->Caption == "Январь") {
      if (!NewYearDone) {
        year->Caption = platform::IntToStr(LabelNumber(year) + 1);
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
    for (const MonthRow& row : kMonths) {
      if (month->Caption == row.name) engine->Mday = row.mday;
    }
    return;
  }
  engine->Nmonth = Wrap(engine->Nmonth + 1, 12);
  month->Caption = kMonths[engine->Nmonth].name;
  UpdateCourseYear();
  day->Caption = "1";
  engine->Money = static_cast<int>(static_cast<uint32_t>(LabelNumber(money)) + static_cast<uint32_t>(engine->St));
  money->Caption = Unsigned(engine->Money);
  engine->PayRent();
}

// --- mood and health decay ---

void Tmenu::tfunTimer() {
  engine->Fun = static_cast<int>(static_cast<uint32_t>(LabelNumber(funny)) - 1u);
  funny->Caption = Unsigned(engine->Fun);
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
  engine->Health = static_cast<int>(static_cast<uint32_t>(LabelNumber(hp)) - 1u);
  hp->Caption = Unsigned(engine->Health);
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
