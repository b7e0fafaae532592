// Start-up: the forms in their order, the configuration loader, the log.
#include "Startup.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "career/Find_work.h"
#include "career/Now_work.h"
#include "career/Skill.h"
#include "career/Slev1.h"
#include "career/Slev2.h"
#include "career/Study_level.h"
#include "city/Addk.h"
#include "city/Afisha.h"
#include "city/Apteka.h"
#include "city/Avpath.h"
#include "city/Bank.h"
#include "city/CanCar.h"
#include "city/Cbuy.h"
#include "city/Devkomp.h"
#include "city/Give.h"
#include "city/Home.h"
#include "city/Inclub.h"
#include "city/Kop.h"
#include "city/Ksalon.h"
#include "city/Lines.h"
#include "city/Person.h"
#include "city/Play.h"
#include "city/Sanatory.h"
#include "city/Setka.h"
#include "city/Take.h"
#include "city/Takek.h"
#include "city/Travel.h"
#include "development/Devgame.h"
#include "development/Devm.h"
#include "development/Devskills.h"
#include "development/Ent.h"
#include "development/Gamesel.h"
#include "development/Ibrowser.h"
#include "development/Internet.h"
#include "development/Lang.h"
#include "development/Progress.h"
#include "development/Prsel.h"
#include "development/Sgbuy.h"
#include "development/Sgg.h"
#include "development/Sitebazar.h"
#include "engine/Class.h"
#include "engine/Imes.h"
#include "engine/Inf.h"
#include "engine/Instr.h"
#include "engine/Main.h"
#include "engine/Message.h"
#include "engine/Player.h"
#include "engine/Qmes.h"
#include "engine/Scramble.h"
#include "hardware/Computer.h"
#include "hardware/Device.h"
#include "hardware/Dsel.h"
#include "hardware/Shops.h"
#include "platform/Cp1251.h"
#include "platform/TextFile.h"
#include "software/Game.h"
#include "software/Gameshop.h"
#include "software/Kshop.h"
#include "software/Osshop.h"
#include "software/Setupedsoft.h"
#include "software/Soft.h"
#include "software/Ssel.h"
#include "software/Textshop.h"
#include "support/GameHarness.h"

using testing_support::GameHarness;
using testing_support::HarnessOptions;

