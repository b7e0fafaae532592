#pragma once
// The engine form: the whole state of a running game as plain fields, and
// the services every screen calls (folders, log, configuration, sounds,
// message windows, the money, mood, experience, home and rent rules, the end
// of the game). Created second at start-up and never shown.
#include <cstdint>
#include <string>

#include "engine/RandomSource.h"
#include "ui/Form.h"
#include "ui/Label.h"
#include "ui/ListBox.h"
#include "ui/StringList.h"

class Tzenx : public ui::Form {
 public:
  explicit Tzenx(ui::Application& app);

  ui::Label* Label1;

  // Folders and log.
  std::string ButtonsPath, SoundsPath, MusicPath, ImagesPath, HelpPath, GamePath, SystemPath, BinPath;
  ui::StringList LogLines;
  std::string LogPath;

  // Player.
  std::string PlayerName, PlayerSurname, PlayerNick;

  // Game flags and personal values.
  bool OnPlay = false;
  bool OnGame = false;
  int Money = 0;
  int Fun = 0;
  int Health = 0;
  int MaxFun = 0;
  std::string Status;
  int Xp = 0;
  bool Student = false;
  std::string Mark;
  std::string Office;
  bool Work = false;
  int Zp = 0;
  int St = 0;
  int Home = 0;
  int Mday = 0;
  int Nday = 0;
  int Nmonth = 0;
  int Dolg = 0;
  bool Car = false;
  int Stroll = 0;
  bool Duty = false;
  std::string Bmonth;
  int Bday = 0;
  bool Doc = false;
  int DiskSpace = 0;
  bool CanCar = false;
  int CarPrice = 0;
  int CanCarPrice = 0;
  int Kopilka = 0;
  bool Reg = false;

  // Installed computer.
  std::string Mboard, Processor, Ozu1, Ozu2, Ozu3, Ozu4, Video, Disk, Modem, Monitor;
  int ModemType = 0;
  bool Amd = false;
  bool Intel = false;
  bool Computer = false;

  // Hardware catalogue.
  std::string Mb1i, Mb2i, Mb3i, Mb1a, Mb2a, Mb3a;
  int Mb1ic = 0, Mb2ic = 0, Mb3ic = 0, Mb1ac = 0, Mb2ac = 0, Mb3ac = 0;
  std::string Pr1i, Pr2i, Pr3i, Pr4i, Pr1a, Pr2a, Pr3a, Pr4a;
  int Pr1ic = 0, Pr2ic = 0, Pr3ic = 0, Pr4ic = 0, Pr1ac = 0, Pr2ac = 0, Pr3ac = 0, Pr4ac = 0;
  std::string Ram1, Ram2, Ram3, Ram4;
  int Ram1c = 0, Ram2c = 0, Ram3c = 0, Ram4c = 0;
  std::string Vid1a, Vid2a, Vid3a, Vid4a, Vid1g, Vid2g, Vid3g, Vid4g;
  int Vid1ac = 0, Vid2ac = 0, Vid3ac = 0, Vid4ac = 0, Vid1gc = 0, Vid2gc = 0, Vid3gc = 0, Vid4gc = 0;
  std::string Hdd1, Hdd2, Hdd3, Hdd4;
  int Hdd1c = 0, Hdd2c = 0, Hdd3c = 0, Hdd4c = 0;
  std::string Mod1, Mod2;
  int Mod1c = 0, Mod2c = 0;
  std::string Mon1, Mon2, Mon3;
  int Mon1c = 0, Mon2c = 0, Mon3c = 0;

  // Software catalogue.
  std::string Os1, Os2, Os3, Os4;
  int Os1c = 0, Os2c = 0, Os3c = 0, Os4c = 0;
  std::string Of1, Of2, Of3;
  int Of1c = 0, Of2c = 0, Of3c = 0;
  std::string Kcpp1, Kcpp2, Kpas1, Kpas2, Kphp1, Kphp2;
  int Kcpp1c = 0, Kcpp2c = 0, Kpas1c = 0, Kpas2c = 0, Kphp1c = 0, Kphp2c = 0;
  std::string G1, G2, G3, G4, G5, G6, G7, G8, G9;
  int Gc = 0;

