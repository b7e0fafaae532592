#include "engine/Class.h"

#include <cmath>
#include <cstdlib>
#include <ctime>

#include "city/Afisha.h"
#include "city/Play.h"
#include "city/Sanatory.h"
#include "engine/ConfigKeys.h"
#include "engine/Imes.h"
#include "engine/LabelNumber.h"
#include "engine/Message.h"
#include "engine/Qmes.h"
#include "engine/Scramble.h"
#include "platform/Conversions.h"
#include "platform/IniFile.h"
#include "platform/Sound.h"
#include "platform/SystemFolder.h"
#include "platform/TextFile.h"
#include "ui/Application.h"

Tzenx* engine = nullptr;

std::string ScrambleKey() { return std::string(kScrambleKey); }

namespace {

struct HomeRow {
  const char* name;
  const char* hint;
  int maxFun;
  uint32_t movePrice;
  uint32_t rent;
  const char* moveMessage;
};

constexpr HomeRow kHomes[4] = {
    {"Общежитие", "Общежитие (макс. настроение - 30)", 30, 2000, 800,
     "Вы переехали в общежитие! Теперь Вы ежемесячно будете платить 800 руб. за проживание, но максимальное "
     "настроение у Вас теперь 30."},
    {"Средний уровень", "Квартира среднего уровня (макс. настроение - 60)", 60, 4000, 1200,
     "Вы переехали в среднюю квартиру! Теперь Вы ежемесячно будете платить 1200 руб. за проживание и максимальное "
     "настроение у Вас теперь 60."},
    {"Улучшенная планировка", "Квартира улучшенной планировки (макс. настроение - 80)", 80, 7000, 2000,
     "Вы переехали в хорошую квартиру! Теперь Вы ежемесячно будете платить 2000 руб. за проживание и максимальное "
     "настроение у Вас теперь 80."},
    {"Евро квартира", "Квартира европейского уровня (макс. настроение - 100)", 100, 10000, 4000,
     "Вы переехали в евро-квартиру! Теперь Вы ежемесячно будете платить 4000 руб. за проживание и Ваше настроение "
     "теперь может достигать 100."},
};

const char* const kMonths[12] = {"Январь", "Февраль", "Март",     "Апрель",  "Май",    "Июнь",
                                 "Июль",   "Август",  "Сентябрь", "Октябрь", "Ноябрь", "Декабрь"};

}  // namespace

Tzenx::Tzenx(ui::Application& app) : ui::Form(app) {
  Label1 = new ui::Label(this);
  Label1->Name = "Label1";
  Label1->Font.Name = "Verdana";
  Label1->Font.Style = ui::fsBold;
  Label1->Caption = "The Zendrix Game Engine";
  auto hiddenList = [this](const char* name) {
    auto* list = new ui::ListBox(this);
    list->Name = name;
    list->Visible = false;
    return list;
  };
  GamesMade = hiddenList("GamesMade");
  GamesForSale = hiddenList("GamesForSale");
  GamePrices = hiddenList("GamePrices");
  Project2DList = hiddenList("Project2DList");
  Project3DList = hiddenList("Project3DList");
  Project2DList->Items.Add("2D Project");
  Project3DList->Items.Add("3D Project");
  OnCreate = [this](ui::Control&) { FormCreate(); };
  OnDestroy = [this](ui::Control&) { FormDestroy(); };
}

void Tzenx::FormCreate() {
  std::string folder = App().ExeName;
  folder = folder.substr(0, folder.find_last_of('/') + 1);
  ButtonsPath = folder + "/data/buttons/";
  SoundsPath = folder + "/data/sounds/";
  MusicPath = folder + "/data/music/";
  ImagesPath = folder + "/data/images/";
  HelpPath = folder + "/data/help/";
  GamePath = folder + "/";
  BinPath = folder + "/bin/";
  SystemPath = platform::GetSystemDirectoryA();
  LogLines.Clear();
  LogLines.Add("------- ЗЕНДРИКС 2 -------");
  LogLines.Add("Инициализация движка...");
  LogLines.Add("OK");
  LogLines.Add("Загружены текстуры...");
  LogLines.Add("Double Buffer Initializing...");
  LogLines.Add("OK");
  LogLines.Add("Double Buffer Initialized!");
  LogPath = SystemPath + "/ZendrixLog.log";
  LoadConfiguration(folder);
}

