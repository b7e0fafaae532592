#pragma once
// PlaySoundA with SND_ASYNC: the sound starts at once and a new one cuts off
// the one still playing. The sound goes to whichever output the running
// backend installed (speakers through SDL_mixer, or a recorder in tests).
#include <string>

namespace platform {

constexpr unsigned SND_ASYNC = 0x0001;

class AudioOutput {
 public:
  virtual ~AudioOutput() = default;
  virtual void PlayWave(const std::string& path) = 0;
};

// The output all sounds go to; null plays nothing.
void SetAudioOutput(AudioOutput* output);

bool PlaySoundA(const std::string& path, void* module, unsigned flags);

}  // namespace platform
