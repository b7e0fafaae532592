// zx_datapack: packs one readable data file into the form the game reads.
//
//   zx_datapack config data/config.ini game/config.pc   (all keys checked)
//   zx_datapack skill  data/skill.ini  game/skill.pc
//   zx_datapack text   data/instruct.txt game/instruct.pf
//
// On any fault it prints "file:line: what" and exits with 1, leaving no
// output file behind.
#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>

#include "DataPack.h"
#include "platform/TextFile.h"

namespace {

bool ReadWhole(const std::string& path, std::string& text) {
  if (!platform::FileExists(path)) return false;
  try {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
  } catch (const std::exception&) {
    return false;
  }
}

int Usage() {
  std::cerr << "usage: zx_datapack config|skill|text <input> <output>\n";
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) return Usage();
  const std::string mode = argv[1];
  const std::string input = argv[2];
  const std::string output = argv[3];

  std::string text;
  if (!ReadWhole(input, text)) {
    std::cerr << input << ": cannot be read\n";
    std::remove(output.c_str());
    return 1;
  }

  datapack::Result packed;
  if (mode == "config") {
    packed = datapack::PackIni(text, input, "Game", datapack::kConfigKeys);
  } else if (mode == "skill") {
    packed = datapack::PackIni(text, input, "Skills");
  } else if (mode == "text") {
    packed = datapack::PackText(text, input);
  } else {
    return Usage();
  }
  if (!packed.ok()) {
    std::cerr << packed.error << "\n";
    std::remove(output.c_str());
    return 1;
  }

  // Written beside the target and moved over it, so a reader never sees half a file.
  const std::string temporary = output + ".part";
  if (!platform::SaveLines(temporary, packed.lines) || std::rename(temporary.c_str(), output.c_str()) != 0) {
    std::cerr << output << ": cannot be written\n";
    std::remove(temporary.c_str());
    std::remove(output.c_str());
    return 1;
  }
  return 0;
}
