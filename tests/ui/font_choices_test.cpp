// The font files fontconfig chose, remembered from one run to the next: taken
// again only while the environment and every file and folder they came from
// stand as they did, and never from a file that is damaged.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "platform/TempFolder.h"
#include "ui/FontChoices.h"

namespace {

constexpr const char* kEnvironment = "21401\tzendrix2\tLANG=ru_RU.UTF-8\tHOME=/home/player";

// Moves a file's change time by `seconds`.
void Touch(const std::string& path, long seconds = 1) {
  struct stat info {};
  ASSERT_EQ(::stat(path.c_str(), &info), 0);
  const timespec times[2] = {info.st_atim, {info.st_mtim.tv_sec + seconds, info.st_mtim.tv_nsec}};
  ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
}

TEST(FontChoices, AreTakenAgainOnlyWhileWhatTheyCameFromStandsAsItDid) {
  struct Case {
    const char* what;
    std::function<void(const testing_support::TempFolder&)> change;
    std::string environment = kEnvironment;
    bool kept;
  };
  const std::vector<Case> cases = {
      {"nothing changed", [](const auto&) {}, kEnvironment, true},
      {"a configuration file changed", [](const auto& f) { Touch(f.File("conf.d/49-sansserif.conf")); }, kEnvironment,
       false},
      {"a file added beside the configuration", [](const auto& f) { f.Write("conf.d/99-new.conf", "<fontconfig/>"); },
       kEnvironment, false},
      {"a user's configuration appeared", [](const auto& f) { f.Write("user-fonts.conf", "<fontconfig/>"); },
       kEnvironment, false},
      {"the chosen font file replaced", [](const auto& f) { f.Write("fonts/Sans.ttf", "another font"); }, kEnvironment,
       false},
      {"another language", [](const auto&) {}, "21401\tzendrix2\tLANG=C.UTF-8\tHOME=/home/player", false},
  };
  for (const Case& c : cases) {
    testing_support::TempFolder folder;
    std::filesystem::create_directories(folder.File("conf.d"));
    std::filesystem::create_directories(folder.File("fonts"));
    const std::string conf = folder.Write("conf.d/49-sansserif.conf", "<fontconfig/>");
    const std::string font = folder.Write("fonts/Sans.ttf", "font");
    const std::string bold = folder.Write("fonts/Sans-Bold.ttf", "bold font");
    // Made an hour ago: a change now shows even where the clock of files is coarse.
    for (const std::string& path : {folder.File("conf.d"), conf, folder.File("fonts"), font, bold}) Touch(path, -3600);
    ui::FontChoices choices;
    choices.Set({"Verdana", false, false}, {font, false});
    choices.Set({"Verdana", true, false}, {bold, true});
    choices.Watch({folder.File("conf.d"), conf, folder.File("fonts"), folder.File("user-fonts.conf")});
    const std::string file = folder.File("fonts.cache");
    ASSERT_TRUE(choices.Save(file, kEnvironment)) << c.what;
    c.change(folder);
    const ui::FontChoices again = ui::FontChoices::Load(file, c.environment);
    EXPECT_EQ(!again.Empty(), c.kept) << c.what;
    if (!c.kept) continue;
    const ui::FontFile* regular = again.Find({"Verdana", false, false});
    const ui::FontFile* boldFace = again.Find({"Verdana", true, false});
    ASSERT_TRUE(regular != nullptr && boldFace != nullptr) << c.what;
    EXPECT_EQ(regular->path, font);
    EXPECT_FALSE(regular->boldFace);
    EXPECT_EQ(boldFace->path, bold);
    EXPECT_TRUE(boldFace->boldFace);
    EXPECT_EQ(again.Find({"Verdana", false, true}), nullptr);
  }
}

TEST(FontChoices, ADamagedFileIsNoChoiceAtAll) {
  testing_support::TempFolder folder;
  const std::string font = folder.Write("Sans.ttf", "font");
  const std::string good = "zendrix2 font choices 1\nenvironment\t" + std::string(kEnvironment) + "\nwatch\t" +
                           ui::FontChoices::Stamp(font) + "\t" + font + "\n";
  const std::string choice = "choice\t0\t0\t0\tVerdana\t" + font + "\n";
  ASSERT_FALSE(ui::FontChoices::Load(folder.Write("good", good + choice), kEnvironment).Empty());
  for (const std::string& text :
       {std::string(), std::string("garbage\n"), "zendrix2 font choices 2\n" + good.substr(24),
        good + "choice\t0\t2\t0\tVerdana\t" + font + "\n", good + "choice\t0\t0\t0\tVerdana\n",
        good + "choice\t0\t0\t0\tVerdana\t\n", good + "something else\n" + choice,
        "zendrix2 font choices 1\nenvironment\t" + std::string(kEnvironment) + "\n" + choice,
        std::string(3 << 20, 'x')}) {
    EXPECT_TRUE(ui::FontChoices::Load(folder.Write("damaged", text), kEnvironment).Empty()) << text.substr(0, 200);
  }
  EXPECT_TRUE(ui::FontChoices::Load(folder.File("missing"), kEnvironment).Empty());
  // A name that cannot stand in a line is not remembered; the others are.
  ui::FontChoices choices;
  choices.Set({"Bad\tName", false, false}, {font, false});
  choices.Set({"Verdana", false, false}, {font, false});
  choices.Watch({font});
  ASSERT_TRUE(choices.Save(folder.File("saved"), kEnvironment));
  const ui::FontChoices again = ui::FontChoices::Load(folder.File("saved"), kEnvironment);
  EXPECT_EQ(again.Find({"Bad\tName", false, false}), nullptr);
  EXPECT_NE(again.Find({"Verdana", false, false}), nullptr);
}

}  // namespace
