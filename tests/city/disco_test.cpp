// The night club and the disco: the fee and its strict limit, a track from
// the club's list, the light show, the mood by the seconds spent for both
// ways of ending, and a club without music that turns the player away
// without taking the fee.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "city/Inclub.h"
#include "city/Play.h"
#include "city/Setka.h"
#include "city/Travel.h"
#include "engine/Class.h"
#include "engine/Main.h"
#include "support/GameHarness.h"
#include "support/Wave.h"

using testing_support::GameHarness;
using Strings = std::vector<std::string>;
namespace fs = std::filesystem;

namespace {

using Files = std::map<std::string, std::string>;

// A game whose music folder holds exactly these files (name → bytes); the
// other data folders are the real ones.
testing_support::HarnessOptions Club(const char* money, Files music, const char* fun = "50", const char* home = "1") {
  testing_support::HarnessOptions options;
  options.config = {{"Money", money}, {"Fun", fun}, {"Home", home}, {"Health", "100"}};
  options.prepare = [music = std::move(music)](const std::string& gameDir) {
    const fs::path data = fs::path(gameDir) / "data";
    const fs::path shared = fs::read_symlink(data);
    fs::remove(data);
    fs::create_directory(data);
    for (const auto& entry : fs::directory_iterator(shared)) {
      if (entry.path().filename() != "music")
        fs::create_directory_symlink(entry.path(), data / entry.path().filename());
    }
    fs::create_directory(data / "music");
    for (const auto& [name, bytes] : music) {
      std::ofstream(data / "music" / name, std::ios::binary) << bytes;
    }
  };
  return options;
}

Files OneTrack(uint32_t ms) { return {{"clublist.txt", "song.wav"}, {"song.wav", testing_support::WaveBytes(ms)}}; }

// From the running game screen to the night club's door.
void ToTheClub(GameHarness& h) {
  Form1->Hide();
  menu->Show();
  h.click(menu->trav);
  h.click(travel->club);
  ASSERT_TRUE(setka->Visible);
}

void Enter(GameHarness& h) {
  ToTheClub(h);
  h.click(setka->gol);
  ASSERT_TRUE(inclub->Visible);
}

int MoodLabel() { return std::stoi(menu->funny->Caption()); }

Strings Lit() {
  Strings names;
  for (ui::Image* picture : inclub->f) {
    if (picture->Visible) names.push_back(picture->Name());
  }
  return names;
}

}  // namespace

TEST(NightClub, ThreeHundredFiftyIsNotEnoughThreeHundredFiftyOneLetsIn) {
  {
    GameHarness h(Club("366", OneTrack(40000)));  // 350 after the fare
    ToTheClub(h);
    ASSERT_EQ(menu->money->Caption(), "350");
    h.answerEnter();
    h.clearSounds();
    h.click(setka->go);
    EXPECT_EQ(h.messagesShown(), Strings{"У Вас недостаточно денег для входа в клуб!"});
    EXPECT_TRUE(setka->Visible);
    EXPECT_FALSE(inclub->Visible);
    EXPECT_EQ(menu->money->Caption(), "350");
    EXPECT_TRUE(h.backend().MusicPlayed().empty());
  }
  {
    GameHarness h(Club("367", OneTrack(40000)));
    ToTheClub(h);
    h.clearSounds();
    h.click(setka->gol);
    EXPECT_TRUE(inclub->Visible);
    EXPECT_FALSE(setka->Visible);
    EXPECT_EQ(menu->money->Caption(), "1");
    EXPECT_EQ(engine->Money, 1);
    EXPECT_TRUE(h.sounds().empty()) << "the door makes no sound";
    ASSERT_EQ(h.backend().MusicPlayed().size(), 1u);
    EXPECT_EQ(fs::path(h.backend().MusicPlayed()[0]).filename(), "song.wav");
    EXPECT_FALSE(inclub->close->Visible) << "a visit ends only by the music or the way out";
  }
}

