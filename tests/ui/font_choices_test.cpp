// The font files fontconfig chose, remembered from one run to the next: taken
// again only while the environment and every file and folder they came from
// stand as they did, and never from a file that is damaged.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/SystemFolder.h"
#include "platform/TempFolder.h"
#include "ui/Canvas.h"
#include "ui/FontCache.h"
#include "ui/FontChoices.h"

namespace {

constexpr const char* kEnvironment = "21401\tzendrix2\tLANG=ru_RU.UTF-8\tHOME=/home/player";

// Sets an environment variable, or removes it (null), until the scope ends.
class ScopedVariable {
 public:
  ScopedVariable(const char* name, const char* value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    if (value != nullptr) {
      ::setenv(name, value, 1);
    } else {
      ::unsetenv(name);
    }
  }
  ~ScopedVariable() {
    if (old_) {
      ::setenv(name_, old_->c_str(), 1);
    } else {
      ::unsetenv(name_);
    }
  }
  ScopedVariable(const ScopedVariable&) = delete;
  ScopedVariable& operator=(const ScopedVariable&) = delete;

 private:
  const char* name_;
  std::optional<std::string> old_;
};

const ui::FontInfo kRegular{"Verdana", 13, ui::clBlack, 0};
const ui::FontInfo kBold{"Verdana", 13, ui::clBlack, ui::fsBold};

// How many pixels a caption of the main menu covers in this font.
int Covered(ui::FontCache& fonts, const ui::FontInfo& font) {
  ui::Bitmap picture(200, 40);
  ui::Canvas canvas(picture, &fonts);
  int covered = 0;
  for (uint8_t c : canvas.RenderText("Новая игра", font).coverage) covered += c != 0;
  return covered;
}

// The cache file of this program under the cache folder `cacheHome`.
std::string ChoicesFile(const std::string& cacheHome) {
  return cacheHome + "/zendrix2/fonts." + program_invocation_short_name;
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

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
      {"the chosen font file replaced by one of the same size and times",
       [](const auto& f) {
         struct stat font {
         }, fonts{};
         ASSERT_EQ(::stat(f.File("fonts/Sans.ttf").c_str(), &font), 0);
         ASSERT_EQ(::stat(f.File("fonts").c_str(), &fonts), 0);
         const std::string fresh = f.Write("fonts/Sans.new", "fond");
         const timespec fontTimes[2] = {font.st_atim, font.st_mtim}, folderTimes[2] = {fonts.st_atim, fonts.st_mtim};
         ASSERT_EQ(::utimensat(AT_FDCWD, fresh.c_str(), fontTimes, 0), 0);
         ASSERT_EQ(::rename(fresh.c_str(), f.File("fonts/Sans.ttf").c_str()), 0);
         // The folder's time too, as an archive unpacked over it leaves it.
         ASSERT_EQ(::utimensat(AT_FDCWD, f.File("fonts").c_str(), folderTimes, 0), 0);
       },
       kEnvironment, false},
      {"the chosen font file overwritten in place with the same size and times, as cp -p does",
       [](const auto& f) {
         const std::string path = f.File("fonts/Sans.ttf");
         struct stat before {};
         ASSERT_EQ(::stat(path.c_str(), &before), 0);
         const int fd = ::open(path.c_str(), O_WRONLY | O_TRUNC);
         ASSERT_GE(fd, 0);
         ASSERT_EQ(::write(fd, "fond", 4), 4);
         ::close(fd);
         // The times put back; the file's change time, which no one sets,
         // moves with that, once the clock of files has moved on.
         const timespec times[2] = {before.st_atim, before.st_mtim};
         struct stat after {};
         do {
           ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
           ASSERT_EQ(::stat(path.c_str(), &after), 0);
         } while (after.st_ctim.tv_sec == before.st_ctim.tv_sec && after.st_ctim.tv_nsec == before.st_ctim.tv_nsec &&
                  ::usleep(1000) == 0);
         ASSERT_EQ(after.st_ino, before.st_ino);
         ASSERT_EQ(after.st_size, before.st_size);
       },
       kEnvironment, false},
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
  const std::string stamp = ui::FontChoices::Stamp(font);
  const std::string good =
      "zendrix2 font choices 3\nenvironment\t" + std::string(kEnvironment) + "\nwatch\t" + stamp + "\t" + font + "\n";
  const std::string choice = "choice\t0\t0\t0\tVerdana\t" + stamp + "\t" + font + "\n";
  const std::string end = "end\n";
  ASSERT_FALSE(ui::FontChoices::Load(folder.Write("good", good + choice + end), kEnvironment).Empty());
  for (const std::string& text :
       {std::string(), std::string("garbage\n"), "zendrix2 font choices 2\n" + good.substr(24) + choice + end,
        good + "choice\t0\t2\t0\tVerdana\t" + stamp + "\t" + font + "\n" + end,
        good + "choice\t0\t0\t0\tVerdana\t" + stamp + "\n" + end,
        good + "choice\t0\t0\t0\tVerdana\t" + stamp + "\t\n" + end, good + "something else\n" + choice + end,
        "zendrix2 font choices 3\nenvironment\t" + std::string(kEnvironment) + "\n" + choice + end,
        std::string(3 << 20, 'x'),
        // Cut short: the last line, or the end of the last path, is missing.
        good + choice, good + choice.substr(0, choice.size() - 5),
        // A chosen file recorded as missing, or standing otherwise than recorded.
        good + "choice\t0\t0\t0\tVerdana\t-\t" + folder.File("missing.ttf") + "\n" + end,
        good + "choice\t0\t0\t0\tVerdana\t1.0 4\t" + font + "\n" + end}) {
    EXPECT_TRUE(ui::FontChoices::Load(folder.Write("damaged", text), kEnvironment).Empty()) << text.substr(0, 200);
  }
  EXPECT_TRUE(ui::FontChoices::Load(folder.File("missing"), kEnvironment).Empty());
  // A FIFO in the file's place, with nothing at its other end: not waited on.
  ASSERT_EQ(::mkfifo(folder.File("fifo").c_str(), 0600), 0);
  ::alarm(10);  // a start held up ends the test program here
  EXPECT_TRUE(ui::FontChoices::Load(folder.File("fifo"), kEnvironment).Empty());
  ::alarm(0);
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

// A start of the game on a cache left damaged by an earlier one: fontconfig is
// asked again, the text is drawn, and the cache is written anew, whole.
TEST(FontChoices, ADamagedCacheIsAskedAgainAndWrittenWhole) {
  testing_support::TempFolder folder;
  ScopedVariable cacheHome("XDG_CACHE_HOME", folder.path().c_str());
  const std::string file = ChoicesFile(folder.path());
  // A start that draws the two captions' fonts; how many questions it asked.
  auto start = [](const char* what) {
    ui::FontCache fonts;
    EXPECT_GT(Covered(fonts, kRegular), 50) << what;
    EXPECT_GT(Covered(fonts, kBold), 50) << what;
    return fonts.FontconfigQuestions();
  };
  EXPECT_EQ(start("the first start"), 2);
  const std::string whole = ReadFile(file);
  ASSERT_NE(whole, "");
  EXPECT_EQ(start("nothing damaged"), 0);

  // The cache as a later start could find it, written the way the game does
  // under the environment its second line names.
  const size_t from = whole.find("\nenvironment\t") + 13;
  const std::string environment = whole.substr(from, whole.find('\n', from) - from);
  const ui::FontChoices chosen = ui::FontChoices::Load(file, environment);
  ASSERT_FALSE(chosen.Empty());
  const std::string regular = chosen.Find({"Verdana", false, false})->path;
  const std::string bold = chosen.Find({"Verdana", true, false})->path;
  auto rememberRegular = [&](const std::string& path) {
    ui::FontChoices choices = chosen;
    choices.Set({"Verdana", false, false}, {path, false});
    ASSERT_TRUE(choices.Save(file, environment));
  };
  const std::string copy = folder.File("Sans.ttf");
  struct Case {
    const char* what;
    std::function<void()> damage;
  };
  const std::vector<Case> cases = {
      {"the last path cut short", [&] { std::filesystem::resize_file(file, std::filesystem::file_size(file) - 20); }},
      {"a path to a missing file",
       [&] {
         std::filesystem::copy_file(regular, copy, std::filesystem::copy_options::overwrite_existing);
         rememberRegular(copy);
         std::filesystem::remove(copy);
       }},
      {"a path to a file that is no font",
       [&] {
         folder.Write("Sans.ttf", "no font at all");
         rememberRegular(copy);
       }},
      {"a font file changed since",
       [&] {
         std::filesystem::copy_file(regular, copy, std::filesystem::copy_options::overwrite_existing);
         rememberRegular(copy);
         std::filesystem::copy_file(bold, copy, std::filesystem::copy_options::overwrite_existing);
       }},
  };
  for (const Case& c : cases) {
    { std::ofstream(file, std::ios::binary | std::ios::trunc) << whole; }
    c.damage();
    ASSERT_NE(ReadFile(file), whole) << c.what;
    EXPECT_EQ(start(c.what), 2) << c.what;
    EXPECT_EQ(ReadFile(file), whole) << c.what;
    EXPECT_EQ(start(c.what), 0) << c.what << ": taken again at the start after";
  }
}

// Another list of data folders may bring other fonts: fontconfig is asked.
TEST(FontChoices, AnotherListOfDataFoldersIsAskedAgain) {
  testing_support::TempFolder folder;
  ScopedVariable cacheHome("XDG_CACHE_HOME", folder.path().c_str());
  ScopedVariable dataFolders("XDG_DATA_DIRS", "/usr/local/share:/usr/share");
  auto start = [] {
    ui::FontCache fonts;
    EXPECT_GT(Covered(fonts, kRegular), 50);
    return fonts.FontconfigQuestions();
  };
  EXPECT_EQ(start(), 1);
  EXPECT_EQ(start(), 0);
  const std::string more = folder.path() + ":/usr/local/share:/usr/share";
  ScopedVariable moreFolders("XDG_DATA_DIRS", more.c_str());
  EXPECT_EQ(start(), 1);
  EXPECT_NE(ReadFile(ChoicesFile(folder.path())).find("XDG_DATA_DIRS=" + more + "\t"), std::string::npos);
}

// A user with no home folder of their own: nothing is kept, in no shared
// folder either, and the text is drawn all the same.
TEST(FontChoices, WithoutAHomeFolderNothingIsKept) {
  if (::geteuid() != 0) GTEST_SKIP() << "only root can become a user the password database does not know";
  uid_t stranger = 54321;
  while (::getpwuid(stranger) != nullptr) ++stranger;
  testing_support::TempFolder folder;
  std::filesystem::permissions(folder.path(), std::filesystem::perms::all);
  const std::string name = std::string("/.cache/zendrix2/fonts.") + program_invocation_short_name;
  const std::vector<std::string> places = {"/tmp" + name, name, folder.path() + name};
  std::vector<std::string> before;
  for (const std::string& place : places) before.push_back(ui::FontChoices::Stamp(place));

  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    // The child's environment ends with it.
    ::unsetenv("HOME");
    ::unsetenv("XDG_CACHE_HOME");
    if (::chdir(folder.path().c_str()) != 0 || ::setgid(stranger) != 0 || ::setuid(stranger) != 0) ::_exit(2);
    if (!platform::CacheFolder().empty()) ::_exit(3);
    int code = 0;
    {
      ui::FontCache fonts;
      if (Covered(fonts, kRegular) <= 50) code = 4;
    }
    ::_exit(code);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0) << "2: could not become the stranger, 3: a cache folder, 4: no text";
  for (size_t i = 0; i < places.size(); ++i) EXPECT_EQ(ui::FontChoices::Stamp(places[i]), before[i]) << places[i];
  EXPECT_TRUE(std::filesystem::is_empty(folder.path()));
}

}  // namespace