void Tzenx::LoadConfiguration(const std::string& folder) {
  // The file is scrambled line by line; a plain copy is written to the
  // system folder for the INI reader and deleted when all keys are read.
  std::vector<std::string> lines;
  const std::string source = folder + "/config.pc";
  if (!platform::LoadLines(source, lines)) {
    throw std::runtime_error("Cannot open file \"" + source + "\". No such file or directory");
  }
  for (std::string& line : lines) line = ScrambleLine(line, ScrambleKey());
  const std::string plain = SystemPath + "/config.pc";
  // No system folder at all: nothing is written at the root instead.
  if (SystemPath.empty() || !platform::SaveLines(plain, lines))
    throw std::runtime_error("Cannot create file \"" + plain + "\"");
  const std::vector<std::string> values = platform::IniFile(plain).ReadSectionValues("Game");

  auto text = [&](const char* key) { return platform::ValueOf(values, key); };
#define ZX_READ_Number(name) name = platform::StrToInt(text(#name));
#define ZX_READ_Flag(name) name = platform::StrToBool(text(#name));
#define ZX_READ_NumberFlag(name) name = platform::StrToInt(text(#name)) != 0;
#define ZX_READ_Text(name) name = text(#name);
#define ZX_READ_KEY(name, kind) ZX_READ_##kind(name)
#define ZX_READ_STEP(step) step();
  auto ClearPlayerNames = [this] { PlayerName = PlayerSurname = PlayerNick = ""; };
  auto ClearCompilers = [this] { CppCompiler = PascalCompiler = PhpCompiler = ""; };
  auto CloseStartLines = [this] {
    LogLines.Add("Движок полностью инициализирован!");
    LogLines.Add("---------------------------------------");
  };
  ZX_CONFIG_KEYS(ZX_READ_KEY, ZX_READ_STEP)
#undef ZX_READ_Number
#undef ZX_READ_Flag
#undef ZX_READ_NumberFlag
#undef ZX_READ_Text
#undef ZX_READ_KEY
#undef ZX_READ_STEP
  platform::DeleteFile(plain);
}

void Tzenx::FormDestroy() {
  WriteLog("Завершение...");
  WriteLog("============================");
  LogLines.Clear();
}

void Tzenx::WriteLog(const std::string& text) {
  LogLines.Add(text + "  -  " + platform::TimeToStr(std::time(nullptr)));
  try {
    LogLines.SaveToFile(LogPath);
  } catch (const std::exception&) {
    // The log is only a trace: a folder that can't be written loses the
    // file, never the game.
  }
}

// --- sounds and message windows ---

void Tzenx::PlayClickSound() { platform::PlaySoundA(SoundsPath + "click.wav", nullptr, platform::SND_ASYNC); }

void Tzenx::PlayCloseSound() { platform::PlaySoundA(SoundsPath + "close.wav", nullptr, platform::SND_ASYNC); }

void Tzenx::PlaySoundFile(const std::string& name) {
  platform::PlaySoundA(SoundsPath + name, nullptr, platform::SND_ASYNC);
}

void Tzenx::ShowGameMessage(const std::string& text, bool gameOver) {
  menu->StopGameTimers();
  mes->GameOver = gameOver;
  mes->text->Caption = text;
  PlaySoundFile("mes.wav");
  mes->ShowModal();
  if (App().Terminated()) return;  // the game ended while the message was up
  AfterMessage();
}

void Tzenx::ShowInfoMessage(const std::string& text) {
  PlaySoundFile("mes.wav");
  mess->text->Caption = text;
  mess->ShowModal();
}

void Tzenx::PauseGame() { menu->StopGameTimers(); }

void Tzenx::ResumeGame() { menu->StartGameTimers(); }

void Tzenx::AfterMessage() {
  if (OnGame) {
    ResumeGame();
  } else {
    menu->StopGameTimers();
  }
}

// --- money, mood and experience ---

void Tzenx::AddMoney(uint32_t n) {
  Money = labels::ReadAmount(menu->money);
  Money = static_cast<int>(static_cast<uint32_t>(Money) + n);
  menu->money->Caption = labels::Unsigned(Money);
  WriteLog("Добавление денег...");
}

