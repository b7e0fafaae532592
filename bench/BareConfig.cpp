// The bare configuration parse, kept apart so that the bare start-up
// program links nothing of the game but it.
#include "BareConfig.h"

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "engine/ConfigKeys.h"
#include "engine/Scramble.h"
#include "platform/Conversions.h"
#include "platform/IniFile.h"
#include "platform/TextFile.h"

namespace bench {

void ParseConfiguration(const std::string& configPath, const std::string& plainCopy) {
  std::vector<std::string> lines;
  if (!platform::LoadLines(configPath, lines)) throw std::runtime_error("cannot read " + configPath);
  for (std::string& line : lines) line = ScrambleLine(line, kScrambleKey);
  if (!platform::SaveLines(plainCopy, lines)) throw std::runtime_error("cannot write " + plainCopy);
  const std::vector<std::string> values = platform::IniFile(plainCopy).ReadSectionValues("Game");
  uint32_t numbers = 0;
  bool flags = false;
  size_t texts = 0;
#define ZX_PARSE_Number(name) numbers += static_cast<uint32_t>(platform::StrToInt(platform::ValueOf(values, #name)));
#define ZX_PARSE_Flag(name) flags ^= platform::StrToBool(platform::ValueOf(values, #name));
#define ZX_PARSE_NumberFlag(name) flags ^= platform::StrToInt(platform::ValueOf(values, #name)) != 0;
#define ZX_PARSE_Text(name) texts += platform::ValueOf(values, #name).size();
#define ZX_PARSE_KEY(name, kind) ZX_PARSE_##kind(name)
#define ZX_PARSE_STEP(step)
  ZX_CONFIG_KEYS(ZX_PARSE_KEY, ZX_PARSE_STEP)
#undef ZX_PARSE_Number
#undef ZX_PARSE_Flag
#undef ZX_PARSE_NumberFlag
#undef ZX_PARSE_Text
#undef ZX_PARSE_KEY
#undef ZX_PARSE_STEP
  platform::DeleteFile(plainCopy);
  volatile size_t sink = static_cast<size_t>(numbers) + flags + texts;
  (void)sink;
}

}  // namespace bench