TEST(NightClub, WithoutMusicTheClubTakesNothingAndStays) {
  const std::string wave = testing_support::WaveBytes(30000);
  const Files cases[] = {
      {},                                                               // no list at all
      {{"clublist.txt", " \r\n\t \r\n"}},                               // a list of blanks
      {{"clublist.txt", "gone.wav"}},                                   // a track that is not there
      {{"clublist.txt", "broken.wav"}, {"broken.wav", "not a sound"}},  // a track that will not open
      {{"clublist.txt", ","}, {"song.wav", wave}},                      // one empty entry
  };
  for (const Files& music : cases) {
    GameHarness h(Club("1000", music));
    ToTheClub(h);
    h.answerEnter();
    h.click(setka->go);
    EXPECT_EQ(h.messagesShown(), Strings{"Дискотека сегодня закрыта: нет музыки."});
    EXPECT_TRUE(setka->Visible);
    EXPECT_FALSE(inclub->Visible);
    EXPECT_EQ(menu->money->Caption(), "984") << "only the fare was paid";
    EXPECT_TRUE(h.exceptions().empty());
    // The way back still works.
    h.click(setka->close);
    EXPECT_TRUE(travel->Visible);
  }
}

TEST(Disco, TheTrackIsChosenFromTheClubsList) {
  const std::string wave = testing_support::WaveBytes(30000);
  // A name in quotes keeps its blank and its comma; a doubled quote is one.
  GameHarness h(
      Club("5000", {{"clublist.txt", "  \"my song, \"\"live\"\".wav\"\r\n"}, {"my song, \"live\".wav", wave}}));
  Enter(h);
  ASSERT_EQ(h.backend().MusicPlayed().size(), 1u);
  EXPECT_EQ(fs::path(h.backend().MusicPlayed()[0]).filename(), "my song, \"live\".wav");
  EXPECT_TRUE(h.backend().MusicPlaying());

  // The list is CP1251 text; the track's own name on disk is "диско.wav".
  GameHarness r(Club("5000", {{"clublist.txt", "\xe4\xe8\xf1\xea\xee.wav"}, {"диско.wav", wave}}));
  Enter(r);
  ASSERT_EQ(r.backend().MusicPlayed().size(), 1u);
  EXPECT_EQ(fs::path(r.backend().MusicPlayed()[0]).filename(), "диско.wav");

  // Several entries, however separated: each visit plays one of them.
  const Strings names = {"a.wav", "b.wav", "c.wav", "d.wav"};
  GameHarness g(Club("5000", {{"clublist.txt", "a.wav,b.wav c.wav\r\n\t d.wav , "},
                              {"a.wav", wave},
                              {"b.wav", wave},
                              {"c.wav", wave},
                              {"d.wav", wave}}));
  for (int visit = 0; visit < 6; ++visit) {
    if (visit == 0) {
      Enter(g);
    } else {
      travel->Hide();
      setka->Show();
      g.click(setka->go);
    }
    const std::string played = fs::path(g.backend().MusicPlayed().back()).filename();
    EXPECT_NE(std::find(names.begin(), names.end(), played), names.end()) << played;
    g.answerEnter();
    g.click(inclub->exit);
  }
}

TEST(Disco, LeavingEarlyGivesTheBandOfTheSecondsAboveThirtyTheMaximum) {
  struct Case {
    int seconds;
    int bonus;
  };
  // Home 1: the mood maximum is 60.
  for (const Case c : {Case{0, 10}, Case{5, 10}, Case{6, 20}, Case{10, 20}, Case{11, 40}, Case{15, 40}, Case{16, 60},
                       Case{20, 60}, Case{21, 80}, Case{30, 80}, Case{31, 60}, Case{40, 60}}) {
    SCOPED_TRACE(c.seconds);
    GameHarness h(Club("5000", OneTrack(60000), "50"));
    Enter(h);
    h.advance(static_cast<uint64_t>(c.seconds) * 1000);
    EXPECT_EQ(inclub->Seconds, std::min(c.seconds, 36));
    h.answerEnter();
    h.clearSounds();
    h.click(inclub->exit);
    EXPECT_EQ(h.messagesShown().back(), "Ваше настроение повысилось на " + std::to_string(c.bonus) + "%!");
    EXPECT_EQ(MoodLabel(), 50 + c.bonus) << "added to the mood, not set as it";
    EXPECT_EQ(engine->Fun, 50 + c.bonus);
    EXPECT_FALSE(h.backend().MusicPlaying());
    EXPECT_FALSE(inclub->Visible);
    EXPECT_TRUE(travel->Visible);
    EXPECT_EQ(h.sounds(), (Strings{"mes.wav", "click.wav", "close.wav"}));
    EXPECT_EQ(inclub->Seconds, 0);
    EXPECT_EQ(inclub->Bonus, 0);
  }
}