namespace {

const std::vector<std::string> kStartLines = {
    "------- ЗЕНДРИКС 2 -------", "Инициализация движка...",           "OK",
    "Загружены текстуры...",      "Double Buffer Initializing...",     "OK",
    "Double Buffer Initialized!", "Движок полностью инициализирован!", "---------------------------------------"};

// Writes a scrambled configuration made of the given plain lines.
void WriteConfig(const std::string& gameDir, const std::vector<std::string>& lines) {
  std::vector<std::string> scrambled;
  for (const std::string& line : lines) scrambled.push_back(ScrambleLine(platform::Utf8ToCp1251(line), kScrambleKey));
  platform::SaveLines(gameDir + "/config.pc", scrambled);
}

// The shipped configuration's plain lines.
std::vector<std::string> ShippedConfig() {
  std::vector<std::string> lines;
  platform::LoadLines(std::string(ZX_GAME_DIR) + "/config.pc", lines);
  for (std::string& line : lines) line = platform::Cp1251ToUtf8(ScrambleLine(line, kScrambleKey));
  return lines;
}

HarnessOptions WithConfig(std::vector<std::string> lines) {
  HarnessOptions options;
  options.prepare = [lines](const std::string& gameDir) { WriteConfig(gameDir, lines); };
  return options;
}

TEST(StartUp, CreatesTheSixtyNineFormsInTheirOrder) {
  GameHarness h;
  const std::vector<ui::Form*> expected = {
      Form1,   engine,  init,   inst,    mes,         menu,     ques,    bank,     take,     give,    travel,  apteka,
      ksalon,  avpath,  canCar, cbuy,    sanatory,    lines,    comp,    devset,   devsel,   mbshop,  mbshop2, prshop,
      prshop2, mess,    rshop,  vshop,   vshop2,      hshop,    mdshop,  mnshop,   afisha,   setka,   inclub,  softset,
      ssoft,   softsel, games,  devkomp, osshop,      textshop, kshop,   gameshop, person,   skills,  fwork,   nwork,
      kop,     addk,    takek,  infor,   teach_lev,   study1,   study2,  home,     devSkill, devmenu, langset, prset,
      gameset, gameDev, enter,  sggenre, devProgress, inet,     browser, sBazar,   ssgBuy};
  ASSERT_EQ(expected.size(), 69u);
  EXPECT_EQ(h.app().Forms(), expected);
  EXPECT_EQ(h.app().MainForm(), Form1);
  EXPECT_EQ(h.app().Title, "Игра \"Зендрикс 2\"");
  EXPECT_TRUE(h.exceptions().empty());
}

TEST(StartUp, EveryScreenCanBeShownAndHidden) {
  GameHarness h;
  for (ui::Form* form : h.app().Forms()) {
    if (form == engine || form == menu) continue;  // the engine is never shown; the game screen starts time
    form->Show();
    h.pump();
    form->Hide();
    h.pump();
  }
  EXPECT_TRUE(h.exceptions().empty());
}

TEST(StartUp, AMainMenuWhoseSkinFailsIsNeverLeftShown) {
  // A program folder whose main-menu normal skin is noise: every screen of
  // that skin family reports it as it is created, and the main menu, which
  // loads its skins when it is shown, cannot come up.
  HarnessOptions options;
  options.showMainMenu = false;
  options.prepare = [](const std::string& gameDir) {
    namespace fs = std::filesystem;
    const fs::path data = fs::path(gameDir) / "data";
    const fs::path shared = fs::read_symlink(data);
    fs::remove(data);
    fs::create_directories(data / "buttons");
    for (const auto& entry : fs::directory_iterator(shared)) {
      if (entry.path().filename() != "buttons")
        fs::create_directory_symlink(entry.path(), data / entry.path().filename());
    }
    for (const auto& entry : fs::directory_iterator(shared / "buttons")) {
      if (entry.path().filename() != "menu_1.jpg")
        fs::create_symlink(entry.path(), data / "buttons" / entry.path().filename());
    }
    std::ofstream(data / "buttons" / "menu_1.jpg", std::ios::binary) << std::string(4096, '\x5A');
  };
  GameHarness h(options);
  EXPECT_EQ(h.exceptions().size(), 17u);
  const std::exception_ptr failed = ShowMainWindow(h.app());
  ASSERT_NE(failed, nullptr);
  try {
    std::rethrow_exception(failed);
  } catch (const std::exception& e) {
    EXPECT_NE(std::string(e.what()).find("JPEG error"), std::string::npos) << e.what();
  }
  EXPECT_FALSE(Form1->Visible);
  ASSERT_TRUE(Form1->HasWindow());
  EXPECT_FALSE(h.backend().Windows().at(Form1->Window()).visible);
  EXPECT_EQ(h.exceptions().size(), 17u);  // the start tells the main menu's own error last
}

TEST(StartUp, LoadsTheConfigurationAndLeavesNineUntimedStartLines) {
  GameHarness h;
  // Nine start lines; the device manager's first refresh, later in start-up, is the first timed line.
  std::vector<std::string> expected = kStartLines;
  expected.push_back("Обновление устройств...");
  EXPECT_EQ(h.logLines(), expected);
  for (size_t i = 0; i < kStartLines.size(); ++i) EXPECT_EQ(engine->LogLines[static_cast<int>(i)], kStartLines[i]);
  EXPECT_FALSE(std::filesystem::exists(h.systemDir() + "/config.pc"));  // the plain copy is gone
  EXPECT_EQ(engine->Nday, 0);
  EXPECT_EQ(engine->Nmonth, 0);
  EXPECT_EQ(engine->Mday, 31);
  EXPECT_EQ(engine->Mboard, "нет");
  EXPECT_EQ(engine->PlayerName, "");
  EXPECT_EQ(engine->CppCompiler, "");
  EXPECT_EQ(engine->GamePath, h.gameDir() + "//");
  EXPECT_EQ(engine->ButtonsPath, h.gameDir() + "//data/buttons/");
  EXPECT_EQ(engine->LogPath, h.systemDir() + "/ZendrixLog.log");
  EXPECT_EQ(engine->Project2DList->Items.Items(), std::vector<std::string>{"2D Project"});
  EXPECT_EQ(engine->Project3DList->Items.Count(), 1);
  EXPECT_EQ(engine->GamesMade->Items.Count(), 0);
}

TEST(ConfigLoader, FindsKeysInAnyOrderAndCaseAndTakesTheFirstOfTwins) {
  std::vector<std::string> lines = ShippedConfig();
  std::vector<std::string> changed;
  for (const std::string& line : lines) {
    if (line.rfind("Money=", 0) == 0) {
      changed.push_back("Money=1");  // after the reversal below this is the second twin
      changed.push_back("mONEY=777");
    } else if (line.rfind("Status=", 0) == 0) {
      changed.push_back("Status=a=b c");  // everything after the first '='
    } else {
      changed.push_back(line);
    }
  }
  std::reverse(changed.begin() + 1, changed.end());  // keep "[Game]" first, reverse the keys
  GameHarness h(WithConfig(changed));
  EXPECT_EQ(engine->Money, 777);
  EXPECT_EQ(engine->Status, "a=b c");
  EXPECT_TRUE(h.exceptions().empty());
}

TEST(ConfigLoader, FlagsAndNumberFlagsConvertAsTheirKindSays) {
  std::vector<std::string> lines = ShippedConfig();
  for (std::string& line : lines) {
    if (line.rfind("Work=", 0) == 0) line = "Work=True";
    if (line.rfind("Car=", 0) == 0) line = "Car=-3";
    if (line.rfind("Studing=", 0) == 0) line = "Studing=5";
  }
  GameHarness h(WithConfig(lines));
  EXPECT_TRUE(engine->Work);
  EXPECT_TRUE(engine->Car);
  EXPECT_TRUE(engine->Studing);
  EXPECT_TRUE(h.exceptions().empty());
}

TEST(ConfigLoader, AValueThatDoesNotConvertStopsLoadingThereAndStartUpGoesOn) {
  std::vector<std::string> lines = ShippedConfig();
  for (std::string& line : lines) {
    if (line.rfind("CanCar=", 0) == 0) line = "CanCar=True";  // a number flag takes numbers only
  }
  GameHarness h(WithConfig(lines));
  ASSERT_EQ(h.exceptions().size(), 1u);
  EXPECT_NE(h.exceptions()[0].find("'True' is not a valid integer value"), std::string::npos);
  EXPECT_NE(engine->Stroll, -1);      // read before CanCar
  EXPECT_EQ(engine->CanCarPrice, 0);  // after it: still zero
  EXPECT_EQ(engine->Mboard, "");      // texts after it stay empty
  EXPECT_EQ(engine->LogLines[7].rfind("Обновление устройств...  -  ", 0), 0u);
  EXPECT_EQ(engine->LogLines.Count(), 8);                              // the closing start lines never came
  EXPECT_TRUE(std::filesystem::exists(h.systemDir() + "/config.pc"));  // the plain copy stays
  EXPECT_NE(menu, nullptr);                                            // every later form was still created
  EXPECT_TRUE(Form1->Visible);
}

TEST(ConfigLoader, AMissingKeyGivesEmptyTextButStopsAtANumber) {
  std::vector<std::string> lines;
  for (const std::string& line : ShippedConfig()) {
    if (line.rfind("Mark=", 0) != 0 && line.rfind("Zp=", 0) != 0) lines.push_back(line);
  }
  GameHarness h(WithConfig(lines));
  EXPECT_EQ(engine->Mark, "");
  ASSERT_EQ(h.exceptions().size(), 1u);
  EXPECT_NE(h.exceptions()[0].find("'' is not a valid integer value"), std::string::npos);
}

TEST(ConfigLoader, AMissingFileIsReportedAndEveryFieldKeepsItsZero) {
  HarnessOptions options;
  options.prepare = [](const std::string& gameDir) { std::filesystem::remove(gameDir + "/config.pc"); };
  GameHarness h(options);
  ASSERT_EQ(h.exceptions().size(), 1u);
  EXPECT_NE(h.exceptions()[0].find("config.pc"), std::string::npos);
  EXPECT_EQ(engine->Mday, 0);
  EXPECT_EQ(engine->LogLines.Count(), 8);  // seven start lines and the device manager's refresh
  EXPECT_EQ(h.app().Forms().size(), 69u);
}

TEST(ConfigLoader, ScrambledGarbageIsReportedNotACrash) {
  HarnessOptions options;
  options.prepare = [](const std::string& gameDir) {
    std::ofstream out(gameDir + "/config.pc", std::ios::binary | std::ios::trunc);
    for (int i = 0; i < 4096; ++i) out.put(static_cast<char>((i * 131) & 0xFF));
  };
  GameHarness h(options);
  EXPECT_EQ(h.exceptions().size(), 1u);
  EXPECT_EQ(h.app().Forms().size(), 69u);
}

TEST(Log, FirstTimedLineFollowsTheStartLinesAndReplacesAnEarlierRunsFile) {
  HarnessOptions options;
  options.prepare = [](const std::string& gameDir) {
    platform::SaveLines(gameDir + "/../system/ZendrixLog.log", {"an earlier run", "more of it"});
  };
  GameHarness h(options);
  engine->WriteLog("Проверка");
  std::vector<std::string> expected = kStartLines;
  expected.push_back("Обновление устройств...");
  expected.push_back("Проверка");
  EXPECT_EQ(h.logLines(), expected);
  const std::string timed = h.logLines(true).back();
  EXPECT_TRUE(timed.rfind("Проверка  -  ", 0) == 0) << timed;
  // The time is H:MM:SS.
  const std::string time = timed.substr(std::string("Проверка  -  ").size());
  EXPECT_TRUE(time.size() == 7 || time.size() == 8) << time;
  h.shutDown();
  const auto lines = h.logLines();
  EXPECT_EQ(lines[lines.size() - 2], "Завершение...");
  EXPECT_EQ(lines.back(), "============================");
}

// The file as the engine's lines say it must be, byte for byte.
std::string LogFileFromLines() {
  std::string bytes;
  for (const std::string& line : engine->LogLines.Items()) bytes += platform::Utf8ToCp1251(line) + "\r\n";
  return bytes;
}

std::string ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

TEST(Log, TheFileHoldsEveryLineAfterEachWriteEvenWhenChangedFromOutside) {
  GameHarness h;
  const std::string path = h.systemDir() + "/ZendrixLog.log";
  for (int i = 0; i < 40; ++i) {
    engine->WriteLog("Строка номер " + std::to_string(i));
    if (i % 10 == 9) engine->AddExperience(1);  // a rule writing its own line
    ASSERT_EQ(ReadBytes(path), LogFileFromLines()) << "after line " << i;
  }
  // Emptied by someone else: the next line brings the whole log back.
  std::ofstream(path, std::ios::binary | std::ios::trunc).close();
  engine->WriteLog("После очистки");
  EXPECT_EQ(ReadBytes(path), LogFileFromLines());
  // Replaced by a different text: the same.
  platform::SaveLines(path, {"чужой текст"});
  engine->WriteLog("После замены");
  EXPECT_EQ(ReadBytes(path), LogFileFromLines());
  h.shutDown();
  const auto lines = h.logLines();
  EXPECT_EQ(lines.back(), "============================");
}

TEST(Log, AnUnwritableLogNeverStopsTheGame) {
  HarnessOptions options;
  options.prepare = [](const std::string& gameDir) {
    std::filesystem::create_directories(gameDir + "/../system/ZendrixLog.log");  // a folder in its place
  };
  GameHarness h(options);
  engine->WriteLog("строка");
  engine->AddExperience(3);
  EXPECT_EQ(engine->LogLines.Items().back().rfind("Добавление опыта...", 0), 0u);
  EXPECT_TRUE(h.exceptions().empty());
}

}  // namespace