  // The dice of the car-accident roll.
  RandomSource Random;

  // Year flags, skills and caps.
  bool SanInThisYear = false;
  bool HouseXN = false;
  int Maxcpp = 0, Maxpas = 0, Maxphp = 0, Maxum = 0;
  int Oncpp = 0, Onpas = 0, Onphp = 0, Onum = 0;
  int Max = 0;
  bool IsTextEditor = false;
  int UmAddMax = 0;
  bool Studing = false;
  int Cpplev = 0, Paslev = 0, Phplev = 0, Umlev = 0;
  int Cppbar = 0, Pasbar = 0, Phpbar = 0, Umbar = 0;
  int Bmax1 = 0;
  int Bmax2 = 0;
  int MiniGameXp = 0;

  // Installed compilers, internet and game lists.
  std::string CppCompiler, PascalCompiler, PhpCompiler;
  std::string InetPhone1, InetPhone2, InetPhone3, InetSpeedPhone;
  ui::ListBox* GamesMade;
  ui::ListBox* GamesForSale;
  ui::ListBox* GamePrices;
  ui::ListBox* Project2DList;
  ui::ListBox* Project3DList;

  // --- start-up, log ---
  void FormCreate();
  void FormDestroy();
  void WriteLog(const std::string& text);

  // --- sounds and message windows ---
  void PlayClickSound();
  void PlayCloseSound();
  void PlaySoundFile(const std::string& name);
  void ShowGameMessage(const std::string& text, bool gameOver = false);
  void ShowInfoMessage(const std::string& text);
  void PauseGame();
  void ResumeGame();
  void AfterMessage();

  // --- money, mood and experience ---
  void AddMoney(uint32_t n);
  bool SpendMoney(uint32_t n);
  void AddMood(uint32_t n);
  void SubMood(uint32_t n);
  void AddExperience(uint32_t n);

  // --- home, rent, sanatorium, accident, savings box, playbill, end ---
  void ShowHomeInfo();
  void ApplyHomeMaxMood();
  void MoveHome(int type);
  void PayRent();
  void GoToSanatorium();
  void CheckCarAccident();
  bool TakeFromPiggyBank(uint32_t amount);
  bool PutIntoPiggyBank(uint32_t amount);
  void AddPosterEntry(const std::string& text);
  void ConfirmExit();
  void EndGame();

  // --- skills (career) ---
  void AdvanceCppSkill();
  void AdvancePascalSkill();
  void AdvancePhpSkill();
  void AdvanceEducationSkill();
  void AddCppPoints(uint32_t n);
  void AddPascalPoints(uint32_t n);
  void AddPhpPoints(uint32_t n);
  void AddEducationPoints(uint32_t n);
  void DailyCommute();
  void GetJob(const std::string& office, int salary);
  void QuitJob();

  // --- computer parts (hardware) ---
  void BuyDevice(int price, const std::string& name, const std::string& kind);
  void RefreshDeviceLabels();
  void RemoveAllDevices();
  bool InstallMotherboard(const std::string& name);
  bool InstallProcessor(const std::string& name, bool amd, bool intel);
  bool InstallRam(const std::string& name);
  bool InstallVideo(const std::string& name);
  bool InstallDisk(const std::string& name);
  bool InstallModem(const std::string& name);
  bool InstallMonitor(const std::string& name);

  // --- programs and disk space (software) ---
  void BuyProgram(int price, const std::string& name, const std::string& kind);
  void rem_space(int n);
  void add_space(int n);
  void set_space(int n);

 private:
  void LoadConfiguration(const std::string& folder);
};

extern Tzenx* engine;

// The one-character key of "config.pc" and "skill.pc" as text.
std::string ScrambleKey();
