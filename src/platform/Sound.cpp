#include "platform/Sound.h"

namespace platform {
namespace {
AudioOutput*& Output() {
  static AudioOutput* output = nullptr;
  return output;
}
}  // namespace

void SetAudioOutput(AudioOutput* output) { Output() = output; }

bool PlaySoundA(const std::string& path, void*, unsigned) {
  if (Output() == nullptr) return false;
  Output()->PlayWave(path);
  return true;
}

}  // namespace platform