bool Tzenx::SpendMoney(uint32_t n) {
  Money = labels::ReadAmount(menu->money);
  if (n < static_cast<uint32_t>(Money)) {
    Money = static_cast<int>(static_cast<uint32_t>(Money) - n);
    menu->money->Caption = labels::Unsigned(Money);
    return true;
  }
  if (OnGame) {
    ShowGameMessage("Ваших денег недостаточно!");
  } else {
    ShowInfoMessage("Ваших денег недостаточно!");
  }
  return false;
}

void Tzenx::AddMood(uint32_t n) {
  Fun = labels::ReadCount(menu->funny);
  const uint32_t raised = static_cast<uint32_t>(Fun) + n;
  const uint32_t mood = raised < static_cast<uint32_t>(MaxFun) ? raised : static_cast<uint32_t>(MaxFun);
  menu->funny->Caption = platform::UIntToStr(mood);
  Fun = static_cast<int>(mood);
  menu->ShowMoodIcon();
  WriteLog("Добавление настроения...");
}

void Tzenx::SubMood(uint32_t n) {
  WriteLog("Отнимание настроения...");
  Fun = labels::ReadCount(menu->funny);
  if (n < static_cast<uint32_t>(Fun)) {
    Fun = static_cast<int>(static_cast<uint32_t>(Fun) - n);
    menu->funny->Caption = labels::Unsigned(Fun);
    return;
  }
  ShowGameMessage("Ваше настроение достигло самого низкого уровня! Для Вас игра закончена!", true);
}

void Tzenx::AddExperience(uint32_t n) {
  Xp = labels::ReadAmount(menu->xp);
  Xp = static_cast<int>(static_cast<uint32_t>(Xp) + n);
  menu->xp->Caption = labels::Unsigned(Xp);
  WriteLog("Добавление опыта...");
}

// --- home, rent, sanatorium, accident, savings box, playbill, end ---

void Tzenx::ShowHomeInfo() {
  if (Home < 0 || Home > 3) return;
  menu->home->Caption = kHomes[Home].name;
  menu->Label17->Hint = kHomes[Home].hint;
}

void Tzenx::ApplyHomeMaxMood() {
  if (Home < 0 || Home > 3) return;
  MaxFun = kHomes[Home].maxFun;
}

void Tzenx::MoveHome(int type) {
  if (type < 0 || type > 3) return;
  if (!SpendMoney(kHomes[type].movePrice)) return;
  Home = type;
  ShowHomeInfo();
  ApplyHomeMaxMood();
  ShowInfoMessage(kHomes[type].moveMessage);
}

void Tzenx::PayRent() {
  // An unknown home type pays the dormitory's rent.
  const uint32_t rent = kHomes[(Home >= 0 && Home <= 3) ? Home : 0].rent;
  const auto cash = static_cast<uint32_t>(Money);
  if (HouseXN) {
    if (rent < cash) {
      Money = static_cast<int>(cash - rent);
      menu->money->Caption = labels::Unsigned(Money);
      ShowGameMessage("Оплата за квартиру прошла успешно!");
      AddMood(2);
      AddExperience(5);
      HouseXN = true;
      WriteLog("Удалось оплатить счет за квартиру...");
    } else {
      ShowGameMessage("Не удалось оплатить счет за квартиру! В следующем месяце придется платить по 2-ой ставке!");
      SubMood(2);
      HouseXN = false;
      WriteLog("Не удалось оплатить счет за квартиру в первый раз...");
    }
    return;
  }
  if (2 * rent < cash) {
    Money = static_cast<int>(cash - 2 * rent);
    menu->money->Caption = labels::Unsigned(Money);
    ShowGameMessage("Оплата за квартиру прошла успешно!");
    AddExperience(5);
    HouseXN = true;
    WriteLog("Удалось оплатить счет за квартиру...");
  } else {
    ShowGameMessage("Не удалось оплатить счет за квартиру! У Вас заберут все деньги!");
    Money = 10;
    menu->money->Caption = "10";
    SubMood(2);
    HouseXN = true;
    WriteLog("Не удалось заплатить второй раз за квартиру...");
  }
}

