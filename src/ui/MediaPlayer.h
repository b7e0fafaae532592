#pragma once
// An invisible media player on the music channel: set FileName, Open, Play,
// Stop, and ask Mode whether the track still plays. Without a sound card the
// tracks play silently, taking their own time all the same. The music channel
// holds one track: opening one in a player ends what another played.
#include <stdexcept>
#include <string>

#include "ui/Component.h"
#include "ui/Control.h"
#include "ui/Property.h"

namespace ui {

class MusicOutput;

// A track that will not open, or a command without an open track.
class EMCIDeviceError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// NotReady: no track open; Stopped: open, not sounding (never played, stopped
// or come to its end); Playing: sounding.
enum class MediaMode { NotReady, Stopped, Playing };

class MediaPlayer : public Component {
 public:
  // The player belongs to its form and is deleted with it.
  explicit MediaPlayer(Control* owner);
  ~MediaPlayer() override;

  Property<std::string> Name;
  Property<std::string> FileName;

  // Opens FileName, replacing the track open before; raises EMCIDeviceError
  // when it will not open (and then nothing is open).
  void Open();
  // Plays the open track from its start; raises EMCIDeviceError when none is open.
  void Play();
  void Stop();
  void Close();
  MediaMode Mode() const;

 private:
  MusicOutput& music_;
  bool open_ = false;
  bool started_ = false;
};

}  // namespace ui
