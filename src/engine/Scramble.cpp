#include "engine/Scramble.h"

std::string ScrambleLine(std::string_view line, std::string_view key) {
  std::string out(line);
  if (key.empty()) return out;
  for (size_t i = 0; i < out.size(); ++i) {
    out[i] = static_cast<char>(out[i] ^ key[(i + 1) % key.size()]);
  }
  return out;
}