void Tzenx::GoToSanatorium() {
  WriteLog("Вызвана функция санатория...");
  PauseGame();
  const int day = labels::ReadCount(menu->day);
  const std::string month = menu->month->Caption();
  if (!SpendMoney(1200)) {
    ShowInfoMessage("У Вас недостаточно денег для поездки в санаторий!");
    return;
  }
  int index = 0;
  for (int i = 0; i < 12; ++i) {
    if (month == kMonths[i]) index = i;
  }
  const std::string next = kMonths[(index + 1) % 12];
  menu->day->Caption = platform::IntToStr(day);
  menu->month->Caption = next;
  // The year label turns once for each new year of the clock's own
  // calendar. A stay from December shows the coming year at once, and that
  // new year then does not turn it again, however many stays come between.
  // From the first of January, before the clock turned the year, the turn
  // is made here and the clock leaves this January alone.
  if (next == "Январь") {
    if (!menu->YearShownEarly) {
      menu->year->Caption = platform::IntToStr(labels::ReadCount(menu->year) + 1);
      menu->YearShownEarly = true;
    }
  } else if (month == "Январь" && !menu->NewYearDone) {
    if (!menu->YearShownEarly && !menu->NewYearShown) {
      menu->year->Caption = platform::IntToStr(labels::ReadCount(menu->year) + 1);
    }
    menu->NewYearShown = false;
    menu->NewYearDone = true;
  }
  Health = 100;
  menu->hp->Caption = "100";
  Fun = MaxFun;
  menu->funny->Caption = labels::Unsigned(MaxFun);
  SanInThisYear = true;
  sanatory->go->Enabled = false;
  sanatory->gol->Enabled = false;
  AddExperience(10);
  ShowGameMessage("Поздравляем! Вы прошли полный курс лечения в санаториe, теперь Ваше здоровье в отличной форме!");
  ResumeGame();
}

void Tzenx::CheckCarAccident() {
  // Seeded afresh from the clock on every call; 49 of 30000 remainders crash.
  const uint32_t r = Random.Roll();
  if (r % 30000 <= 29950) return;
  Health = labels::ReadCount(menu->hp);
  if (static_cast<uint32_t>(Health) > 20) {
    Health -= 20;
    menu->hp->Caption = labels::Unsigned(Health);
    ShowGameMessage("Сегодня Вы попали в автомобильную аварию и были ранены! Рекомендуется пройти курс лечения.");
    WriteLog("Ранен в аварии...");
    return;
  }
  ShowGameMessage(
      "В сегодняшней автомобильной аварии Вы были смертельно ранены и скоропостижно скончались! Игра закончена.");
  WriteLog("Погиб в аварии...");
  EndGame();
}

bool Tzenx::TakeFromPiggyBank(uint32_t amount) {
  if (amount > static_cast<uint32_t>(Kopilka)) {
    ShowInfoMessage("В копилке нет такой суммы!");
    return false;
  }
  Kopilka = static_cast<int>(static_cast<uint32_t>(Kopilka) - amount);
  Money = static_cast<int>(static_cast<uint32_t>(Money) + amount);
  menu->money->Caption = labels::Unsigned(Money);
  AddExperience(5);
  WriteLog("Взяты деньги из копилки...");
  return true;
}

bool Tzenx::PutIntoPiggyBank(uint32_t amount) {
  Money = labels::ReadCount(menu->money);
  if (amount >= static_cast<uint32_t>(Money)) {
    ShowInfoMessage("Вы не можете положить такую сумму в копилку!");
    return false;
  }
  Kopilka = static_cast<int>(static_cast<uint32_t>(Kopilka) + amount);
  Money = static_cast<int>(static_cast<uint32_t>(Money) - amount);
  menu->money->Caption = labels::Unsigned(Money);
  AddExperience(5);
  WriteLog("Положил деньги в копилку...");
  return true;
}

void Tzenx::AddPosterEntry(const std::string& text) {
  WriteLog("Добавлена запись в афишу...");
  if (afisha->list->Items.IndexOf(text) < 0) afisha->list->Items.Add(text);
}

void Tzenx::ConfirmExit() {
  if (OnPlay) PauseGame();
  ques->ShowModal();
  WriteLog("Подтверждение о выходе...");
}

void Tzenx::EndGame() {
  menu->GameEnding = true;
  WriteLog("Завершение игры, как terminate()");
  WriteLog("/////////////////////////////////");
  App().Terminate();
}
