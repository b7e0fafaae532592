#include "city/Play.h"

#include "city/CanCar.h"
#include "engine/Class.h"
#include "platform/Conversions.h"
#include "ui/Application.h"

Tmenu* menu = nullptr;

namespace {
const ui::Color kValueColor{255, 214, 102};
constexpr int kNavLeft = 520;
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
  SetClientSize(756, 566);
  Color = ui::clBlack;
  Font.Name = "Verdana";
  Font.Size = 13;
  Font.Color = ui::clWhite;

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

  // The column of the player's state.
  Label1 = MakeCaption("Label1", 24, 36, "Личные данные:");
  name = MakeCaption("name", 40, 58, "Имя:");
  sname = MakeCaption("sname", 40, 78, "Фамилия:");
  nick = MakeCaption("nick", 40, 98, "Ник:");
  Label2 = MakeCaption("Label2", 24, 128, "Состояние:");
  Label3 = MakeCaption("Label3", 40, 150, "Здоровье:");
  hp = MakeCaption("hp", 200, 150, "----");
  smile = new ui::Image(this);
  smile->Name = "smile";
  smile->SetBounds(10, 166, 25, 25);
  smile->Transparent = true;
  Label4 = MakeCaption("Label4", 40, 170, "Настроение:");
  funny = MakeCaption("funny", 200, 170, "----");
  Label5 = MakeCaption("Label5", 40, 190, "Статус:");
  status = MakeCaption("status", 200, 190, "----");
  Label6 = MakeCaption("Label6", 40, 210, "Опыт:");
  xp = MakeCaption("xp", 200, 210, "10");
  Label11 = MakeCaption("Label11", 40, 230, "Деньги:");
  money = MakeCaption("money", 200, 230, "----");
  Label17 = MakeCaption("Label17", 40, 250, "Квартира:");
  home = MakeCaption("home", 200, 250, "----");
  Label7 = MakeCaption("Label7", 24, 280, "Работа:");
  Label8 = MakeCaption("Label8", 40, 302, "Род занятий:");
  mark = MakeCaption("mark", 200, 302, "----");
  Label9 = MakeCaption("Label9", 40, 322, "Профессия:");
  office = MakeCaption("office", 200, 322, "----");
  Label10 = MakeCaption("Label10", 40, 342, "Зарплата:");
  zp = MakeCaption("zp", 200, 342, "0");
  stipendiya = MakeCaption("stipendiya", 40, 362, "Стипендия: 350 руб.");
  Label12 = MakeCaption("Label12", 24, 392, "Другое:");
  Label13 = MakeCaption("Label13", 40, 414, "День:");
  day = MakeCaption("day", 200, 414, "2");
  Label14 = MakeCaption("Label14", 40, 434, "День недели:");
  dow = MakeCaption("dow", 200, 434, "Среда");
  Label15 = MakeCaption("Label15", 40, 454, "Месяц:");
  month = MakeCaption("month", 200, 454, "Сентябрь");
  Label16 = MakeCaption("Label16", 40, 474, "Год:");
  year = MakeCaption("year", 200, 474, "2006");
  ver = MakeCaption("ver", 0, 546, "Зендрикс 2, бета-версия (3)");
  ver->Font.Size = 11;
  ver->Left = 748 - ver->Width;

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

  trav = NavButton("trav", 60, travell, "travell", "Поездка");
  computer = NavButton("computer", 110, computerl, "computerl", "Мой компьютер");
  player = NavButton("player", 160, playerl, "playerl", "Персонаж");
  work = NavButton("work", 210, workl, "workl", "Работа");
  teach = NavButton("teach", 260, teachl, "teachl", "Обучение");
  dev = NavButton("dev", 310, devl, "devl", "Разработка");
  bill = NavButton("bill", 360, billl, "billl", "Афиша");
  main = NavButton("main", 410, mainl, "mainl", "Главное меню");

  auto quick = [this](const char* quickName, int left, const char* stem, const char* hint) {
    auto* picture = new ui::Image(this);
    picture->Name = quickName;
    picture->SetBounds(left, 500, 32, 32);
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
  qsettins = quick("qsettins", 632, "qs", "Настройки игры");
  qload = quick("qload", 672, "ql", "Загрузка игры");
  qexit = quick("qexit", 712, "qe", "Выход из игры");

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
           wnd,    top,    Label1, Label2,  Label3, Label4, Label5,  Label6,     Label7, Label8,  Label9,
           Label10, Label11, Label12, Label13, Label14, Label15, Label16, Label17, name,  sname,  nick,
           hp,     funny,  status, xp,      money,  home,   mark,    office,     zp,    stipendiya, day,
           dow,    month,  year,   smile,   ico,    ver}) {
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
    engine->Money = static_cast<int>(
        static_cast<uint32_t>(static_cast<int64_t>(platform::StrToFloat(money->Caption()))));
    if (canCar->Learning) canCar->timer->Enabled = false;
  } catch (const std::exception&) {
    engine->WriteLog("Игра вырублена через: ПКМ->Закрыть");
  }
  engine->ShowHomeInfo();
  engine->ApplyHomeMaxMood();
  for (ui::Timer* t : {devt1, devt2, devt3, soft1, soft2, umTimer, twork}) t->Enabled = false;
  App().ProcessMessages();
  for (ui::Timer* t : {cpp, pas, php, cpp1level, pas1level, php1level, cpp2level, pas2level, php2level, ddoc_timer,
                       sgDevTimer}) {
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
  engine->Money = static_cast<int>(
      static_cast<uint32_t>(static_cast<int64_t>(platform::StrToFloat(money->Caption()))));
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
  const int mood = platform::StrToInt(funny->Caption());
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

// The day clock and the decay of mood and health.
void Tmenu::ttimeTimer() {}
void Tmenu::tfunTimer() {}
void Tmenu::thpTimer() {}
