#pragma once
// A small WAV file of a given playing time for tests: 8-bit mono silence at
// 1000 samples a second, optionally with a chunk of notes before the data.
#include <cstdint>
#include <string>

namespace testing_support {

inline std::string WaveBytes(uint32_t milliseconds, bool withNotes = false) {
  auto le32 = [](uint32_t v) {
    return std::string{static_cast<char>(v & 0xFF), static_cast<char>((v >> 8) & 0xFF),
                       static_cast<char>((v >> 16) & 0xFF), static_cast<char>(v >> 24)};
  };
  auto le16 = [](uint16_t v) { return std::string{static_cast<char>(v & 0xFF), static_cast<char>(v >> 8)}; };
  const uint32_t rate = 1000;
  const uint32_t samples = milliseconds * rate / 1000;
  std::string format = "fmt " + le32(16) + le16(1) + le16(1) + le32(rate) + le32(rate) + le16(1) + le16(8);
  std::string notes = withNotes ? "LIST" + le32(5) + "INFO!" + std::string(1, '\0') : "";
  std::string data = "data" + le32(samples) + std::string(samples, static_cast<char>(0x80));
  std::string body = "WAVE" + format + notes + data;
  return "RIFF" + le32(static_cast<uint32_t>(body.size())) + body;
}

}  // namespace testing_support
