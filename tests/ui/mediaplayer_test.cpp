// The media player on the headless music channel: a track opens or is
// refused, plays for its own length and stops; the progress bar and the
// panel draw in their colours.
#include "ui/MediaPlayer.h"

#include <gtest/gtest.h>

#include "UiFixture.h"
#include "platform/TempFolder.h"
#include "support/Wave.h"
#include "ui/Canvas.h"
#include "ui/Panel.h"
#include "ui/ProgressBar.h"

namespace {

class Media : public UiFixture {
 protected:
  testing_support::TempFolder folder_;
};

}  // namespace

TEST_F(Media, ATrackPlaysForItsOwnLengthThenStops) {
  auto* mp = new ui::MediaPlayer(form_);
  EXPECT_EQ(mp->Mode(), ui::MediaMode::NotReady);
  mp->FileName = folder_.Write("song.wav", testing_support::WaveBytes(2500, true));
  mp->Open();
  EXPECT_EQ(mp->Mode(), ui::MediaMode::Stopped) << "open, not yet playing";
  mp->Play();
  EXPECT_EQ(mp->Mode(), ui::MediaMode::Playing);
  EXPECT_EQ(backend_->MusicPlayed(), std::vector<std::string>{folder_.File("song.wav")});
  input_->advance(2499);
  EXPECT_EQ(mp->Mode(), ui::MediaMode::Playing);
  input_->advance(1);
  EXPECT_EQ(mp->Mode(), ui::MediaMode::Stopped);

  // Played again from the start; stopped by hand.
  mp->Play();
  input_->advance(1000);
  EXPECT_EQ(mp->Mode(), ui::MediaMode::Playing);
  mp->Stop();
  EXPECT_EQ(mp->Mode(), ui::MediaMode::Stopped);
  EXPECT_FALSE(backend_->MusicPlaying());
}

TEST_F(Media, WhatWillNotOpenIsAnErrorAndLeavesNothingOpen) {
  auto* mp = new ui::MediaPlayer(form_);
  mp->FileName = folder_.Write("good.wav", testing_support::WaveBytes(5000));
  mp->Open();
  mp->Play();
  const std::string wave = testing_support::WaveBytes(5000);
  for (const std::string& bad : {folder_.File("missing.wav"), folder_.Write("text.wav", "just some words"),
                                 folder_.Write("cut.wav", wave.substr(0, 30)), folder_.path(), std::string()}) {
    SCOPED_TRACE(bad);
    mp->FileName = bad;
    EXPECT_THROW(mp->Open(), ui::EMCIDeviceError);
    EXPECT_EQ(mp->Mode(), ui::MediaMode::NotReady);
    EXPECT_FALSE(backend_->MusicPlaying()) << "the track before is gone";
    EXPECT_THROW(mp->Play(), ui::EMCIDeviceError);
  }
  mp->Stop();  // harmless without a track
  mp->Close();
  EXPECT_EQ(backend_->MusicPlayed().size(), 1u);
}

TEST_F(Media, ATrackCutShortPlaysWhatItHolds) {
  auto* mp = new ui::MediaPlayer(form_);
  const std::string wave = testing_support::WaveBytes(4000);
  mp->FileName = folder_.Write("short.wav", wave.substr(0, wave.size() - 3000));  // 1000 of 4000 samples
  mp->Open();
  mp->Play();
  input_->advance(999);
  EXPECT_EQ(mp->Mode(), ui::MediaMode::Playing);
  input_->advance(1);
  EXPECT_EQ(mp->Mode(), ui::MediaMode::Stopped);
}

TEST_F(Media, TheBarAndThePanelDrawInTheirColours) {
  auto* bar = new ui::ProgressBar(form_);
  bar->SetBounds(10, 10, 104, 20);
  bar->BarColor = ui::Color::FromValue(0xFF0000);
  bar->Position = 50;
  auto* panel = new ui::Panel(form_);
  panel->SetBounds(10, 50, 100, 60);
  panel->Caption = "Кликать сюда";
  panel->Font.Color = ui::clBlack;
  const ui::Bitmap& shot = form_->Render();
  EXPECT_EQ(shot.Pixel(12 + 10, 20), ui::clBlue.Argb()) << "the filled half";
  EXPECT_EQ(shot.Pixel(12 + 90, 20), ui::clBtnFace.Argb()) << "the empty half";
  EXPECT_EQ(shot.Pixel(14, 54), ui::clBtnFace.Argb());
  int dark = 0;
  for (int y = 50; y < 110; ++y) {
    for (int x = 12; x < 108; ++x) dark += ((shot.Pixel(x, y) >> 16) & 0xFF) < 80;
  }
  EXPECT_GT(dark, 20) << "the caption is drawn";
}