TEST(Disco, TheEndOfTheTrackGivesItsBandAndAHundredAfterThirtySeconds) {
  struct Case {
    uint32_t trackMs;
    int bonus;
  };
  for (const Case c :
       {Case{300, 10}, Case{3000, 10}, Case{12500, 40}, Case{25500, 80}, Case{33500, 100}, Case{40000, 100}}) {
    SCOPED_TRACE(c.trackMs);
    GameHarness h(Club("5000", OneTrack(c.trackMs), "50"));
    Enter(h);
    h.answerEnter();
    // The watch notices the end within a second of it.
    const uint64_t start = h.now();
    while (inclub->Visible && h.now() - start < c.trackMs + 1000) h.advance(100);
    EXPECT_FALSE(inclub->Visible);
    EXPECT_TRUE(travel->Visible);
    EXPECT_EQ(h.messagesShown().back(), "Ваше настроение повысилось на " + std::to_string(c.bonus) + "%!");
    EXPECT_EQ(MoodLabel(), 50 + c.bonus);
    for (ui::Timer* t : inclub->s) EXPECT_FALSE(t->Enabled);
    EXPECT_FALSE(inclub->fun_timer->Enabled);
    EXPECT_TRUE(Lit().empty());
  }
}

TEST(Disco, TheMoodMayPassItsMaximumUntilTheGameScreenIsShown) {
  GameHarness h(Club("5000", OneTrack(40000), "50"));
  Enter(h);
  h.advance(38000);
  EXPECT_EQ(inclub->Seconds, 36) << "the count stops at 36";
  h.answerEnter();
  h.advance(3000);
  ASSERT_TRUE(travel->Visible);
  EXPECT_EQ(menu->funny->Caption(), "150");
  h.click(travel->close);
  EXPECT_EQ(menu->funny->Caption(), "60");
}

TEST(Disco, TheLightsGoRoundEveryFiveSecondsAndASecondVisitCountsAnew) {
  GameHarness h(Club("5000", OneTrack(60000), "20"));
  Enter(h);
  h.advance(499);
  EXPECT_TRUE(Lit().empty()) << "dark for the first half second";
  h.advance(1);
  EXPECT_EQ(Lit(), (Strings{"f1", "f5", "f9"}));
  h.advance(1500);
  EXPECT_EQ(Lit(), (Strings{"f4", "f8"}));
  h.advance(500);
  EXPECT_EQ(Lit().size(), 11u);
  h.advance(2000);
  EXPECT_EQ(Lit(), (Strings{"f1", "f11"}));
  h.advance(1000);
  EXPECT_EQ(Lit(), (Strings{"f1", "f5", "f9"})) << "round again after five seconds";
  EXPECT_EQ(inclub->Seconds, 5);

  h.answerEnter();
  h.click(inclub->exit);
  EXPECT_TRUE(Lit().empty());
  EXPECT_EQ(MoodLabel(), 30);
  // Straight back in: the count starts from nothing.
  travel->Hide();
  setka->Show();
  h.click(setka->go);
  h.advance(2000);
  EXPECT_EQ(inclub->Seconds, 2);
  h.answerEnter();
  h.click(inclub->exit);
  EXPECT_EQ(MoodLabel(), 40);
  EXPECT_EQ(menu->money->Caption(), std::to_string(5000 - 16 - 350 - 350));
}
