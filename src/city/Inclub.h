#pragma once
// The disco: one track from the club's list plays while eleven lights flash
// in turn. When the track ends, or the player leaves, the mood rises by an
// amount that grows with the seconds spent, and the player is back at travel.
#include <array>
#include <string>
#include <vector>

#include "engine/Screen.h"
#include "ui/MediaPlayer.h"
#include "ui/Timer.h"

class Tinclub : public Screen {
 public:
  explicit Tinclub(ui::Application& app);

  // The close label ends a visit; it is hidden while one lasts.
  ui::Label* Label1;
  ui::Label* Label2;
  ui::Label* Label3;
  ui::Label* exit;
  // The light show: top row f1-f4, middle row f5-f7, bottom row f8-f11.
  std::array<ui::Image*, 11> f{};
  ui::MediaPlayer* mp;
  ui::Timer* t_on_end;             // watches for the end of the track
  ui::Timer* fun_timer;            // counts the seconds of the visit
  std::array<ui::Timer*, 10> s{};  // the light show's ten frames, s1 to s10

  // The visit's state.
  int Seconds = 0;
  int SecondsCap = 35;
  int Bonus = 0;

  // Picks a track from the club's list and opens it, ready to play; false
  // when the list is missing, names nothing, or the track will not open.
  bool PrepareVisit();

  void FormCreate() override;
  void FormShow() override;
  void fun_timerTimer();
  void t_on_endTimer();
  void FrameTimer(int frame);  // s1Timer to s10Timer
  void exitClick();
  void closeClick() override;

 private:
  void AddBonus(bool trackEnded);
  void EndVisit();
};

extern Tinclub* inclub;

namespace disco {

// The mood a visit gives after `seconds`: the same up to 30 seconds for both
// endings; above, 100 at the end of the track and the mood maximum on leaving.
int Bonus(int seconds, bool trackEnded, int maxFun);

// The track names of "clublist.txt" (read as CP1251, given in UTF-8): its
// whole text split as a comma list.
std::vector<std::string> ReadTrackList(const std::string& path);

}  // namespace disco
