#include "ui/MediaPlayer.h"

#include "ui/Application.h"
#include "ui/Backend.h"

namespace ui {

MediaPlayer::MediaPlayer(Control* owner) : Component(owner), music_(owner->App().GetBackend().Music()) {}

MediaPlayer::~MediaPlayer() {
  if (open_) music_.Close();
}

void MediaPlayer::Open() {
  if (open_) music_.Close();
  open_ = false;
  started_ = false;
  const std::string file = FileName();
  if (file.empty() || !music_.Open(file)) throw EMCIDeviceError("Cannot open the track \"" + file + "\"");
  open_ = true;
}

void MediaPlayer::Play() {
  if (!open_) throw EMCIDeviceError("No track is open");
  music_.Play();
  started_ = true;
}

void MediaPlayer::Stop() {
  if (open_) music_.Stop();
  started_ = false;
}

void MediaPlayer::Close() {
  if (open_) music_.Close();
  open_ = false;
  started_ = false;
}

MediaMode MediaPlayer::Mode() const {
  if (!open_) return MediaMode::NotReady;
  return started_ && music_.Playing() ? MediaMode::Playing : MediaMode::Stopped;
}

}  // namespace ui
