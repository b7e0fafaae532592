#pragma once
// The keys of "config.pc" in the order the engine reads them, each with the
// form its value must have.
#include <array>
#include <string_view>

namespace datapack {

enum class ValueKind {
  kNumber,      // a decimal integer, sign allowed
  kFlag,        // an integer (0 false, anything else true) or True/False
  kNumberFlag,  // an integer only: stored as a flag, but read as a number
  kText,        // anything after the '=', may be empty
};

struct ConfigKey {
  std::string_view name;
  ValueKind kind;
};

inline constexpr auto kNumber = ValueKind::kNumber;
inline constexpr auto kFlag = ValueKind::kFlag;
inline constexpr auto kNumberFlag = ValueKind::kNumberFlag;
inline constexpr auto kText = ValueKind::kText;

inline constexpr std::array<ConfigKey, 180> kConfigKeys = {{
    {"Cppbar", kNumber}, {"Pasbar", kNumber}, {"Phpbar", kNumber}, {"Umbar", kNumber},
    {"Cpplev", kNumber}, {"Paslev", kNumber}, {"Phplev", kNumber}, {"Umlev", kNumber},
    {"Bmax1", kNumber}, {"Bmax2", kNumber}, {"Money", kNumber}, {"Home", kNumber}, {"Fun", kNumber},
    {"MaxFun", kNumber}, {"Health", kNumber}, {"Mark", kText}, {"Office", kText}, {"Zp", kNumber},
    {"St", kNumber}, {"Xp", kNumber}, {"Work", kFlag}, {"DiskSpace", kNumber}, {"Status", kText},
    {"OnPlay", kFlag}, {"OnGame", kFlag}, {"Mday", kNumber}, {"Nday", kNumber}, {"Nmonth", kNumber},
    {"Dolg", kNumber}, {"Computer", kFlag}, {"Duty", kFlag}, {"Bmonth", kText}, {"Bday", kNumber},
    {"Car", kFlag}, {"Stroll", kNumber}, {"Doc", kFlag}, {"CanCar", kNumberFlag},
    {"CarPrice", kNumber}, {"CanCarPrice", kNumber}, {"Kopilka", kNumber}, {"Reg", kFlag},
    {"Maxcpp", kNumber}, {"Maxpas", kNumber}, {"Maxphp", kNumber}, {"Maxum", kNumber},
    {"Mboard", kText}, {"Processor", kText}, {"Ozu1", kText}, {"Ozu2", kText}, {"Ozu3", kText},
    {"Ozu4", kText}, {"Video", kText}, {"Disk", kText}, {"Modem", kText}, {"Monitor", kText},
    {"Amd", kFlag}, {"Intel", kFlag}, {"Max", kNumber}, {"Oncpp", kNumber}, {"Onpas", kNumber},
    {"Onphp", kNumber}, {"Onum", kNumber}, {"Mb1i", kText}, {"Mb2i", kText}, {"Mb3i", kText},
    {"Mb1a", kText}, {"Mb2a", kText}, {"Mb3a", kText}, {"Pr1a", kText}, {"Pr2a", kText},
    {"Pr3a", kText}, {"Pr4a", kText}, {"Pr1i", kText}, {"Pr2i", kText}, {"Pr3i", kText},
    {"Pr4i", kText}, {"Ram1", kText}, {"Ram2", kText}, {"Ram3", kText}, {"Ram4", kText},
    {"Vid1g", kText}, {"Vid2g", kText}, {"Vid3g", kText}, {"Vid4g", kText}, {"Vid1a", kText},
    {"Vid2a", kText}, {"Vid3a", kText}, {"Vid4a", kText}, {"Hdd1", kText}, {"Hdd2", kText},
    {"Hdd3", kText}, {"Hdd4", kText}, {"Mod1", kText}, {"Mod2", kText}, {"Mon1", kText},
    {"Mon2", kText}, {"Mon3", kText}, {"Os1", kText}, {"Os2", kText}, {"Os3", kText}, {"Os4", kText},
    {"Of1", kText}, {"Of2", kText}, {"Of3", kText}, {"Kcpp1", kText}, {"Kcpp2", kText},
    {"Kpas1", kText}, {"Kpas2", kText}, {"Kphp1", kText}, {"Kphp2", kText}, {"G1", kText},
    {"G2", kText}, {"G3", kText}, {"G4", kText}, {"G5", kText}, {"G6", kText}, {"G7", kText},
    {"G8", kText}, {"G9", kText}, {"Mb1ic", kNumber}, {"Mb2ic", kNumber}, {"Mb3ic", kNumber},
    {"Mb1ac", kNumber}, {"Mb2ac", kNumber}, {"Mb3ac", kNumber}, {"Pr1ac", kNumber}, {"Pr2ac", kNumber},
    {"Pr3ac", kNumber}, {"Pr4ac", kNumber}, {"Pr1ic", kNumber}, {"Pr2ic", kNumber}, {"Pr3ic", kNumber},
    {"Pr4ic", kNumber}, {"Ram1c", kNumber}, {"Ram2c", kNumber}, {"Ram3c", kNumber}, {"Ram4c", kNumber},
    {"Vid1gc", kNumber}, {"Vid2gc", kNumber}, {"Vid3gc", kNumber}, {"Vid4gc", kNumber},
    {"Vid1ac", kNumber}, {"Vid2ac", kNumber}, {"Vid3ac", kNumber}, {"Vid4ac", kNumber},
    {"Hdd1c", kNumber}, {"Hdd2c", kNumber}, {"Hdd3c", kNumber}, {"Hdd4c", kNumber}, {"Mod1c", kNumber},
    {"Mod2c", kNumber}, {"Mon1c", kNumber}, {"Mon2c", kNumber}, {"Mon3c", kNumber}, {"Os1c", kNumber},
    {"Os2c", kNumber}, {"Os3c", kNumber}, {"Os4c", kNumber}, {"Of1c", kNumber}, {"Of2c", kNumber},
    {"Of3c", kNumber}, {"Kcpp1c", kNumber}, {"Kcpp2c", kNumber}, {"Kpas1c", kNumber},
    {"Kpas2c", kNumber}, {"Kphp1c", kNumber}, {"Kphp2c", kNumber}, {"Gc", kNumber},
    {"SanInThisYear", kFlag}, {"HouseXN", kFlag}, {"IsTextEditor", kFlag}, {"UmAddMax", kNumber},
    {"Student", kFlag}, {"MiniGameXp", kNumber}, {"ModemType", kNumber}, {"InetPhone1", kText},
    {"InetPhone2", kText}, {"InetPhone3", kText}, {"InetSpeedPhone", kText}, {"Studing", kNumberFlag},
}};

}  // namespace datapack
